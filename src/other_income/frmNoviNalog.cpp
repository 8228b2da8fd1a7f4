#include "other_income/frmNoviNalog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/AppContext.h"
#include "other_income/OtherIncomeBoxes.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;

namespace {

QLineEdit* box(QWidget* parent, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

frmNoviNalog::frmNoviNalog(AppContext& context, const OtherIncomeOrder& order, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , order_(order)
    , lblid_NOZ(new QLabel(order.id_noz ? QString::number(order.id_noz) : QString(), this))
    , lblTIP(new QLabel(QString::number(order.tip_noz), this))
    , txtNAZIV(box(this, "txtNAZIV", toQ(order.Naziv)))
    , dtDatum(new QDateEdit(QDate(order.Datum.year, order.Datum.month, order.Datum.day), this))
    , txtNeoporezivi(box(this, "txtNeoporezivi", amountText(order.rates.nonTaxable)))
    , txtNormirani(box(this, "txtNormirani", rateText(order.rates.standardizedCosts)))
    , txtPorez(box(this, "txtPorez", rateText(order.rates.tax)))
    , txtMinimalna(box(this, "txtMinimalna", amountText(order.rates.minimumBase)))
    , txtRacun_Poreza(box(this, "txtRacun_Poreza", toQ(order.racun_poreza)))
    , txtPoziv_Poreza(box(this, "txtPoziv_Poreza", toQ(order.poziv_poreza)))
    , txtPIO(box(this, "txtPIO", rateText(order.rates.employee.pio)))
    , txtZO(box(this, "txtZO", rateText(order.rates.employee.zo)))
    , txtNEZ(box(this, "txtNEZ", rateText(order.rates.employee.nez)))
    , txtPIOF(box(this, "txtPIOF", rateText(order.rates.employer.pio)))
    , txtZOF(box(this, "txtZOF", rateText(order.rates.employer.zo)))
    , txtNEZF(box(this, "txtNEZF", rateText(order.rates.employer.nez))) {
    setObjectName("frmNoviNalog");
    setWindowTitle("Nalog"_q);
    lblid_NOZ->setObjectName("lblid_NOZ");
    lblTIP->setObjectName("lblTIP");
    dtDatum->setObjectName("dtDatum");
    dtDatum->setDisplayFormat("dd.MM.yyyy");
    dtDatum->setCalendarPopup(true);
    auto* cmdSnimi = new QPushButton("Snimi"_q, this);
    cmdSnimi->setObjectName("cmdSnimi");
    auto* cmdIzlaz = new QPushButton("Izlaz"_q, this);
    cmdIzlaz->setObjectName("cmdIzlaz");
    connect(cmdSnimi, &QPushButton::clicked, this, &frmNoviNalog::cmdSnimi_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow("Broj naloga:"_q, lblid_NOZ);
    form->addRow("Vrsta:"_q, lblTIP);
    form->addRow("Opis:"_q, txtNAZIV);
    form->addRow("Datum isplate:"_q, dtDatum);
    form->addRow("Neoporezivi deo:"_q, txtNeoporezivi);
    form->addRow("Normirani tro{kovi (%):"_q, txtNormirani);
    form->addRow("Porez (%):"_q, txtPorez);
    form->addRow("Minimalna osnovica:"_q, txtMinimalna);
    form->addRow("Ra~un poreza:"_q, txtRacun_Poreza);
    form->addRow("Poziv na broj poreza:"_q, txtPoziv_Poreza);
    form->addRow("PIO na teret radnika (%):"_q, txtPIO);
    form->addRow("ZO na teret radnika (%):"_q, txtZO);
    form->addRow("NEZ na teret radnika (%):"_q, txtNEZ);
    form->addRow("PIO na teret firme (%):"_q, txtPIOF);
    form->addRow("ZO na teret firme (%):"_q, txtZOF);
    form->addRow("NEZ na teret firme (%):"_q, txtNEZF);
    form->addRow(cmdSnimi, cmdIzlaz);
    SelectAllOnFocus::installAll(this);
}

OtherIncomeOrder frmNoviNalog::shownOrder() const {
    OtherIncomeOrder order = order_;
    order.Naziv = fromQ(txtNAZIV->text());
    const QDate date = dtDatum->date();
    order.Datum = {date.year(), date.month(), date.day()};
    RowRates& r = order.rates;
    r.nonTaxable = amountOf(txtNeoporezivi);
    r.standardizedCosts = rateOf(txtNormirani);
    r.tax = rateOf(txtPorez);
    r.minimumBase = amountOf(txtMinimalna);
    r.employee = {rateOf(txtPIO), rateOf(txtZO), rateOf(txtNEZ)};
    r.employer = {rateOf(txtPIOF), rateOf(txtZOF), rateOf(txtNEZF)};
    order.racun_poreza = fromQ(txtRacun_Poreza->text());
    order.poziv_poreza = fromQ(txtPoziv_Poreza->text());
    return order;
}

void frmNoviNalog::cmdSnimi_Click() {
    const OtherIncomeOrder shown = shownOrder();
    const bool newFiled = trail::needsPermit(*context_.PayrollDb, CalculationKind::OtherIncome,
                                             shown.Datum.year, shown.Datum.month);
    const auto permit = permitOrderChange(
        this, context_, newFiled || order_.id_noz == 0 ? shown.Datum : order_.Datum);
    if (!permit)
        return;
    guarded(this, "cmdSnimi_Click", [&] {
        const auto saved = saveOrder(*context_.PayrollDb, shown);
        if (!saved) {
            showRefusal(this, saved.refusal());
            return;
        }
        saved_ = saved.value();
        accept();
    });
}

} // namespace zarion::other_income
