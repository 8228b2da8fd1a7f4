#include "employees/frmKrediti_po_kreditorima.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "employees/DeductionDefinitions.h"
#include "employees/LoanRecords.h"
#include "employees/frmKrediti.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

namespace {
std::string monthText(int month, int year) {
    return std::to_string(month) + "/" + std::to_string(year);
}
} // namespace

frmKrediti_po_kreditorima::frmKrediti_po_kreditorima(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbKreditor(new QComboBox(this))
    , cmbMesec(new QComboBox(this))
    , cmbGodina(new QComboBox(this))
    , listKrediti(ui::makeList(this, "listKrediti",
                               {"ID"_q, "Prezime i ime"_q, "Iznos rate"_q, "Po~etak"_q, "Kraj"_q,
                                "Meseci"_q, "Poziv na broj"_q, "IDD"_q}))
    , lblUkupno(new QLabel(this))
    , cmdOtvori(new QPushButton("Otvori kredit"_q, this)) {
    setObjectName("frmKrediti_po_kreditorima");
    setWindowTitle("Obustave po kreditorima"_q);
    cmbKreditor->setObjectName("cmbKreditor");
    cmbMesec->setObjectName("cmbMesec");
    cmbGodina->setObjectName("cmbGodina");
    lblUkupno->setObjectName("lblUkupno");
    cmdOtvori->setObjectName("cmdOtvori");
    const int widths[] = {50, 220, 100, 70, 70, 60, 160};
    for (int c = 0; c < 7; ++c)
        listKrediti->setColumnWidth(c, widths[c]);

    cmbMesec->addItem("0 - Cela godina"_q, 0);
    ui::fillMonths(cmbMesec);
    ui::fillYears(cmbGodina);
    const Date today = context_.clock.today();
    cmbMesec->setCurrentIndex(today.month);
    cmbGodina->setCurrentIndex(
        cmbGodina->findData(context_.WorkYear != 0 ? context_.WorkYear : today.year));
    ui::guarded(this, "Form_Load", [&] {
        for (const auto& creditor : creditors(*context_.PayrollDb))
            cmbKreditor->addItem(toQ(creditor.obustava),
                                 static_cast<qlonglong>(creditor.id_obustava_proc));
    });

    for (QComboBox* box : {cmbKreditor, cmbMesec, cmbGodina})
        connect(box, &QComboBox::currentIndexChanged, this,
                &frmKrediti_po_kreditorima::UcitajKredite);
    connect(cmdOtvori, &QPushButton::clicked, this, &frmKrediti_po_kreditorima::cmdOtvori_Click);
    connect(listKrediti, &QTreeWidget::itemDoubleClicked, this,
            &frmKrediti_po_kreditorima::cmdOtvori_Click);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel("Kreditor:"_q, this));
    choice->addWidget(cmbKreditor, 1);
    choice->addWidget(new QLabel("Mesec:"_q, this));
    choice->addWidget(cmbMesec);
    choice->addWidget(new QLabel("Godina:"_q, this));
    choice->addWidget(cmbGodina);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblUkupno, 1);
    bottom->addWidget(cmdOtvori);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(listKrediti, 1);
    layout->addLayout(bottom);
    resize(860, 480);

    UcitajKredite();
}

void frmKrediti_po_kreditorima::setKreditor(long long creditorId) {
    const int index = cmbKreditor->findData(creditorId);
    if (index >= 0)
        cmbKreditor->setCurrentIndex(index);
}

void frmKrediti_po_kreditorima::UcitajKredite() {
    ui::guarded(this, "UcitajKredite", [&] {
        const long long selected = ui::currentNumber(listKrediti);
        listKrediti->clear();
        const long long creditor = cmbKreditor->currentData().toLongLong();
        const int month = cmbMesec->currentData().toInt();
        std::optional<MonthOfYear> period;
        if (month != 0)
            period = MonthOfYear{cmbGodina->currentData().toInt(), month};
        Currency total;
        for (const LoanLine& line : loansOfCreditor(*context_.PayrollDb, creditor, period)) {
            const Loan& l = line.loan;
            ui::addRow(listKrediti,
                       {std::to_string(l.ID_RADNIK), line.employee,
                        format(l.Iznos, NumberFormat::Grouped2),
                        monthText(l.startMonth, l.startYear), monthText(l.endMonth, l.endYear),
                        std::to_string(l.ukupno_meseci), l.POziv_na_broj, std::to_string(l.id_or)},
                       l.id_or);
            total += l.Iznos;
        }
        ui::selectNumber(listKrediti, selected);
        lblUkupno->setText("Ukupno rate: "_q + toQ(format(total, NumberFormat::Grouped2)) +
                           "   Broj kredita: "_q +
                           QString::number(listKrediti->topLevelItemCount()));
    });
}

void frmKrediti_po_kreditorima::cmdOtvori_Click() {
    const long long id_or = ui::currentNumber(listKrediti);
    if (id_or == 0)
        return;
    frmKrediti loan(context_, this);
    if (loan.openLoan(id_or) && loan.exec() == QDialog::Accepted)
        UcitajKredite();
}

void frmKrediti_po_kreditorima::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::employees
