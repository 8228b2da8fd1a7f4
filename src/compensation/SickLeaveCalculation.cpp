#include "compensation/SickLeaveCalculation.h"

#include "payroll/Exact.h"
#include "payroll/NetBasedCalculation.h"

namespace zarion::compensation {
namespace {

using payroll::Exact;

const Exact hundred = Exact::whole(100);

Exact dec(double value) {
    return Exact::decimal(value);
}

// round2(base × rate / 100)
Currency share(Currency base, double rate) {
    return (Exact(base) * dec(rate) / hundred).round2();
}

// amount × hours / full-month hours, to 2 decimals, for part of a month.
Currency forHours(Currency amount, const LeaveMonth& month) {
    if (!month.partOfMonth() || month.fullHours == 0)
        return amount;
    return (Exact(amount) * dec(month.hours) / dec(month.fullHours)).round2();
}

// Tax on the gross above the tax-free amount, contributions on the base, the sums and the
// solidarity deduction on the net.
void taxAndContributions(LeaveAmounts& a, Currency base, const payroll::MonthParameters& r) {
    Currency taxBase = a.BRUTO - a.Oslobodjenje;
    if (taxBase.isNegative())
        taxBase = {};
    a.porez_na_zaradu = share(taxBase, r.porez_zarade);
    a.Doprinosi_PIO = share(base, r.Doprinosi_PIO);
    a.Doprinosi_zo = share(base, r.Doprinosi_zo);
    a.doprinosi_nezaposlenost = share(base, r.doprinosi_nezaposlenost);
    a.ukupno_doprinosa = a.Doprinosi_PIO + a.Doprinosi_zo + a.doprinosi_nezaposlenost;
    a.Doprinosi_PIO_F = share(base, r.Doprinosi_PIO_F);
    a.Doprinosi_zo_F = share(base, r.Doprinosi_zo_F);
    a.doprinosi_nezaposlenost_f = share(base, r.doprinosi_nezaposlenost_f);
    a.ukupno_doprinosa_F = a.Doprinosi_PIO_F + a.Doprinosi_zo_F + a.doprinosi_nezaposlenost_f;
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
        if (netShare.isZero())
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
