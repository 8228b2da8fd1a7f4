#include "other_income/OtherIncomeCalculation.h"

#include <cmath>

#include "core/Text.h"
#include "other_income/OtherIncomeKinds.h"

namespace zarion::other_income {

namespace {

// The standardized costs the kind recognises.
double costsOf(int kind, const RowRates& rates) {
    return withoutStandardizedCosts(kind) ? 0 : rates.standardizedCosts;
}

Currency percent(Currency base, double rate) {
    return base.times(rate / 100).round0();
}

Contributions<Currency> contributionsOn(Currency base, const Contributions<double>& rates) {
    return {percent(base, rates.pio), percent(base, rates.zo), percent(base, rates.nez)};
}

// Tax, the employee's contributions and the employer's on their bases, and the total cost.
void charge(RowAmounts& row, Currency taxable, Currency employeeBase, Currency employerBase,
            const RowRates& rates) {
    row.taxBase = taxable;
    row.tax = percent(taxable, rates.tax);
    row.contributionBase = employeeBase;
    row.employee = contributionsOn(employeeBase, rates.employee);
    row.employer = contributionsOn(employerBase, rates.employer);
    row.totalCost = row.gross + row.employer.sum();
}

// What stays of the gross for tax and contributions once the standardized costs are off.
Currency afterCosts(Currency gross, double costs) {
    return gross.times((100 - costs) / 100).round0();
}

// Grosses a net up by 10000 / divisor, in whole dinars.
Currency grossUp(Currency amount, double divisor) {
    return amount.times(10000 / divisor).round0();
}

// Moves the gross until the gross path gives the typed net: whole-dinar rounding of the parts
// can leave the first estimate a dinar off.
RowAmounts matchNet(int kind, Currency gross, Currency net, const RowRates& rates) {
    RowAmounts row = fromGross(kind, gross, rates);
    for (int step = 0; step < 3 && row.net != net; ++step)
        row = fromGross(kind, row.gross + (net - row.net), rates);
    return row;
}

// Professional practice and public works: the person is insured on the minimum base, so his
// contributions are fixed and the gross carries the net, those contributions and the tax.
Outcome<RowAmounts> onMinimumBase(int kind, Currency net, const RowRates& rates) {
    const double costs = costsOf(kind, rates);
    const double divisor = 10000 - rates.tax * (100 - costs);
    if (std::abs(divisor) < 1e-9)
        return warning(badParametersMessage());
    const Contributions<Currency> fixed = contributionsOn(rates.minimumBase, rates.employee);
    RowAmounts row;
    row.nonTaxable = rates.nonTaxable;
    row.net = net;
    row.gross = grossUp(net + fixed.sum(), divisor);
    for (int step = 0; step < 3; ++step) {
        const Currency taxable = afterCosts(row.gross, costs);
        const Currency missing = net - (row.gross - percent(taxable, rates.tax) - fixed.sum());
        if (missing.isZero())
            break;
        row.gross += missing;
    }
    const Currency taxable = afterCosts(row.gross, costs);
    row.standardizedCosts = row.gross - taxable;
    charge(row, taxable, rates.minimumBase, rates.minimumBase, rates);
    return row;
}

} // namespace

std::string badParametersMessage() {
    return "GRESKA! Parametri nisu dobri!"_yu;
}

RowAmounts fromGross(int kind, Currency gross, const RowRates& rates) {
    const double costs = costsOf(kind, rates);
    RowAmounts row;
    row.gross = gross;
    row.nonTaxable = rates.nonTaxable;
    if (costs == 0) {
        if (gross < rates.nonTaxable) {
            row.net = gross;
            row.totalCost = gross;
            return row;
        }
        charge(row, gross - rates.nonTaxable, gross, gross, rates);
        row.net = (gross - row.tax - row.employee.sum()).round0();
        return row;
    }
    const Currency taxable = afterCosts(gross, costs);
    row.standardizedCosts = gross - taxable;
    charge(row, taxable, taxable, taxable, rates);
    const double burden = (100 - costs) * (rates.employee.sum() + rates.tax);
    row.net = gross.dividedBy(10000 / (10000 - burden)).round0();
    return row;
}

Outcome<RowAmounts> fromNet(int kind, Currency net, const RowRates& rates) {
    const double costs = costsOf(kind, rates);
    const double divisor = 10000 - (rates.tax + rates.employee.sum()) * (100 - costs);
    if (std::abs(divisor) < 1e-9)
        return warning(badParametersMessage());
    if (rates.minimumBase.isZero()) {
        if (costs == 0 && net < rates.nonTaxable)
            return fromGross(kind, net, rates);
        const Currency relief = costs == 0 ? rates.nonTaxable.times(rates.tax / 100) : Currency();
        return matchNet(kind, grossUp(net - relief, divisor), net, rates);
    }
    if (insuredOnMinimumBase(kind))
        return onMinimumBase(kind, net, rates);
    RowAmounts row;
    row.nonTaxable = rates.nonTaxable;
    row.net = net;
    row.gross = grossUp(net, divisor);
    const Currency taxable = afterCosts(row.gross, costs);
    row.standardizedCosts = row.gross - taxable;
    charge(row, taxable, taxable, rates.minimumBase, rates);
    return row;
}

RowAmounts severanceFromNet(Currency net, const RowRates& rates) {
    RowAmounts row;
    row.net = net;
    row.gross = net;
    row.totalCost = net;
    row.nonTaxable = rates.nonTaxable;
    if (net <= rates.nonTaxable || rates.tax >= 100)
        return row;
    const Currency taxable = (net - rates.nonTaxable).times(100 / (100 - rates.tax)).round2();
    row.standardizedCosts = taxable.times(rates.standardizedCosts / 100).round2();
    row.taxBase = taxable - row.standardizedCosts;
    row.tax = row.taxBase.times(rates.tax / 100).round2();
    row.gross = net + row.tax;
    row.totalCost = row.gross;
    return row;
}

} // namespace zarion::other_income
