#include "payroll/IndividualCalculation.h"

#include "payroll/ElementPricing.h"
#include "payroll/Exact.h"
#include "payroll/SalaryCalculation.h"

namespace zarion::payroll {
namespace {

using From = GrossBasedRequest::From;

const Exact hundred = Exact::whole(100);

Exact dec(double value) {
    return Exact::decimal(value);
}

// Sick leave over 30 days: tax and contributions from the minimum base.
bool onMinimumBase(int kind) {
    return kind == 3;
}

// The elements as the engine prices them, with the amounts the operator typed over them.
Outcome<PricedElements> priced(const IndividualEntry& entry, const IndividualMonth& month,
                               std::optional<Currency> basicPay) {
    PricingOptions options;
    options.basicPay = basicPay;
    auto elements = priceElements(entry.input, month.parameters, month.settings, month.fund,
                                  month.year, month.month, options);
    if (!elements)
        return elements;
    PricedElements e = *elements;
    if (entry.annualLeaveAmount)
        e.godisnji_i = *entry.annualLeaveAmount;
    if (entry.seniorityAmount)
        e.minuli_rad = *entry.seniorityAmount;
    return e;
}

// A premium in whole dinars from its percentage and hours: (K × C / 100) × p × h with pricing by
// hours, F × p × h × K × C / (100 × N) with pricing by coefficient.
class WholePremium {
public:
    WholePremium(const PricedElements& e, const SalaryInput& input, const IndividualMonth& month)
        : byCoefficient_(month.settings.coefficientPricing())
        , factor_(e.performanceFactor)
        , hourPrice_(Exact(e.coefficient) * Exact(input.cena_Rada))
        , fund_(Exact::whole(month.fund.hours)) {}

    Currency operator()(double percent, double hours) const {
        const Exact p = dec(percent);
        const Exact h = dec(hours);
        return byCoefficient_ ? (factor_ * p * h * hourPrice_ / (hundred * fund_)).round0()
                              : (hourPrice_ / hundred * p * h).round0();
    }

private:
    bool byCoefficient_;
    Exact factor_;
    Exact hourPrice_;
    Exact fund_;
};

// The gross split back into its elements; they add up to the gross.
PricedElements splitGross(Currency gross, PricedElements e, const IndividualEntry& entry,
                          const IndividualMonth& month) {
    const SalaryInput& in = entry.input;
    const MonthParameters& p = month.parameters;
    const WholePremium premium(e, in, month);
    e.nocni_rad_i = premium(p.nocni_rad, in.nocni_rad_s);
    e.rad_na_praznik_i = premium(p.rad_na_praznik, in.rad_na_praznik_s);
    e.rad_nedeljom_i = premium(p.rad_nedeljom, in.rad_nedeljom_s);
    e.rad_nedeljomstvarno_i = premium(p.rad_nedeljomstvarno, in.rad_nedeljomstvarno_s);
    e.dezurstvo_i = premium(p.DEZURSTVO, in.dezurstvo_s);
    e.pripravnost_i = premium(p.PRIPRAVNOST, in.pripravnost_s);
    e.pripravnostaktivna_i = premium(p.produzeni_rad, in.pripravnostaktivna_s);
    e.produzeni_rad_i = premium(p.produzeni_rad, in.produzeni_rad_s);
    e.razlika_do_min = Currency();

    const Currency others = netOf(e) - e.osnovna_bruto - e.minuli_rad;
    const Currency rest = gross - others;
    const Exact s = Exact::whole(e.years.counted) * dec(p.minuli_rad) / hundred;
    e.minuli_rad = (s * Exact(rest) / (Exact::whole(1) + s)).round0();
    e.osnovna_bruto = rest - e.minuli_rad;
    return e;
}

GrossBasedRequest request(const IndividualEntry& entry, From from, Currency amount) {
    GrossBasedRequest r;
    r.from = from;
    if (from == From::Gross)
        r.gross = amount;
    else
        r.net = amount;
    r.nonTaxable = entry.nonTaxable;
    r.rates = entry.rates;
    return r;
}

Outcome<SalaryResult> figuresFor(const IndividualEntry& entry, const IndividualMonth& month,
                                 const GrossBasedRequest& r) {
    return grossBasedSalary(entry.input, month.parameters, month.settings, month.fund,
                            {month.year, month.month, CalculationKind::Final}, r);
}

} // namespace

Outcome<GrossCalculation> calculateFromGross(const IndividualEntry& entry,
                                             const IndividualMonth& month) {
    return withinRange([&]() -> Outcome<GrossCalculation> {
        const int kind = entry.input.tip_obracuna;
        GrossCalculation c;
        std::optional<Currency> basicPay;
        if (!onMinimumBase(kind) && !entry.basicGross.isZero()) {
            auto net = quickNetForGross(entry.basicGross, entry.nonTaxable, entry.rates);
            if (!net)
                return Failure{net.message()};
            auto gross = quickGrossForNet(*net, entry.nonTaxable, entry.rates);
            if (!gross)
                return Failure{gross.message()};
            c.figures.basicNet = *net;
            c.figures.basicGross = *gross;
            basicPay = *gross;
        }
        auto elements = priced(entry, month, basicPay);
        if (!elements)
            return Failure{elements.message()};
        auto result = figuresFor(entry, month, request(entry, From::Gross, netOf(*elements)));
        if (!result)
            return Failure{result.message()};
        c.figures.result = *result;
        putElements(*elements, c.figures.result);
        if (!onMinimumBase(kind)) {
            const MinimumNetCheck check =
                checkMinimumNet(result->NETO, kind, month.parameters.minimalna_osnovna,
                                entry.input.broj_sati, month.fund.hours);
            if (check.below)
                c.belowMinimum = check;
        }
        return c;
    });
}

Outcome<IndividualFigures> calculateFromNet(const IndividualEntry& entry, Currency net,
                                            const IndividualMonth& month) {
    return withinRange([&]() -> Outcome<IndividualFigures> {
        auto elements = priced(entry, month, std::nullopt);
        if (!elements)
            return Failure{elements.message()};
        auto result = figuresFor(entry, month, request(entry, From::Net, net));
        if (!result)
            return Failure{result.message()};
        IndividualFigures f;
        f.result = *result;
        putElements(splitGross(result->BRUTO, *elements, entry, month), f.result);
        return f;
    });
}

} // namespace zarion::payroll
