#include "compensation/AwardCalculation.h"

#include "compensation/CompensationMath.h"
#include "payroll/Messages.h"
#include "payroll/Outcome.h"

namespace zarion::compensation {
namespace {

AwardFigures untaxed(Currency amount) {
    AwardFigures f;
    f.net = amount;
    f.gross = amount;
    f.nonTaxable = amount;
    return f;
}

Outcome<AwardFigures> noDivisor() {
    return error(payroll::messages::ratesSumToHundred());
}

// Tax and the employee's contributions on a gross above N.
AwardFigures annualOnGross(Currency gross, const AwardRates& r) {
    AwardFigures f;
    f.gross = gross;
    f.nonTaxable = r.neoporezivi_deo;
    f.tax = percentOf(gross - r.neoporezivi_deo, r.porez_zarade);
    f.pio = percentOf(gross, r.Doprinosi_PIO);
    f.health = percentOf(gross, r.Doprinosi_zo);
    f.unemployment = percentOf(gross, r.doprinosi_nezaposlenost);
    f.net = gross - f.tax - f.contributions();
    return f;
}

} // namespace

Outcome<AwardFigures> jubileeFromNet(Currency net, const AwardRates& r) {
    if (net <= r.neoporezivi_deo)
        return untaxed(net);
    return payroll::withinRange([&]() -> Outcome<AwardFigures> {
        const Exact share = Hundred - Exact::decimal(r.porez_zarade);
        if (!(share > Exact()))
            return noDivisor();
        AwardFigures f;
        f.net = net;
        f.nonTaxable = r.neoporezivi_deo;
        f.tax = (Exact(net - r.neoporezivi_deo) * Exact::decimal(r.porez_zarade) / share).round2();
        f.gross = net + f.tax;
        return f;
    });
}

Outcome<AwardFigures> jubileeFromGross(Currency gross, const AwardRates& r) {
    if (gross <= r.neoporezivi_deo)
        return untaxed(gross);
    return payroll::withinRange([&]() -> Outcome<AwardFigures> {
        AwardFigures f;
        f.gross = gross;
        f.nonTaxable = r.neoporezivi_deo;
        f.tax = percentOf(gross - r.neoporezivi_deo, r.porez_zarade);
        f.net = gross - f.tax;
        return f;
    });
}

Outcome<AwardFigures> annualFromNet(Currency net, const AwardRates& r) {
    if (net <= r.neoporezivi_deo)
        return untaxed(net);
    return payroll::withinRange([&]() -> Outcome<AwardFigures> {
        const Exact t = Exact::decimal(r.porez_zarade);
        const Exact share = Hundred - t - Exact::decimal(r.Doprinosi_PIO) -
                            Exact::decimal(r.Doprinosi_zo) -
                            Exact::decimal(r.doprinosi_nezaposlenost);
        if (!(share > Exact()))
            return noDivisor();
        const Currency gross =
            ((Exact(net) * Hundred - Exact(r.neoporezivi_deo) * t) / share).round2();
        AwardFigures f = annualOnGross(gross, r);
        f.net = net;
        return f;
    });
}

Outcome<AwardFigures> annualFromGross(Currency gross, const AwardRates& r) {
    if (gross <= r.neoporezivi_deo)
        return untaxed(gross);
    return payroll::withinRange([&]() -> Outcome<AwardFigures> { return annualOnGross(gross, r); });
}

} // namespace zarion::compensation
