#include "employees/frmObustaveRadnik.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "employees/DeductionParticipation.h"
#include "employees/EmployeeSearch.h"
#include "employees/LoanRecords.h"
#include "employees/frmKrediti.h"
#include "employees/frmTraziZaposlenog.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

namespace {
const QColor Inactive(Qt::red);

std::string monthText(int month, int year) {
    return std::to_string(month) + "/" + std::to_string(year);
}
} // namespace

frmObustaveRadnik::frmObustaveRadnik(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , txtID_Radnik(new QLineEdit(this))
    , lblRadnik(new QLabel(this))
    , cmdTrazi(new QPushButton("Tra`i (CTRL+T)"_q, this))
    , listObustave(
          ui::makeList(this, "listObustave",
                       {"Naziv obustave"_q, "Procenat/Iznos"_q, "TIP"_q, "Teku}i ra~un"_q}))
    , lblNapomena(
          new QLabel("NAPOMENA: Crvenom bojom su prikazane trenutno NEAKTIVNE obustave"_q, this))
    , cmdAktiviraj(new QPushButton("Aktiviraj"_q, this))
    , cmdDeaktiviraj(new QPushButton("Deaktiviraj"_q, this))
    , listKrediti(ui::makeList(this, "listKrediti",
                               {"ID"_q, "Opis"_q, "Procenat"_q, "Upla}eno"_q, "Po~etak"_q, "Kraj"_q,
                                "Iznos rate"_q, "Valuta"_q, "meseci"_q, "IDD"_q, "Prvi deo"_q,
                                "Drugi deo"_q}))
    , cmdNoviKredit(new QPushButton("Novi kredit"_q, this))
    , cmdIzmeniKredit(new QPushButton("Izmeni kredit"_q, this)) {
    setObjectName("frmObustaveRadnik");
    setWindowTitle("Obustave po zaposlenima"_q);
    txtID_Radnik->setObjectName("txtID_Radnik");
    txtID_Radnik->setMaximumWidth(90);
    lblRadnik->setObjectName("lblRadnik");
    cmdTrazi->setObjectName("cmdTrazi");
    lblNapomena->setObjectName("lblNapomena");
    lblNapomena->setStyleSheet("color: red");
    cmdAktiviraj->setObjectName("cmdAktiviraj");
    cmdDeaktiviraj->setObjectName("cmdDeaktiviraj");
    cmdNoviKredit->setObjectName("cmdNoviKredit");
    cmdIzmeniKredit->setObjectName("cmdIzmeniKredit");
    listObustave->setColumnWidth(0, 260);
    listObustave->setColumnWidth(1, 120);
    listObustave->setColumnWidth(2, 40);
    const int loanWidths[] = {40, 180, 70, 90, 65, 65, 90, 50, 50, 45, 80};
    for (int c = 0; c < 11; ++c)
        listKrediti->setColumnWidth(c, loanWidths[c]);

    connect(txtID_Radnik, &QLineEdit::textChanged, this, &frmObustaveRadnik::refresh);
    connect(cmdTrazi, &QPushButton::clicked, this, [this] {
        ui::guarded(this, "cmdTrazi_Click",
                    [&] { chooseEmployeeInto(*txtID_Radnik, *context_.PayrollDb); });
    });
    connect(cmdAktiviraj, &QPushButton::clicked, this, &frmObustaveRadnik::cmdAktiviraj_Click);
    connect(cmdDeaktiviraj, &QPushButton::clicked, this, &frmObustaveRadnik::cmdDeaktiviraj_Click);
    connect(cmdNoviKredit, &QPushButton::clicked, this, &frmObustaveRadnik::cmdNoviKredit_Click);
    connect(cmdIzmeniKredit, &QPushButton::clicked, this,
            &frmObustaveRadnik::cmdIzmeniKredit_Click);
    connect(listKrediti, &QTreeWidget::itemDoubleClicked, this,
            &frmObustaveRadnik::cmdIzmeniKredit_Click);

    auto* employee = new QHBoxLayout;
    employee->addWidget(new QLabel("ID radnika:"_q, this));
    employee->addWidget(txtID_Radnik);
    employee->addWidget(cmdTrazi);
    employee->addWidget(lblRadnik, 1);
    auto* standing = new QHBoxLayout;
    standing->addWidget(lblNapomena, 1);
    standing->addWidget(cmdAktiviraj);
    standing->addWidget(cmdDeaktiviraj);
    auto* loans = new QHBoxLayout;
    loans->addStretch();
    loans->addWidget(cmdNoviKredit);
    loans->addWidget(cmdIzmeniKredit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(employee);
    layout->addWidget(new QLabel("Stalne obustave"_q, this));
    layout->addWidget(listObustave, 1);
    layout->addLayout(standing);
    layout->addWidget(new QLabel("Krediti"_q, this));
    layout->addWidget(listKrediti, 1);
    layout->addLayout(loans);
    SelectAllOnFocus::installAll(this);
    resize(1000, 560);
}

void frmObustaveRadnik::setEmployee(long long employeeId) {
    txtID_Radnik->setText(QString::number(employeeId));
}

void frmObustaveRadnik::refresh() {
    ui::guarded(this, "txtID_Radnik_Change", [&] {
        const long long id = txtID_Radnik->text().trimmed().toLongLong();
        lblRadnik->setText(id > 0 ? toQ(employeeName(*context_.PayrollDb, id)).trimmed()
                                  : QString());
    });
    UcitajObustave();
    UcitajKredite();
}

void frmObustaveRadnik::UcitajObustave() {
    ui::guarded(this, "UcitajObustave", [&] {
        const long long selected = ui::currentNumber(listObustave);
        listObustave->clear();
        if (lblRadnik->text().isEmpty())
            return;
        const long long employee = txtID_Radnik->text().trimmed().toLongLong();
        for (const auto& e : standingDeductionsOf(*context_.PayrollDb, employee)) {
            const auto& d = e.definition;
            auto* item = ui::addRow(
                listObustave,
                {d.obustava, deductionValueText(d), std::to_string(d.Tip), d.tekuci_Racun},
                d.id_obustava_proc);
            if (!e.active)
                ui::colourRow(item, Inactive);
        }
        ui::selectNumber(listObustave, selected);
    });
}

void frmObustaveRadnik::UcitajKredite() {
    ui::guarded(this, "UcitajKredite", [&] {
        const long long selected = ui::currentNumber(listKrediti);
        listKrediti->clear();
        if (lblRadnik->text().isEmpty())
            return;
        db::Database& db = *context_.PayrollDb;
        const ExchangeRates rates = loadExchangeRates(db);
        const long long employee = txtID_Radnik->text().trimmed().toLongLong();
        for (const LoanLine& line : loansOfEmployee(db, employee)) {
            const Loan& l = line.loan;
            ui::addRow(listKrediti,
                       {std::to_string(l.id_obustava), line.creditor,
                        format(repaidPercent(line, rates), NumberFormat::Grouped2) + " %",
                        format(line.paid, NumberFormat::Grouped2),
                        monthText(l.startMonth, l.startYear), monthText(l.endMonth, l.endYear),
                        format(l.Iznos, NumberFormat::Grouped2), currencyCode(l.valuta),
                        std::to_string(l.ukupno_meseci), std::to_string(l.id_or),
                        format(l.prvi_deo, NumberFormat::Grouped2),
                        format(l.drugi_deo, NumberFormat::Grouped2)},
                       l.id_or);
        }
        ui::selectNumber(listKrediti, selected);
    });
}

void frmObustaveRadnik::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_T) {
        cmdTrazi->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

long long frmObustaveRadnik::chosenEmployee() {
    if (lblRadnik->text().isEmpty()) {
        message(this, "Niste izabrali radnika!"_q, Icon::Exclamation);
        return 0;
    }
    return txtID_Radnik->text().trimmed().toLongLong();
}

void frmObustaveRadnik::cmdAktiviraj_Click() {
    const long long employee = chosenEmployee();
    const long long deduction = ui::currentNumber(listObustave);
    if (employee == 0 || deduction == 0)
        return;
    const QString name = listObustave->currentItem()->text(0);
    ui::guarded(this, "cmdAktiviraj_Click", [&] {
        db::Database& db = *context_.PayrollDb;
        if (takesPart(db, deduction, employee)) {
            message(this, "Obustava "_q + name + " za izabranog radnika je ve} aktivna!"_q,
                    Icon::Information);
            return;
        }
        addParticipation(db, deduction, employee);
        message(this, "Obustava "_q + name + " za izabranog radnika je aktivirana!"_q,
                Icon::Information);
    });
    UcitajObustave();
}

void frmObustaveRadnik::cmdDeaktiviraj_Click() {
    const long long employee = chosenEmployee();
    const long long deduction = ui::currentNumber(listObustave);
    if (employee == 0 || deduction == 0)
        return;
    const QString name = listObustave->currentItem()->text(0);
    ui::guarded(this, "cmdDeaktiviraj_Click", [&] {
        db::Database& db = *context_.PayrollDb;
        if (!takesPart(db, deduction, employee)) {
            message(this, "Obustava "_q + name + " za izabranog radnika nije aktivna!"_q,
                    Icon::Information);
            return;
        }
        if (!removeParticipation(db, deduction, employee)) {
            message(this, "Greska kod pronalazenja obustave u bazi!"_q, Icon::Critical);
            return;
        }
        message(this, "Obustava "_q + name + " za izabranog radnika je deaktivirana!"_q,
                Icon::Information);
    });
    UcitajObustave();
}

void frmObustaveRadnik::cmdNoviKredit_Click() {
    const long long employee = chosenEmployee();
    if (employee == 0)
        return;
    frmKrediti loan(context_, this);
    loan.newLoan(employee, 0);
    if (loan.exec() == QDialog::Accepted)
        UcitajKredite();
}

void frmObustaveRadnik::cmdIzmeniKredit_Click() {
    const long long id_or = ui::currentNumber(listKrediti);
    if (chosenEmployee() == 0 || id_or == 0)
        return;
    frmKrediti loan(context_, this);
    if (loan.openLoan(id_or) && loan.exec() == QDialog::Accepted)
        UcitajKredite();
}

} // namespace zarion::employees
