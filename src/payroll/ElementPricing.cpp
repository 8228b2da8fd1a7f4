#include "payroll/ElementPricing.h"

#include "payroll/Exact.h"

namespace zarion::payroll {
namespace {

const Exact hundred = Exact::whole(100);

Exact dec(double value) {
    return Exact::decimal(value);
}

// A percentage of an amount, round2(amount × percent / 100); a percentage of 0 keeps the typed one.
Currency percentOr(Currency typed, Currency of, double percent) {
    return percent != 0 ? (Exact(of) * dec(percent) / hundred).round2() : typed;
}

// Prices the hours elements: basic pay and the premiums.
class HoursPricing {
public:
    HoursPricing(const PricedElements& e, const SalaryInput& input, bool byCoefficient, int fund)
        : byCoefficient_(byCoefficient)
        , factor_(e.performanceFactor)
        , hourPrice_(Exact(e.coefficient) * Exact(input.cena_Rada))
        , fund_(Exact::whole(fund)) {}

    // coefficient: round2(F × C × K × H / N); hours: round2(K × C × H)
    Currency basic(double hours) const {
        const Exact h = dec(hours);
        return byCoefficient_ ? (factor_ * hourPrice_ * h / fund_).round2()
                              : (hourPrice_ * h).round2();
    }

    // coefficient: round2(F × p × h × (K × C) / (100 × N)); hours: round2((K × C / 100) × p × h)
    Currency premium(double percent, double hours) const {
        const Exact p = dec(percent);
        const Exact h = dec(hours);
        return byCoefficient_ ? (factor_ * p * h * hourPrice_ / (hundred * fund_)).round2()
                              : (hourPrice_ / hundred * p * h).round2();
    }

private:
    bool byCoefficient_;
    Exact factor_;
    Exact hourPrice_; // K × C
    Exact fund_;
};

} // namespace

Currency performanceFactor(double grade) {
    return (dec(grade) * dec(0.00776) + dec(0.9612)).money();
}

Currency coefficientSum(const SalaryInput& input) {
    return (dec(input.KOEFICIJENT) + dec(input.funkcijski_dodatak) + dec(input.otezani_uslovi))
        .money();
}

Outcome<PricedElements> priceElements(const SalaryInput& input, const MonthParameters& month,
                                      const Settings& settings, const HourFund& fund, int year,
                                      int monthNumber, const PricingOptions& options) {
    return withinRange([&]() -> Outcome<PricedElements> {
        const bool byCoefficient = settings.coefficientPricing();
        if (fund.hours == 0 && (byCoefficient || options.raiseToMinimumBasicPay))
            return Failure{messages::hourFundZero()};

        PricedElements e;
        e.performanceFactor =
            byCoefficient ? performanceFactor(input.ocena_radnog_ucinka) : Currency::fromUnits(1);
        e.coefficient = coefficientSum(input);
        const HoursPricing pricing(e, input, byCoefficient, fund.hours);
        e.osnovna_bruto = options.basicPay.value_or(pricing.basic(input.broj_sati));
        e.nocni_rad_i = pricing.premium(month.nocni_rad, input.nocni_rad_s);
        e.rad_na_praznik_i = pricing.premium(month.rad_na_praznik, input.rad_na_praznik_s);
        e.rad_nedeljom_i = pricing.premium(month.rad_nedeljom, input.rad_nedeljom_s);
        e.rad_nedeljomstvarno_i =
            pricing.premium(month.rad_nedeljomstvarno, input.rad_nedeljomstvarno_s);
        e.dezurstvo_i = pricing.premium(month.DEZURSTVO, input.dezurstvo_s);
        e.pripravnost_i = pricing.premium(month.PRIPRAVNOST, input.pripravnost_s);
        e.pripravnostaktivna_i = pricing.premium(month.produzeni_rad, input.pripravnostaktivna_s);
        e.produzeni_rad_i = pricing.premium(month.produzeni_rad, input.produzeni_rad_s);

        if (options.raiseToMinimumBasicPay) {
            const Currency minimum =
                (dec(input.broj_sati) / Exact::whole(fund.hours) * Exact(month.minimalna_osnovna))
                    .round0();
            if (e.osnovna_bruto < minimum) {
                e.razlika_do_min = minimum - e.osnovna_bruto;
                e.osnovna_bruto = minimum;
            }
        }

        const Exact average(input.prosek_3_meseca);
        e.bolovnje65_i = (average * dec(input.bolovnje65_s) * dec(0.65)).round2();
        e.bolovanje100_i = (average * dec(input.bolovanje100_s)).round2();
        e.godisnji_i = (average * dec(input.godisnji_s)).round2();
        e.placeno_odsustvo_i =
            (dec(month.placeno_odsustvo) * dec(input.placeno_odsustvo_s) * average / hundred)
                .round2();

        e.fiksna_plata = input.fiksna_plata;
        e.stimulacije = percentOr(input.stimulacije, e.osnovna_bruto, input.stimulacije_procenat);
        e.stimulacije_uredba =
            percentOr(input.stimulacije_uredba, e.osnovna_bruto, input.stimulacije_procenat_uredba);

        e.years = serviceYears(input.Datum, input.pg, input.Pm, year, monthNumber,
                               settings.seniorityCountsPriorService());
        e.minuli_rad = (Exact(e.osnovna_bruto + e.fiksna_plata) * Exact::whole(e.years.counted) *
                        dec(month.minuli_rad) / hundred)
                           .round2();

        e.odvojeni = input.odvojeni;
        e.regres = input.regres;
        e.topli_obrok = input.topli_obrok;
        return e;
    });
}

Currency elementTotal(const PricedElements& e) {
    // on-call, standby, active standby, overtime, night, holiday, Sunday, Sunday actual,
    // sick 65 %, sick 100 %, annual leave, paid absence, fixed pay, basic pay; then both
    // stimulations. Every term is already rounded, so the sum is exact in any order.
    return e.dezurstvo_i + e.pripravnost_i + e.pripravnostaktivna_i + e.produzeni_rad_i +
           e.nocni_rad_i + e.rad_na_praznik_i + e.rad_nedeljom_i + e.rad_nedeljomstvarno_i +
           e.bolovnje65_i + e.bolovanje100_i + e.godisnji_i + e.placeno_odsustvo_i +
           e.fiksna_plata + e.osnovna_bruto + e.stimulacije + e.stimulacije_uredba;
}

Currency netOf(const PricedElements& e) {
    return elementTotal(e) + e.odvojeni + e.regres + e.topli_obrok + e.minuli_rad;
}

} // namespace zarion::payroll
