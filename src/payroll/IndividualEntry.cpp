#include "payroll/IndividualEntry.h"

#include "payroll/AverageHourlyEarnings.h"
#include "payroll/Exact.h"
#include "payroll/NetBasedCalculation.h"

namespace zarion::payroll {
namespace {

// The full month's non-taxable amount behind the one a posted row applied for fewer hours than
// the fund: the proposal's when it gives the applied amount, else the applied amount scaled back
// (an amount the operator typed over the month's).
Currency fullMonthRelief(const IndividualEntry& entry, Currency applied, int hourFund) {
    const SalaryInput& in = entry.input;
    const Exact worked = in.tip_obracuna == 3 ? Exact::decimal(in.broj_sati) : hoursWorked(in);
    const Exact fund = Exact::whole(hourFund);
    if (worked >= fund || worked <= Exact())
        return applied;
    if ((Exact(entry.nonTaxable) * worked / fund).round2() == applied)
        return entry.nonTaxable;
    return (Exact(applied) * fund / worked).round2();
}

} // namespace

Outcome<IndividualMonth> loadIndividualMonth(db::Database& payrollDb, int year, int month) {
    auto parameters = loadMonthParameters(payrollDb, year, month);
    if (!parameters)
        return Failure{parameters.message()};
    IndividualMonth m;
    m.year = year;
    m.month = month;
    m.parameters = *parameters;
    m.settings = loadSettings(payrollDb);
    m.fund = hourFund(year, month, m.settings);
    return m;
}

IndividualEntry proposeEntry(std::span<db::Database* const> history,
                             const employees::Employee& employee, const IndividualMonth& month) {
    IndividualEntry entry;
    SalaryInput& in = entry.input;
    in.KOEFICIJENT = employee.KOEFICIJENT;
    in.funkcijski_dodatak = employee.funkcijski_dodatak;
    in.otezani_uslovi = employee.otezani_uslovi;
    in.pg = employee.pg;
    in.Pm = employee.Pm;
    in.Datum = employee.Datum;
    in.tip_obracuna = employee.tip_obracuna;
    in.tekuci_Racun = employee.tekuci_Racun;
    in.cena_Rada = month.parameters.cena_Rada;
    in.broj_sati = month.fund.proposedRegularHours;
    in.prosek_3_meseca =
        averageHourlyEarnings(history, static_cast<int>(employee.id_radnik), in, month.parameters,
                              month.settings, month.year, month.month, AverageVariant::Individual);
    entry.rates = contributionRates(month.parameters);
    entry.nonTaxable = month.parameters.iznos_poreskog_oslobojenja;
    return entry;
}

IndividualEntry entryFromPosted(const IndividualEntry& proposal, const SalaryResult& posted,
                                Currency basicNet, int hourFund) {
    IndividualEntry entry = proposal;
    SalaryInput& in = entry.input;
    in.tip_obracuna = posted.tip_obracuna;
    in.cena_Rada = posted.cena_Rada;
    in.prosek_3_meseca = posted.prosek_3_meseca;
    in.broj_sati = posted.broj_sati;
    in.produzeni_rad_s = posted.produzeni_rad_s;
    in.nocni_rad_s = posted.nocni_rad_s;
    in.rad_na_praznik_s = posted.rad_na_praznik_s;
    in.rad_nedeljom_s = posted.rad_nedeljom_s;
    in.bolovnje65_s = posted.bolovnje65_s;
    in.bolovanje100_s = posted.bolovanje100_s;
    in.godisnji_s = posted.godisnji_s;
    in.topli_obrok = posted.topli_obrok;
    in.regres = posted.regres;
    in.fiksna_plata = posted.fiksna_plata;
    in.stimulacije = posted.stimulacije;
    entry.nonTaxable = fullMonthRelief(entry, posted.Oslobodjenje, hourFund);
    entry.basicGross = basicNet.isZero() ? Currency() : posted.osnovna_bruto;
    return entry;
}

} // namespace zarion::payroll
