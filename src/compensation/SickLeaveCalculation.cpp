#include "compensation/SickLeaveCalculation.h"

#include "payroll/Exact.h"
#include "payroll/GrossBasedCalculation.h"
#include "payroll/NetBasedCalculation.h"

namespace zarion::compensation {
namespace {

using payroll::Exact;

const Exact hundred = Exact::whole(100);

Exact dec(double value) {
    return Exact::decimal(value);
}

// amount × hours / full-month hours, to 2 decimals, for part of a month.
Currency forHours(Currency amount, const LeaveMonth& month) {
    if (!month.partOfMonth() || month.fullHours == 0)
        return amount;
    return (Exact(amount) * dec(month.hours) / dec(month.fullHours)).round2();
}

// Tax on the gross above the tax-free amount and the three contributions of each side on the
// base, their sums and the total cost.
void taxAndContributions(LeaveAmounts& a, Currency base, const payroll::MonthParameters& month) {
    payroll::ContributionRates rates = payroll::contributionRates(month);
    rates.doprinosi_ro = rates.doprinosi_ro2 = rates.doprinosi_ro3 = 0;
    payroll::TaxAndContributions t;
    payroll::contributionsOn(base, a.BRUTO, a.Oslobodjenje, rates, t);
    a.porez_na_zaradu = t.porez_na_zaradu;
    a.Doprinosi_PIO = t.Doprinosi_PIO;
    a.Doprinosi_zo = t.Doprinosi_zo;
    a.doprinosi_nezaposlenost = t.doprinosi_nezaposlenost;
    a.ukupno_doprinosa = t.ukupno_doprinosa;
    a.Doprinosi_PIO_F = t.Doprinosi_PIO_F;
    a.Doprinosi_zo_F = t.Doprinosi_zo_F;
    a.doprinosi_nezaposlenost_f = t.doprinosi_nezaposlenost_f;
    a.ukupno_doprinosa_F = t.ukupno_doprinosa_F;
    a.ukupno_obaveza = a.BRUTO + a.ukupno_doprinosa_F;
}

void solidarity(LeaveAmounts& a, const LeaveMonth& month) {
    a.solidarni_porez = month.solidarity ? payroll::solidarityTax(a.NETO) : Currency();
}

} // namespace

Currency netForHours(Currency caseNet, const LeaveMonth& month) {
    if (month.fullHours == 0)
        return caseNet;
    return (Exact(caseNet) * dec(month.hours) / dec(month.fullHours)).round0();
}

Currency taxFreeFor(Currency monthly, const LeaveMonth& month) {
    return forHours(monthly, month);
}

payroll::Outcome<LeaveAmounts> leaveFromNet(Currency net, const LeaveMonth& month,
                                            const payroll::MonthParameters& r) {
    return payroll::withinRange([&]() -> payroll::Outcome<LeaveAmounts> {
        const Exact tax = dec(r.porez_zarade);
        const Exact netShare = hundred - tax - dec(r.Doprinosi_PIO) - dec(r.Doprinosi_zo) -
                               dec(r.doprinosi_nezaposlenost);
        if (!(netShare > Exact()))
            return payroll::Failure{payroll::messages::ratesSumToHundred()};
        LeaveAmounts a;
        a.broj_sati = month.hours;
        a.NETO = net;
        a.Oslobodjenje = taxFreeFor(r.iznos_poreskog_oslobojenja, month);
        a.BRUTO = ((Exact(net) * hundred - Exact(a.Oslobodjenje) * tax) / netShare).money();
        taxAndContributions(a, a.BRUTO, r);
        solidarity(a, month);
        return a;
    });
}

payroll::Outcome<LeaveAmounts> leaveFromGross(Currency gross, const LeaveMonth& month,
                                              const payroll::MonthParameters& r) {
    return payroll::withinRange([&]() -> payroll::Outcome<LeaveAmounts> {
        LeaveAmounts a;
        a.broj_sati = month.hours;
        a.BRUTO = gross;
        a.Oslobodjenje = taxFreeFor(r.iznos_poreskog_oslobojenja, month);
        const Currency minimum = forHours(r.minimalna_osnovica, month);
        taxAndContributions(a, gross < minimum ? minimum : gross, r);
        a.NETO = gross - a.porez_na_zaradu - a.ukupno_doprinosa;
        solidarity(a, month);
        return a;
    });
}

} // namespace zarion::compensation
