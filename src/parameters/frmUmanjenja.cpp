#include "parameters/frmUmanjenja.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "core/startup/CompanyData.h"
#include "parameters/CalculationMonth.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::parameters {

using namespace ui;

frmUmanjenja::frmUmanjenja(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbGod(new QComboBox(this))
    , cmbMEsec(new QComboBox(this))
    , cmbIsplata(new QComboBox(this))
    , txtDuznik(new QLineEdit(this))
    , txtpoverioc(new QLineEdit("Republika Srbija"_q, this))
    , listU(
          ui::makeList(this, "listU",
                       {"Prezime i ime"_q, "ID_RADNIK"_q, "JMBG"_q, "Kontrolni"_q, "Umanjenje"_q}))
    , txtUK(new QLineEdit(this))
    , cmdPrikazi(new QPushButton("Prika`i"_q, this))
    , cmdNaloziRadnici(new QPushButton("Nalozi po radnicima"_q, this))
    , cmdNalogUkupno(new QPushButton("Nalog za ukupan iznos"_q, this)) {
    setObjectName("frmUmanjenja");
    setWindowTitle("Pregled umanjenja NETO preko 60000"_q);
    cmbGod->setObjectName("cmbGod");
    cmbMEsec->setObjectName("cmbMEsec");
    cmbIsplata->setObjectName("cmbIsplata");
    txtDuznik->setObjectName("txtDuznik");
    txtpoverioc->setObjectName("txtpoverioc");
    txtUK->setObjectName("txtUK");
    txtUK->setReadOnly(true);
    txtUK->setAlignment(Qt::AlignRight);
    cmdPrikazi->setObjectName("cmdPrikazi");
    cmdNaloziRadnici->setObjectName("cmdNaloziRadnici");
    cmdNalogUkupno->setObjectName("cmdNalogUkupno");
    const int widths[] = {200, 70, 115, 80, 110};
    for (int c = 0; c < 5; ++c)
        listU->setColumnWidth(c, widths[c]);
    listU->headerItem()->setTextAlignment(4, Qt::AlignRight);

    ui::fillYears(cmbGod);
    ui::fillMonths(cmbMEsec);
    const Date today = context_.clock.today();
    cmbGod->setCurrentIndex(
        cmbGod->findData(context_.WorkYear != 0 ? context_.WorkYear : today.year));
    cmbMEsec->setCurrentIndex(cmbMEsec->findData(today.month));
    for (const ReductionSourceEntry& entry : reductionSources(paidInTwoParts(*context_.PayrollDb)))
        cmbIsplata->addItem(toQ(entry.caption), static_cast<int>(entry.source));

    connect(cmbIsplata, &QComboBox::currentIndexChanged, this, &frmUmanjenja::cmbIsplata_Click);
    connect(cmdPrikazi, &QPushButton::clicked, this, &frmUmanjenja::cmdPrikazi_Click);
    connect(cmdNaloziRadnici, &QPushButton::clicked, this, &frmUmanjenja::cmdNaloziRadnici_Click);
    connect(cmdNalogUkupno, &QPushButton::clicked, this, &frmUmanjenja::cmdNalogUkupno_Click);
    connect(listU, &QTreeWidget::itemActivated, this, &frmUmanjenja::listU_Choose);

    auto* choice = new QGridLayout;
    choice->addWidget(new QLabel("Godina:"_q, this), 0, 0);
    choice->addWidget(cmbGod, 0, 1);
    choice->addWidget(new QLabel("Mesec:"_q, this), 0, 2);
    choice->addWidget(cmbMEsec, 0, 3);
    choice->addWidget(new QLabel("Isplata:"_q, this), 0, 4);
    choice->addWidget(cmbIsplata, 0, 5);
    choice->addWidget(cmdPrikazi, 0, 6);
    choice->addWidget(new QLabel("Ra~un du`nika:"_q, this), 1, 0);
    choice->addWidget(txtDuznik, 1, 1, 1, 3);
    choice->addWidget(new QLabel("Primalac:"_q, this), 1, 4);
    choice->addWidget(txtpoverioc, 1, 5, 1, 2);
    auto* commands = new QHBoxLayout;
    commands->addWidget(new QLabel("UKUPNO:"_q, this));
    commands->addWidget(txtUK);
    commands->addStretch(1);
    commands->addWidget(cmdNaloziRadnici);
    commands->addWidget(cmdNalogUkupno);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(listU, 1);
    layout->addLayout(commands);
    resize(760, 480);
    cmbIsplata_Click();
}

ReductionSource frmUmanjenja::chosenSource() const {
    return static_cast<ReductionSource>(cmbIsplata->currentData().toInt());
}

void frmUmanjenja::cmbIsplata_Click() {
    ui::guarded(this, "cmbIsplata_Click", [&] {
        txtDuznik->setText(toQ(reductionPayerAccount(*context_.PayrollDb, chosenSource())));
    });
}

void frmUmanjenja::cmdPrikazi_Click() {
    ui::guarded(this, "cmdPrikazi_Click", [&] {
        listU->clear();
        list_ = {};
        txtUK->setText(toQ(format(Currency(), NumberFormat::Grouped2)));
        auto listed =
            listReductions(*context_.PayrollDb, chosenSource(), cmbMEsec->currentData().toInt(),
                           cmbGod->currentData().toInt());
        if (!listed) {
            showRefusal(this, listed.refusal());
            return;
        }
        list_ = std::move(listed).value();
        for (const ReductionRow& row : list_.rows) {
            QTreeWidgetItem* item =
                ui::addRow(listU,
                           {row.name, std::to_string(row.employeeId), row.jmbg, row.controlNumber,
                            format(row.amount, NumberFormat::Grouped2)},
                           row.employeeId);
            item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        }
        txtUK->setText(toQ(format(list_.total, NumberFormat::Grouped2)));
    });
}

void frmUmanjenja::listU_Choose(QTreeWidgetItem* item) {
    const int index = listU->indexOfTopLevelItem(item);
    if (index < 0 || index >= static_cast<int>(list_.rows.size()))
        return;
    ReductionRow& row = list_.rows[static_cast<std::size_t>(index)];
    const auto typed = askText(this, "Unesite kontrolni broj za: "_q + toQ(row.name));
    if (!typed)
        return;
    ui::guarded(this, "listU_Click", [&] {
        if (const auto refused =
                storeControlNumber(*context_.PayrollDb, row.employeeId, fromQ(*typed))) {
            showRefusal(this, *refused);
            return;
        }
        row.controlNumber = trim(fromQ(*typed));
        item->setText(3, toQ(row.controlNumber));
    });
}

ReductionPayment frmUmanjenja::payment() const {
    ReductionPayment p;
    p.payerAccount = fromQ(txtDuznik->text().trimmed());
    if (context_.CompanyMasterDb)
        if (const auto company = startup::readCompanyData(*context_.CompanyMasterDb))
            p.payerName = company->Naziv;
    p.recipient = fromQ(txtpoverioc->text().trimmed());
    p.month = cmbMEsec->currentData().toInt();
    p.year = cmbGod->currentData().toInt();
    p.date = context_.clock.today();
    return p;
}

void frmUmanjenja::printOrders(const std::vector<employees::PaymentOrder>& orders) {
    report::showPreview(this, employees::PaymentOrdersDocument(orders, "NALOG ZA PRENOS"_yu),
                        context_.PrinterName);
}

void frmUmanjenja::cmdNaloziRadnici_Click() {
    if (list_.rows.empty())
        return;
    ui::guarded(this, "cmdNaloziRadnici_Click", [&] {
        printOrders(reductionOrdersPerEmployee(*context_.PayrollDb, payment(), list_));
    });
}

void frmUmanjenja::cmdNalogUkupno_Click() {
    if (list_.rows.empty())
        return;
    ui::guarded(this, "cmdNalogUkupno_Click", [&] {
        printOrders({reductionOrderForTotal(*context_.PayrollDb, payment(), list_)});
    });
}

} // namespace zarion::parameters
