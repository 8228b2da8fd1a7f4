#include "other_income/OwnerSalary.h"

#include "payroll/Exact.h"

namespace zarion::other_income {
namespace {

using payroll::Exact;

Exact percent(double rate) {
    return Exact::decimal(rate) / Exact::whole(100);
}

Exact contributionRates(const OwnerParameters& rates) {
    return Exact::decimal(rates.Doprinosi_PIO) + Exact::decimal(rates.Doprinosi_zo) +
           Exact::decimal(rates.doprinosi_nezaposlenost);
}

} // namespace

std::optional<OwnerParameters> loadOwnerParameters(db::Database& payrollDb) {
    db::Statement st = payrollDb.prepare(
        "SELECT iznos_poreskog_oslobojenja, porez_zarade, Doprinosi_PIO, Doprinosi_zo, "
        "doprinosi_nezaposlenost FROM parametri_vlasnik LIMIT 1");
    if (!st.step())
        return std::nullopt;
    return OwnerParameters{st.money(0), st.number(1), st.number(2), st.number(3), st.number(4)};
}

std::optional<double> hoursCoefficient(double hours, double totalHours) {
    if (hours <= 0 || totalHours <= 0)
        return std::nullopt;
    if (hours == totalHours)
        return 1.0;
    return (Exact::decimal(hours) / Exact::decimal(totalHours)).money().toDouble();
}

Currency nonTaxableAt(Currency monthAmount, double coefficient) {
    return (Exact(monthAmount) * Exact::decimal(coefficient)).round0();
}

payroll::OwnerFigures ownerFromGross(Currency gross, Currency nonTaxable,
                                     const OwnerParameters& rates) {
    payroll::OwnerFigures f;
    f.BRUTO = gross;
    f.Oslobodjenje = nonTaxable;
    if (gross > nonTaxable)
        f.porez_na_zaradu = (Exact(gross - nonTaxable) * percent(rates.porez_zarade)).round0();
    f.Doprinosi_PIO = (Exact(gross) * percent(rates.Doprinosi_PIO)).round0();
    f.Doprinosi_zo = (Exact(gross) * percent(rates.Doprinosi_zo)).round0();
    f.doprinosi_nezaposlenost = (Exact(gross) * percent(rates.doprinosi_nezaposlenost)).round0();
    f.NETO =
        gross - f.porez_na_zaradu - f.Doprinosi_PIO - f.Doprinosi_zo - f.doprinosi_nezaposlenost;
    return f;
}

Outcome<payroll::OwnerFigures> ownerFromNet(Currency net, Currency nonTaxable,
                                            const OwnerParameters& rates) {
    const Exact hundred = Exact::whole(100);
    const Exact taxRate = Exact::decimal(rates.porez_zarade);
    const Exact untaxed = hundred - contributionRates(rates);
    const Exact taxed = untaxed - taxRate;
    if (taxed.isZero() || untaxed.isZero())
        return error("GRESKA! Parametri nisu dobri!");
    // A net up to P × (100 − contributions) / 100 comes from a gross that bears no tax.
    const bool bearsTax = Exact(net) * hundred > Exact(nonTaxable) * untaxed;
    const Currency gross =
        bearsTax ? ((Exact(net) * hundred - Exact(nonTaxable) * taxRate) / taxed).round0()
                 : (Exact(net) * hundred / untaxed).round0();
    return ownerFromGross(gross, nonTaxable, rates);
}

} // namespace zarion::other_income
