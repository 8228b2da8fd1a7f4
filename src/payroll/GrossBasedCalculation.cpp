#include "payroll/GrossBasedCalculation.h"

#include "payroll/Exact.h"

namespace zarion::payroll {
namespace {

const Exact hundred = Exact::whole(100);

Exact dec(double value) {
    return Exact::decimal(value);
}

Currency share(Currency base, double rate) {
    return (Exact(base) * dec(rate) / hundred).round2();
}

// 1 − PZ/100 − PIO/100 − NEZ/100 − ZO/100: the part of gross left as net above the relief.
Exact netShare(const ContributionRates& r) {
    return Exact::whole(1) - (dec(r.porez_zarade) + dec(r.Doprinosi_PIO) +
                              dec(r.doprinosi_nezaposlenost) + dec(r.Doprinosi_zo)) /
                                 hundred;
}

// (net − PZ/100 × PO) / netShare, unrounded; the caller rounds as its rule says.
Outcome<Exact> grossUp(Currency net, Currency nonTaxable, const ContributionRates& rates) {
    const Exact share = netShare(rates);
    if (share.isZero())
        return Failure{messages::ratesSumToHundred()};
    return (Exact(net) - dec(rates.porez_zarade) / hundred * Exact(nonTaxable)) / share;
}

// The gross that yields a net when it lies beyond a bound of the base: the contributions are
// then those of the bound, D = their sum (each rounded as posted), and gross = net + D + tax
// with tax = (net + D − P') × PZ / (100 − PZ), not below 0.
Outcome<Exact> grossUpOnBound(Currency net, const Exact& bound, Currency relief,
                              const ContributionRates& rates) {
    const Exact tax = dec(rates.porez_zarade);
    if (tax == hundred)
        return Failure{messages::taxRateHundred()};
    const Currency base = bound.round2();
    const Exact deducted(share(base, rates.Doprinosi_PIO) + share(base, rates.Doprinosi_zo) +
                         share(base, rates.doprinosi_nezaposlenost));
    const Exact taxAmount = (Exact(net) + deducted - Exact(relief)) * tax / (hundred - tax);
    return Exact(net) + deducted + (taxAmount.isNegative() ? Exact() : taxAmount);
}

} // namespace

void contributionsOn(Currency base, Currency taxed, Currency nonTaxable,
                     const ContributionRates& rates, TaxAndContributions& r) {
    const Exact taxAmount = (Exact(taxed) - Exact(nonTaxable)) * dec(rates.porez_zarade) / hundred;
    r.porez_na_zaradu = taxAmount.isNegative() ? Currency() : taxAmount.round2();
    r.Doprinosi_PIO = share(base, rates.Doprinosi_PIO);
    r.Doprinosi_zo = share(base, rates.Doprinosi_zo);
    r.doprinosi_nezaposlenost = share(base, rates.doprinosi_nezaposlenost);
    r.ukupno_doprinosa = r.Doprinosi_PIO + r.Doprinosi_zo + r.doprinosi_nezaposlenost;
    r.Doprinosi_PIO_F = share(base, rates.Doprinosi_PIO_F);
    r.Doprinosi_zo_F = share(base, rates.Doprinosi_zo_F);
    r.doprinosi_nezaposlenost_f = share(base, rates.doprinosi_nezaposlenost_f);
    r.doprinosi_ro_f = share(base, rates.doprinosi_ro);
    r.doprinosi_ro_f2 = share(base, rates.doprinosi_ro2);
    r.doprinosi_ro_f3 = share(base, rates.doprinosi_ro3);
    r.ukupno_doprinosa_F = r.Doprinosi_PIO_F + r.Doprinosi_zo_F + r.doprinosi_nezaposlenost_f +
                           r.doprinosi_ro_f + r.doprinosi_ro_f2 + r.doprinosi_ro_f3;
    r.Oslobodjenje = nonTaxable;
    r.osnovica_doprinosa = base;
}

Outcome<TaxAndContributions> fromGross(Currency gross, const BaseLimits& limits,
                                       const ContributionRates& rates) {
    return withinRange([&]() -> Outcome<TaxAndContributions> {
        TaxAndContributions r;
        contributionsOn(limits.clamp(gross).round2(), gross, limits.relief, rates, r);
        r.BRUTO = gross;
        r.NETO = (gross - r.ukupno_doprinosa - r.porez_na_zaradu).round2();
        r.ukupno_obaveza = gross + r.ukupno_doprinosa_F;
        return r;
    });
}

Outcome<Currency> grossForNet(Currency net, const BaseLimits& limits,
                              const ContributionRates& rates) {
    return withinRange([&]() -> Outcome<Currency> {
        auto gross = grossUp(net, limits.relief, rates);
        if (!gross)
            return Failure{gross.message()};
        const Exact base = limits.clamp(*gross);
        if (base != *gross)
            gross = grossUpOnBound(net, base, limits.relief, rates);
        if (!gross)
            return Failure{gross.message()};
        return gross->round2();
    });
}

Outcome<TaxAndContributions> fromNet(Currency net, const BaseLimits& limits,
                                     const ContributionRates& rates) {
    auto gross = grossForNet(net, limits, rates);
    if (!gross)
        return Failure{gross.message()};
    return fromGross(*gross, limits, rates);
}

Outcome<Currency> quickNetForGross(Currency gross, Currency nonTaxable,
                                   const ContributionRates& rates) {
    // round0(G × (1 − PIO/100 − ZO/100 − NEZ/100 − PZ/100) + PZ × PO / 100)
    return withinRange([&]() -> Outcome<Currency> {
        return (Exact(gross) * netShare(rates) +
                dec(rates.porez_zarade) * Exact(nonTaxable) / hundred)
            .round0();
    });
}

Outcome<Currency> quickGrossForNet(Currency net, Currency nonTaxable,
                                   const ContributionRates& rates) {
    return withinRange([&]() -> Outcome<Currency> {
        auto gross = grossUp(net, nonTaxable, rates);
        if (!gross)
            return Failure{gross.message()};
        return gross->round0();
    });
}

Outcome<TaxAndContributions> onMinimumBase(Currency net, Currency nonTaxable, double regularHours,
                                           int hourFund, const MonthParameters& month,
                                           const ContributionRates& rates) {
    return withinRange([&]() -> Outcome<TaxAndContributions> {
        if (hourFund == 0)
            return Failure{messages::hourFundZero()};
        const Currency base = month.minimalna_osnovica;
        const Currency relief =
            (Exact(nonTaxable) * dec(regularHours) / Exact::whole(hourFund)).round2();
        TaxAndContributions r;
        contributionsOn(base, base, relief, rates, r);
        r.NETO = net;
        r.BRUTO = (Exact(net) + Exact(r.ukupno_doprinosa) + Exact(r.porez_na_zaradu)).round2();
        r.ukupno_obaveza = r.BRUTO + r.ukupno_doprinosa_F;
        return r;
    });
}

MinimumNetCheck checkMinimumNet(Currency net, int kind, Currency minimumNet, double regularHours,
                                int hourFund) {
    MinimumNetCheck check;
    check.minimum = kind == 1 && hourFund > 0
                        ? (Exact(minimumNet) * dec(regularHours) / Exact::whole(hourFund)).round0()
                        : minimumNet;
    check.below = net < check.minimum;
    return check;
}

} // namespace zarion::payroll
