#include "payroll/NetBasedCalculation.h"

#include "payroll/ContributionBase.h"

namespace zarion::payroll {
namespace {

const Exact hundred = Exact::whole(100);

Exact dec(double value) {
    return Exact::decimal(value);
}

// round2(base × rate / 100)
Currency share(Currency base, double rate) {
    return (Exact(base) * dec(rate) / hundred).round2();
}

template <typename Record> Exact hoursOf(const Record& in) {
    Exact sum;
    for (double hours : {in.broj_sati, in.dezurstvo_s, in.produzeni_rad_s, in.pripravnostaktivna_s,
                         in.bolovnje65_s, in.bolovanje100_s, in.godisnji_s, in.placeno_odsustvo_s})
        sum += dec(hours);
    return sum;
}

} // namespace

Exact hoursWorked(const SalaryInput& in) {
    return hoursOf(in);
}

Exact hoursWorked(const SalaryResult& posted) {
    return hoursOf(posted);
}

Currency solidarityTax(Currency base) {
    const Currency lower = Currency::fromUnits(60000);
    const Currency upper = Currency::fromUnits(100000);
    Currency part1;
    if (base > upper)
        part1 = upper - lower;
    else if (base > lower)
        part1 = base - lower;
    const Currency part2 = base > upper ? base - upper : Currency();
    return (Exact(part1) * dec(0.2) + Exact(part2) * dec(0.25)).round0();
}

Outcome<TaxAndContributions> grossUpNet(Currency net, const Exact& worked, int hourFund,
                                        const MonthParameters& m) {
    return withinRange([&]() -> Outcome<TaxAndContributions> {
        const Exact employeeRates =
            dec(m.Doprinosi_PIO) + dec(m.Doprinosi_zo) + dec(m.doprinosi_nezaposlenost);
        const Exact tax = dec(m.porez_zarade);
        const Exact netShare = hundred - employeeRates - tax; // 100 − PIO − ZO − NEZ − PZ
        if (netShare.isZero())
            return Failure{messages::ratesSumToHundred()};
        if (tax == hundred)
            return Failure{messages::taxRateHundred()};

        // P' is stored (Oslobodjenje), so it is used rounded; M' enters the formulas unrounded.
        auto limits = limitsForHours(m.iznos_poreskog_oslobojenja, m, worked, hourFund);
        if (!limits)
            return Failure{limits.message()};
        TaxAndContributions r;
        r.Oslobodjenje = limits->relief;
        const Exact nonTaxable(r.Oslobodjenje);

        // Nmin = M' × (100 − PIO − ZO − NEZ − PZ) / 100 + P' × PZ / 100
        const Exact minimumNet = limits->lowest * netShare / hundred + nonTaxable * tax / hundred;
        // At or above Nmin the base is the gross that yields the net, up to the highest base;
        // below it, M'. The tax below grosses up the net on whichever base it is.
        const Exact base = Exact(net) >= minimumNet
                               ? limits->clamp((Exact(net) * hundred - nonTaxable * tax) / netShare)
                               : limits->lowest;
        r.osnovica_doprinosa = base.round2();

        // D is kept as money (four decimals) before the tax is taken from it.
        const Currency deducted = (Exact(r.osnovica_doprinosa) * employeeRates / hundred).money();
        const Exact taxAmount = (Exact(net) + Exact(deducted) - nonTaxable) * tax / (hundred - tax);
        r.porez_na_zaradu = taxAmount.isNegative() ? Currency() : taxAmount.round2();

        r.Doprinosi_PIO = share(r.osnovica_doprinosa, m.Doprinosi_PIO);
        r.Doprinosi_zo = share(r.osnovica_doprinosa, m.Doprinosi_zo);
        r.doprinosi_nezaposlenost = share(r.osnovica_doprinosa, m.doprinosi_nezaposlenost);
        r.ukupno_doprinosa = r.Doprinosi_PIO + r.Doprinosi_zo + r.doprinosi_nezaposlenost;
        r.NETO = net;
        r.BRUTO = r.ukupno_doprinosa + net + r.porez_na_zaradu;

        // The employer's side on the same base; of the additional contributions only the first
        // is taken on a net-based calculation.
        r.Doprinosi_PIO_F = share(r.osnovica_doprinosa, m.Doprinosi_PIO_F);
        r.Doprinosi_zo_F = share(r.osnovica_doprinosa, m.Doprinosi_zo_F);
        r.doprinosi_nezaposlenost_f = share(r.osnovica_doprinosa, m.doprinosi_nezaposlenost_f);
        r.doprinosi_ro_f = share(r.osnovica_doprinosa, m.doprinosi_ro);
        r.ukupno_doprinosa_F =
            r.Doprinosi_PIO_F + r.Doprinosi_zo_F + r.doprinosi_nezaposlenost_f + r.doprinosi_ro_f;
        r.ukupno_obaveza = r.BRUTO + r.ukupno_doprinosa_F;
        return r;
    });
}

} // namespace zarion::payroll
