#include "compensation/frmPorodiljsko.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/BenefitWidgets.h"
#include "compensation/MaternityRefundList.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

QDate toQDate(const Date& d) {
    return QDate(d.year, d.month, d.day);
}
Date fromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QDateEdit* dateBox(QWidget* parent, const char* name, const QDate& date) {
    auto* box = new QDateEdit(date, parent);
    box->setObjectName(name);
    box->setDisplayFormat("dd.MM.yyyy");
    box->setCalendarPopup(true);
    return box;
}

} // namespace

frmPorodiljsko::frmPorodiljsko(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context) {
    setObjectName("frmPorodiljsko");
    setWindowTitle("Porodiljsko bolovanje"_q);
    const int workYear = context_.WorkYear != 0 ? context_.WorkYear : context_.clock.today().year;
    dtOd = dateBox(this, "dtOd", QDate(workYear, 1, 1));
    dtDo = dateBox(this, "dtDo", QDate(workYear, 12, 31));
    listB = makeList(this, "listB",
                     {"Prezime i ime"_q, "ID"_q, "Datum otvaranja"_q, "Datum zatvaranja"_q,
                      "ID_BolovanjaPOR"_q});
    listB->setColumnWidth(0, 220);

    auto* fraBolovanje = new QGroupBox("Bolovanje"_q, this);
    auto* caseForm = new QFormLayout(fraBolovanje);
    txtID_Radnik = employeeBox(fraBolovanje, caseForm, lblIme);
    dtOtvaranje = dateBox(fraBolovanje, "dtOtvaranje", QDate(workYear, 1, 1));
    dtZatvaranje = dateBox(fraBolovanje, "dtZatvaranje", toQDate(openLeaveEnd()));
    caseForm->addRow("Datum otvaranja:"_q, dtOtvaranje);
    caseForm->addRow("Datum zatvaranja:"_q, dtZatvaranje);
    txtNeto = formBox(fraBolovanje, caseForm, "NETO za pun mesec:"_q, "txtNeto");
    auto* caseCommands = new QHBoxLayout;
    for (auto [caption, name, slot] :
         {std::tuple{"Novo (F5)", "cmdNovo", &frmPorodiljsko::cmdNovo_Click},
          std::tuple{"Snimi", "cmdSnimi", &frmPorodiljsko::cmdSnimi_Click},
          std::tuple{"Obri{i (F9)", "cmdObrisi", &frmPorodiljsko::cmdObrisi_Click}}) {
        QPushButton* button = commandButton(fraBolovanje, toQ(yuscii(caption)), name);
        connect(button, &QPushButton::clicked, this, slot);
        caseCommands->addWidget(button);
    }
    caseForm->addRow(caseCommands);

    auto* fraObracun = new QGroupBox("Spisak naknada za mesec"_q, this);
    auto* calcForm = new QFormLayout(fraObracun);
    cmbMesec = new QComboBox(fraObracun);
    cmbMesec->setObjectName("cmbMesec");
    fillMonths(cmbMesec);
    cmbGodina = new QComboBox(fraObracun);
    cmbGodina->setObjectName("cmbGodina");
    fillYears(cmbGodina);
    const int calcMonth =
        context_.CalcMonth != 0 ? context_.CalcMonth : context_.clock.today().month;
    cmbMesec->setCurrentText(QString::number(calcMonth));
    cmbGodina->setCurrentText(
        QString::number(context_.CalcYear != 0 ? context_.CalcYear : workYear));
    auto* period = new QHBoxLayout;
    period->addWidget(cmbMesec);
    period->addWidget(cmbGodina);
    calcForm->addRow("Mesec:"_q, period);
    QPushButton* cmdNZ1 = commandButton(fraObracun, "Obrazac NZ1"_q, "cmdNZ1");
    connect(cmdNZ1, &QPushButton::clicked, this, &frmPorodiljsko::cmdNZ1_Click);
    calcForm->addRow(cmdNZ1);

    auto* fraRacun = new QGroupBox("Ra~un za isplatu porodiljskog bolovanja"_q, this);
    auto* accountForm = new QFormLayout(fraRacun);
    txtRacun = formBox(fraRacun, accountForm, "Teku}i ra~un:"_q, "txtRacun");
    txtPoziv = formBox(fraRacun, accountForm, "Poziv na broj:"_q, "txtPoziv");
    QPushButton* cmdSnimiRacun = commandButton(fraRacun, "Snimi ra~un"_q, "cmdSnimiRacun");
    connect(cmdSnimiRacun, &QPushButton::clicked, this, &frmPorodiljsko::cmdSnimiRacun_Click);
    accountForm->addRow(cmdSnimiRacun);

    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel("Od:"_q, this));
    filter->addWidget(dtOd);
    filter->addWidget(new QLabel("Do:"_q, this));
    filter->addWidget(dtDo);
    filter->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(filter);
    left->addWidget(listB, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(fraBolovanje);
    right->addWidget(fraObracun);
    right->addWidget(fraRacun);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    resize(1000, 560);

    connect(dtOd, &QDateEdit::dateChanged, this, &frmPorodiljsko::UcitajBolovanja);
    connect(dtDo, &QDateEdit::dateChanged, this, &frmPorodiljsko::UcitajBolovanja);
    connect(listB, &QTreeWidget::currentItemChanged, this, [this] {
        if (const LeaveCase* entry = chosenCase())
            showCase(*entry);
    });
    connect(txtID_Radnik, &QLineEdit::editingFinished, this, &frmPorodiljsko::showEmployee);
    guarded(this, "Form_Load", [&] {
        const MaternityAccount account = loadMaternityAccount(*context_.PayrollDb);
        txtRacun->setText(toQ(account.racun_za_isplatu_porodiljsko));
        txtPoziv->setText(toQ(account.poziv_zad_porodiljsko));
    });
    UcitajBolovanja();
}

int frmPorodiljsko::month() const {
    return cmbMesec->currentText().toInt();
}
int frmPorodiljsko::year() const {
    return cmbGodina->currentText().toInt();
}

const LeaveCase* frmPorodiljsko::chosenCase() const {
    const long long id = currentNumber(listB);
    for (const LeaveCase& entry : cases_)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

void frmPorodiljsko::UcitajBolovanja() {
    const QSignalBlocker block(listB);
    listB->clear();
    guarded(this, "UcitajBolovanja", [&] {
        cases_ = overlappingCases(*context_.PayrollDb, LeaveKind::Maternity,
                                  fromQDate(dtOd->date()), fromQDate(dtDo->date()));
        for (const LeaveCase& c : cases_)
            addRow(listB,
                   {c.name, std::to_string(c.ID_RADNIK), toDisplayText(c.datum_otvaranja),
                    shownEnd(c), std::to_string(c.id)},
                   c.id);
    });
}

void frmPorodiljsko::showCase(const LeaveCase& entry) {
    editedId_ = entry.id;
    txtID_Radnik->setText(QString::number(entry.ID_RADNIK));
    lblIme->setText(toQ(entry.name));
    dtOtvaranje->setDate(toQDate(entry.datum_otvaranja));
    dtZatvaranje->setDate(toQDate(entry.datum_zatvaranja));
    txtNeto->setText(shownAmount(entry.NETO));
}

void frmPorodiljsko::showEmployee() {
    guarded(this, "txtID_Radnik_LostFocus",
            [&] { showEmployeeName(context_, txtID_Radnik, lblIme); });
}

void frmPorodiljsko::cmdNovo_Click() {
    editedId_ = 0;
    txtID_Radnik->clear();
    lblIme->clear();
    txtNeto->clear();
    dtZatvaranje->setDate(toQDate(openLeaveEnd()));
    txtID_Radnik->setFocus();
}

void frmPorodiljsko::cmdSnimi_Click() {
    guarded(this, "cmdSnimi_Click", [&] {
        const LeaveCase entry{editedId_,
                              typedNumber(txtID_Radnik),
                              {},
                              fromQDate(dtOtvaranje->date()),
                              fromQDate(dtZatvaranje->date()),
                              typedAmount(txtNeto)};
        const auto saved = saveCase(*context_.PayrollDb, LeaveKind::Maternity, entry);
        if (!saved) {
            showRefusal(this, saved.refusal());
            return;
        }
        editedId_ = *saved;
        UcitajBolovanja();
        selectNumber(listB, editedId_);
    });
}

void frmPorodiljsko::cmdObrisi_Click() {
    const LeaveCase* entry = chosenCase();
    if (!entry || !ask(this, toQ(removalQuestion(*entry))))
        return;
    guarded(this, "cmdObrisi_Click", [&] {
        if (const auto refused = removeCase(*context_.PayrollDb, LeaveKind::Maternity, entry->id))
            showRefusal(this, *refused);
        cmdNovo_Click();
        UcitajBolovanja();
    });
}

void frmPorodiljsko::cmdNZ1_Click() {
    guarded(this, "cmdNZ1_Click", [&] {
        preview(this, context_,
                refundListReport(companyOf(context_),
                                 loadRefundList(*context_.PayrollDb, year(), month())));
    });
}

void frmPorodiljsko::cmdSnimiRacun_Click() {
    guarded(this, "cmdSnimiRacun_Click", [&] {
        saveMaternityAccount(*context_.PayrollDb, {fromQ(txtRacun->text().trimmed()),
                                                   fromQ(txtPoziv->text().trimmed())});
        message(this, "Zavrseno je snimanje parametara!"_q, Icon::Information);
    });
}

void frmPorodiljsko::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        closeWindow(this);
        return;
    case Qt::Key_F5:
        cmdNovo_Click();
        return;
    case Qt::Key_F9:
    case Qt::Key_Delete:
        cmdObrisi_Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace zarion::compensation
