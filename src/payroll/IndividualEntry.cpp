#include "payroll/IndividualEntry.h"

#include "payroll/AverageHourlyEarnings.h"

namespace zarion::payroll {

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
                                Currency basicNet) {
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
    entry.nonTaxable = posted.Oslobodjenje;
    entry.basicGross = basicNet.isZero() ? Currency() : posted.osnovna_bruto;
    return entry;
}

} // namespace zarion::payroll
