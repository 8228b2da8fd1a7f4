#include "payroll/SalaryCalculation.h"

#include "payroll/ContributionBase.h"
#include "payroll/GrossBasedCalculation.h"
#include "payroll/NetBasedCalculation.h"
#include "payroll/ServiceYears.h"

namespace zarion::payroll {
namespace {

// The inputs as they were used, the years of service and the hours.
SalaryResult recordOf(const SalaryInput& in, const ServiceYears& years, const HourFund& fund) {
    SalaryResult r;
    r.tip_obracuna = in.tip_obracuna;
    r.KOEFICIJENT = in.KOEFICIJENT;
    r.funkcijski_dodatak = in.funkcijski_dodatak;
    r.otezani_uslovi = in.otezani_uslovi;
    r.ocena_radnog_ucinka = in.ocena_radnog_ucinka;
    r.cena_Rada = in.cena_Rada;
    r.radni_staz = years.counted;
    r.god_staza = years.withCompany;
    r.ukradni_staz = years.total;
    r.minuli_do19 = years.before2019;
    r.minuli_od19 = years.from2019;
    r.prosek_3_meseca = in.prosek_3_meseca;
    r.broj_sati = in.broj_sati;
    r.produzeni_rad_s = in.produzeni_rad_s;
    r.nocni_rad_s = in.nocni_rad_s;
    r.rad_na_praznik_s = in.rad_na_praznik_s;
    r.rad_nedeljom_s = in.rad_nedeljom_s;
    r.rad_nedeljomstvarno_s = in.rad_nedeljomstvarno_s;
    r.dezurstvo_s = in.dezurstvo_s;
    r.pripravnost_s = in.pripravnost_s;
    r.pripravnostaktivna_s = in.pripravnostaktivna_s;
    r.bolovnje65_s = in.bolovnje65_s;
    r.bolovanje100_s = in.bolovanje100_s;
    r.godisnji_s = in.godisnji_s;
    r.placeno_odsustvo_s = in.placeno_odsustvo_s;
    r.fiksna_plata = in.fiksna_plata;
    r.stimulacije = in.stimulacije;
    r.stimulacije_procenat = in.stimulacije_procenat;
    r.stimulacije_uredba = in.stimulacije_uredba;
    r.stimulacije_procenat_uredba = in.stimulacije_procenat_uredba;
    r.topli_obrok = in.topli_obrok;
    r.regres = in.regres;
    r.odvojeni = in.odvojeni;
    r.tekuci_Racun = in.tekuci_Racun;
    r.II_deo = in.II_deo;
    r.hourFund = fund.hours;
    r.hoursWorked = hoursWorked(in).toDouble();
    return r;
}

void putFigures(const TaxAndContributions& f, SalaryResult& r) {
    r.BRUTO = f.BRUTO;
    r.porez_na_zaradu = f.porez_na_zaradu;
    r.Doprinosi_PIO = f.Doprinosi_PIO;
    r.Doprinosi_zo = f.Doprinosi_zo;
    r.doprinosi_nezaposlenost = f.doprinosi_nezaposlenost;
    r.ukupno_doprinosa = f.ukupno_doprinosa;
    r.NETO = f.NETO;
    r.Doprinosi_PIO_F = f.Doprinosi_PIO_F;
    r.Doprinosi_zo_F = f.Doprinosi_zo_F;
    r.doprinosi_nezaposlenost_f = f.doprinosi_nezaposlenost_f;
    r.doprinosi_ro_f = f.doprinosi_ro_f;
    r.doprinosi_ro_f2 = f.doprinosi_ro_f2;
    r.doprinosi_ro_f3 = f.doprinosi_ro_f3;
    r.ukupno_doprinosa_F = f.ukupno_doprinosa_F;
    r.ukupno_obaveza = f.ukupno_obaveza;
    r.Oslobodjenje = f.Oslobodjenje;
    r.osnovica_doprinosa = f.osnovica_doprinosa;
}

ServiceYears yearsOf(const SalaryInput& in, const Settings& settings, const CalculationPeriod& p) {
    return serviceYears(in.Datum, in.pg, in.Pm, p.year, p.month,
                        settings.seniorityCountsPriorService());
}

} // namespace

void putElements(const PricedElements& e, SalaryResult& r) {
    r.osnovna_bruto = e.osnovna_bruto;
    r.produzeni_rad_i = e.produzeni_rad_i;
    r.nocni_rad_i = e.nocni_rad_i;
    r.rad_na_praznik_i = e.rad_na_praznik_i;
    r.rad_nedeljom_i = e.rad_nedeljom_i;
    r.rad_nedeljomstvarno_i = e.rad_nedeljomstvarno_i;
    r.dezurstvo_i = e.dezurstvo_i;
    r.pripravnost_i = e.pripravnost_i;
    r.pripravnostaktivna_i = e.pripravnostaktivna_i;
    r.bolovnje65_i = e.bolovnje65_i;
    r.bolovanje100_i = e.bolovanje100_i;
    r.godisnji_i = e.godisnji_i;
    r.placeno_odsustvo_i = e.placeno_odsustvo_i;
    r.minuli_rad = e.minuli_rad;
    r.fiksna_plata = e.fiksna_plata;
    r.stimulacije = e.stimulacije;
    r.stimulacije_uredba = e.stimulacije_uredba;
    r.topli_obrok = e.topli_obrok;
    r.regres = e.regres;
    r.odvojeni = e.odvojeni;
    r.razlika_do_min = e.razlika_do_min;
}

Outcome<SalaryResult> netBasedSalary(const SalaryInput& input, const MonthParameters& month,
                                     const Settings& settings, const HourFund& fund,
                                     const CalculationPeriod& period,
                                     const PricingOptions& options) {
    auto elements = priceElements(input, month, settings, fund, period.year, period.month, options);
    if (!elements)
        return Failure{elements.message()};
    return netBasedSalary(input, *elements, month, settings, fund, period);
}

Outcome<SalaryResult> netBasedSalary(const SalaryInput& input, const PricedElements& elements,
                                     const MonthParameters& month, const Settings& settings,
                                     const HourFund& fund, const CalculationPeriod& period) {
    return withinRange([&]() -> Outcome<SalaryResult> {
        SalaryResult r = recordOf(input, elements.years, fund);
        putElements(elements, r);
        const Currency net = netOf(elements);
        auto figures = grossUpNet(net, hoursWorked(input), fund.hours, month);
        if (!figures)
            return Failure{figures.message()};
        putFigures(*figures, r);
        if (settings.solidarityTax())
            r.solidarni_porez =
                solidarityTax(period.kind == CalculationKind::Advance ? net + input.II_deo : net);
        return r;
    });
}

Outcome<SalaryResult> grossBasedSalary(const SalaryInput& input, const MonthParameters& month,
                                       const Settings& settings, const HourFund& fund,
                                       const CalculationPeriod& period,
                                       const GrossBasedRequest& request) {
    using From = GrossBasedRequest::From;
    return withinRange([&]() -> Outcome<SalaryResult> {
        auto limits = limitsForHours(request.nonTaxable, month, hoursWorked(input), fund.hours);
        if (!limits)
            return Failure{limits.message()};
        Outcome<TaxAndContributions> figures = Failure{};
        if (input.tip_obracuna == 3 && request.from == From::Gross) {
            Currency net;
            if (request.net) {
                net = *request.net;
            } else {
                auto fromTyped =
                    fromGross(request.gross, withoutBounds(request.nonTaxable), request.rates);
                if (!fromTyped)
                    return Failure{fromTyped.message()};
                net = fromTyped->NETO;
            }
            figures = onMinimumBase(net, request.nonTaxable, input.broj_sati, fund.hours, month,
                                    request.rates);
        } else if (request.from == From::Net) {
            figures = fromNet(request.net.value_or(Currency()), *limits, request.rates);
        } else {
            figures = fromGross(request.gross, *limits, request.rates);
        }
        if (!figures)
            return Failure{figures.message()};
        SalaryResult r = recordOf(input, yearsOf(input, settings, period), fund);
        putFigures(*figures, r);
        return r;
    });
}

} // namespace zarion::payroll
