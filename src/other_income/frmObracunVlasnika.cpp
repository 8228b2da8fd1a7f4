#include "other_income/frmObracunVlasnika.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"
#include "other_income/LoanContract.h"
#include "other_income/OtherIncomeBoxes.h"
#include "payroll/IndividualForm.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;

namespace {

QString numberText(double value) {
    return toQ(shortestDecimal(value));
}

QLineEdit* makeBox(QWidget* parent, const char* name, bool readOnly) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setReadOnly(readOnly);
    return box;
}

void addRow(QGridLayout* grid, const char* caption, QWidget* widget) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(toQ(yuscii(caption)), widget->parentWidget()), row, 0);
    grid->addWidget(widget, row, 1);
}

} // namespace

frmObracunVlasnika::frmObracunVlasnika(AppContext& context, int hourFund, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , totalHours_(hourFund) {
    setObjectName("frmObracunVlasnika");
    setWindowTitle("Obra~un zarade vlasnika"_q);

    auto* fraStope = new QGroupBox("Parametri vlasnika"_q, this);
    auto* rates = new QGridLayout(fraStope);
    txtNeoporezivi = makeBox(fraStope, "txtNeoporezivi", true);
    txtPorez = makeBox(fraStope, "txtPorez", true);
    txtPIO = makeBox(fraStope, "txtPIO", true);
    txtZO = makeBox(fraStope, "txtZO", true);
    txtNEZ = makeBox(fraStope, "txtNEZ", true);
    addRow(rates, "Neoporezivi iznos:", txtNeoporezivi);
    addRow(rates, "Porez (%):", txtPorez);
    addRow(rates, "PIO (%):", txtPIO);
    addRow(rates, "ZO (%):", txtZO);
    addRow(rates, "NEZ (%):", txtNEZ);

    auto* fraSati = new QGroupBox("Sati"_q, this);
    auto* hours = new QGridLayout(fraSati);
    txtSati = makeBox(fraSati, "txtSati", false);
    txtUkupnoSati = new payroll::DoubleClickBox(fraSati, "txtUkupnoSati");
    txtUkupnoSati->setToolTip("Dvoklik: unos ukupnog broja sati"_q);
    lblK = new QLabel(fraSati);
    lblK->setObjectName("lblK");
    addRow(hours, "Broj sati:", txtSati);
    addRow(hours, "Ukupno sati u mesecu:", txtUkupnoSati);
    addRow(hours, "Koeficijent:", lblK);

    auto* fraObracun = new QGroupBox("Obra~un"_q, this);
    auto* figures = new QGridLayout(fraObracun);
    txtBruto = makeBox(fraObracun, "txtBruto", false);
    txtNeto = makeBox(fraObracun, "txtNeto", false);
    txtPorezIznos = makeBox(fraObracun, "txtPorezIznos", true);
    txtPIOIznos = makeBox(fraObracun, "txtPIOIznos", true);
    txtZOIznos = makeBox(fraObracun, "txtZOIznos", true);
    txtNEZIznos = makeBox(fraObracun, "txtNEZIznos", true);
    cmdIzBruta = new QPushButton("Obra~un iz BRUTO"_q, fraObracun);
    cmdIzBruta->setObjectName("cmdIzBruta");
    cmdIzNeta = new QPushButton("Obra~un iz NETO"_q, fraObracun);
    cmdIzNeta->setObjectName("cmdIzNeta");
    addRow(figures, "BRUTO:", txtBruto);
    figures->addWidget(cmdIzBruta, figures->rowCount() - 1, 2);
    addRow(figures, "NETO:", txtNeto);
    figures->addWidget(cmdIzNeta, figures->rowCount() - 1, 2);
    addRow(figures, "Porez:", txtPorezIznos);
    addRow(figures, "PIO:", txtPIOIznos);
    addRow(figures, "ZO:", txtZOIznos);
    addRow(figures, "NEZ:", txtNEZIznos);

    cmdUgovor = new QPushButton("Ugovor o zajmu"_q, this);
    cmdUgovor->setObjectName("cmdUgovor");
    cmdIzlaz = new QPushButton("Zatvori"_q, this);
    cmdIzlaz->setObjectName("cmdIzlaz");
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdUgovor);
    commands->addStretch(1);
    commands->addWidget(cmdIzlaz);

    auto* top = new QHBoxLayout;
    top->addWidget(fraStope);
    top->addWidget(fraSati);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fraObracun);
    layout->addLayout(commands);

    connect(cmdIzBruta, &QPushButton::clicked, this, &frmObracunVlasnika::cmdIzBruta_Click);
    connect(cmdIzNeta, &QPushButton::clicked, this, &frmObracunVlasnika::cmdIzNeta_Click);
    connect(txtBruto, &QLineEdit::returnPressed, this, &frmObracunVlasnika::cmdIzBruta_Click);
    connect(txtNeto, &QLineEdit::returnPressed, this, &frmObracunVlasnika::cmdIzNeta_Click);
    connect(txtSati, &QLineEdit::editingFinished, this, &frmObracunVlasnika::txtSati_LostFocus);
    connect(cmdUgovor, &QPushButton::clicked, this, &frmObracunVlasnika::cmdUgovor_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &QDialog::accept);
    txtUkupnoSati->onDoubleClick = [this] {
        askTotalHours();
    };
    SelectAllOnFocus::installAll(this);

    txtSati->setText(numberText(totalHours_));
    txtUkupnoSati->setText(numberText(totalHours_));
    lblK->setText(numberText(coefficient_));
    guarded(this, "Form_Load", [&] { rates_ = loadOwnerParameters(*context_.PayrollDb); });
    if (!rates_)
        message(this, "Niste uneli parametre za vlasnika!"_q, Icon::Exclamation);
    for (QPushButton* command : {cmdIzBruta, cmdIzNeta})
        command->setEnabled(ready());
    showRates();
}

void frmObracunVlasnika::showRates() {
    if (!rates_)
        return;
    txtNeoporezivi->setText(
        amountText(nonTaxableAt(rates_->iznos_poreskog_oslobojenja, coefficient_)));
    txtPorez->setText(numberText(rates_->porez_zarade));
    txtPIO->setText(numberText(rates_->Doprinosi_PIO));
    txtZO->setText(numberText(rates_->Doprinosi_zo));
    txtNEZ->setText(numberText(rates_->doprinosi_nezaposlenost));
}

void frmObracunVlasnika::showFigures(const payroll::OwnerFigures& figures) {
    figures_ = figures;
    txtBruto->setText(amountText(figures.BRUTO));
    txtNeto->setText(amountText(figures.NETO));
    txtPorezIznos->setText(amountText(figures.porez_na_zaradu));
    txtPIOIznos->setText(amountText(figures.Doprinosi_PIO));
    txtZOIznos->setText(amountText(figures.Doprinosi_zo));
    txtNEZIznos->setText(amountText(figures.doprinosi_nezaposlenost));
}

void frmObracunVlasnika::cmdIzBruta_Click() {
    if (!rates_)
        return;
    showFigures(ownerFromGross(amountOf(txtBruto),
                               nonTaxableAt(rates_->iznos_poreskog_oslobojenja, coefficient_),
                               *rates_));
}

void frmObracunVlasnika::cmdIzNeta_Click() {
    if (!rates_)
        return;
    const auto calculated = ownerFromNet(
        amountOf(txtNeto), nonTaxableAt(rates_->iznos_poreskog_oslobojenja, coefficient_), *rates_);
    if (!calculated) {
        showRefusal(this, calculated.refusal());
        return;
    }
    showFigures(*calculated);
}

void frmObracunVlasnika::txtSati_LostFocus() {
    if (const auto k = hoursCoefficient(numericValue(fromQ(txtSati->text())), totalHours_))
        coefficient_ = *k;
    lblK->setText(numberText(coefficient_));
    showRates();
}

void frmObracunVlasnika::askTotalHours() {
    const auto typed =
        askNumber(this, "Unesite ukupan broj sati"_q, QChar(), numberText(totalHours_));
    if (!typed)
        return;
    totalHours_ = typed->toDouble();
    txtUkupnoSati->setText(numberText(totalHours_));
    txtSati_LostFocus();
}

void frmObracunVlasnika::cmdUgovor_Click() {
    guarded(this, "cmdUgovor_Click", [&] {
        const auto contract = loanContract(*context_.PayrollDb, context_.CompanyMasterDb.get(),
                                           context_.clock.today());
        if (!contract) {
            showRefusal(this, contract.refusal());
            return;
        }
        report::showPreview(this, *contract, context_.PrinterName);
    });
}

std::optional<payroll::OwnerFigures> calculateOwnerSalary(AppContext& context, QWidget* parent,
                                                          int hourFund) {
    frmObracunVlasnika window(context, hourFund, parent);
    if (!window.ready())
        return std::nullopt;
    window.exec();
    return window.figures();
}

} // namespace zarion::other_income
