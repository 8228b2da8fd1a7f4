#include "compensation/frmSpisakZaradaInvalidi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/BenefitWidgets.h"
#include "compensation/ListMonth.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

frmSpisakZaradaInvalidi::frmSpisakZaradaInvalidi(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbMesec(new QComboBox(this))
    , cmbGodina(new QComboBox(this))
    , listS(makeList(this, "listS",
                     {"Prezime i ime"_q, "ID"_q, "Ispla}eno"_q, "BRUTO"_q, "Porez"_q, "Zdravstvo"_q,
                      "Za refundaciju"_q})) {
    setObjectName("frmSpisakZaradaInvalidi");
    setWindowTitle("Spiskovi za obracun - Invalidi"_q);
    cmbMesec->setObjectName("cmbMesec");
    cmbGodina->setObjectName("cmbGodina");
    fillMonths(cmbMesec);
    fillYears(cmbGodina);
    ListMonth opening = workingMonth(context_);
    guarded(this, "Form_Load", [&] { opening = disabledListMonth(context_); });
    cmbMesec->setCurrentText(QString::number(opening.month));
    cmbGodina->setCurrentText(QString::number(opening.year));
    listS->setColumnWidth(0, 220);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Mesec:"_q, this));
    top->addWidget(cmbMesec);
    top->addWidget(new QLabel("Godina:"_q, this));
    top->addWidget(cmbGodina);
    top->addStretch();
    // Three commands to a row, so that every caption is read whole.
    auto* commands = new QGridLayout;
    const auto addCommand = [commands](QPushButton* button) {
        const int index = commands->count();
        commands->addWidget(button, index / 3, index % 3);
    };
    const std::tuple<const char*, const char*, Printout> prints[] = {
        {"Zahtev za refundaciju", "cmdRefundacija", disabledRefundList},
        {"Spisak ispla}enih naknada", "cmdSpisak", disabledPaidList},
        {"Rekapitulacija po ra~unima isplate", "cmdRekapitulacija", disabledAccountRecap}};
    for (const auto& [caption, name, printout] : prints) {
        QPushButton* button = commandButton(this, toQ(yuscii(caption)), name);
        connect(button, &QPushButton::clicked, this, [this, p = printout] { print(p); });
        addCommand(button);
    }
    QPushButton* cmdSpecifikacija =
        commandButton(this, "Specifikacija uz poresku prijavu"_q, "cmdSpecifikacija");
    connect(cmdSpecifikacija, &QPushButton::clicked, this, [this] {
        print([this](const DisabledPrint& p, const DisabledMonth& m) {
            return disabledTaxSpecification(*context_.PayrollDb, p, m);
        });
    });
    addCommand(cmdSpecifikacija);
    QPushButton* cmdRekapRacuna =
        commandButton(this, "Rekapitulacija uplatnih ra~una"_q, "cmdRekapRacuna");
    connect(cmdRekapRacuna, &QPushButton::clicked, this,
            &frmSpisakZaradaInvalidi::cmdRekapRacuna_Click);
    addCommand(cmdRekapRacuna);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listS, 1);
    layout->addLayout(commands);
    resize(900, 480);

    connect(cmbMesec, &QComboBox::currentIndexChanged, this,
            &frmSpisakZaradaInvalidi::UcitajObracune);
    connect(cmbGodina, &QComboBox::currentIndexChanged, this,
            &frmSpisakZaradaInvalidi::UcitajObracune);
    UcitajObracune();
}

void frmSpisakZaradaInvalidi::UcitajObracune() {
    listS->clear();
    guarded(this, "UcitajObracune", [&] {
        month_ = loadDisabledMonth(*context_.PayrollDb, cmbGodina->currentText().toInt(),
                                   cmbMesec->currentText().toInt());
        for (const DisabledPaid& p : month_.rows) {
            std::vector<std::string> texts{p.name, std::to_string(p.row.ID_RADNIK)};
            for (Currency amount : {p.row.paid(), p.row.BRUTO, p.row.porez_na_zaradu,
                                    p.row.Doprinosi_zo_F, p.row.za_refundaciju})
                texts.push_back(format(amount, NumberFormat::Grouped2));
            QTreeWidgetItem* item = addRow(listS, texts, p.row.ID_RADNIK);
            for (int c = 2; c < 7; ++c)
                item->setTextAlignment(c, Qt::AlignRight);
        }
    });
}

void frmSpisakZaradaInvalidi::print(const Printout& printout) {
    if (month_.rows.empty()) {
        message(this, "Nema obracuna za izabrani mesec"_q, Icon::Exclamation);
        return;
    }
    guarded(this, "cmdStampa_Click", [&] {
        preview(this, context_, printout({companyOf(context_), context_.logoPath()}, month_));
    });
}

void frmSpisakZaradaInvalidi::cmdRekapRacuna_Click() {
    guarded(this, "cmdRekapRacuna_Click", [&] {
        outputs::openAccountsRecapitulation(
            this, context_,
            outputs::compensationAccountsSource(
                *context_.PayrollDb, outputs::CompensationKind::Disabled, month_.paidOut()));
    });
}

void frmSpisakZaradaInvalidi::keyPressEvent(QKeyEvent* event) {
    if (!closedOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
