#pragma once

#include "core/Currency.h"
#include "core/Outcome.h"

namespace zarion::compensation {

// The rates an award is taxed with: the order's tax rate t, its non-taxable amount N and the
// employee's pension, health and unemployment rates (annual awards only).
struct AwardRates {
    double porez_zarade = 0;
    Currency neoporezivi_deo;
    double Doprinosi_PIO = 0;
    double Doprinosi_zo = 0;
    double doprinosi_nezaposlenost = 0;
};

// The figures of one award, every one rounded to 2 decimals.
struct AwardFigures {
    Currency net;
    Currency gross;
    Currency tax;
    Currency nonTaxable; // N, or the whole gross when the gross is not above N
    Currency pio;
    Currency health;
    Currency unemployment;
    Currency contributions() const { return pio + health + unemployment; }
    // What the award costs the company: the gross and the employer's contributions, which are
    // the same amounts as the employee's.
    Currency obligation() const { return gross + contributions(); }
};

// A jubilee award carries no contributions; above N it is taxed: from the net, tax = (net − N) ×
// t / (100 − t); from the gross, tax = (gross − N) × t / 100.
Outcome<AwardFigures> jubileeFromNet(Currency net, const AwardRates& rates);
Outcome<AwardFigures> jubileeFromGross(Currency gross, const AwardRates& rates);
// An annual award above N: gross = (net × 100 − N × t) / (100 − t − p − z − n), tax on the gross
// above N, the employee's contributions on the gross; at or below N it is neither taxed nor
// burdened.
Outcome<AwardFigures> annualFromNet(Currency net, const AwardRates& rates);
Outcome<AwardFigures> annualFromGross(Currency gross, const AwardRates& rates);

} // namespace zarion::compensation
