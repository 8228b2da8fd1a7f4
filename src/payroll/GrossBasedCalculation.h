#pragma once

#include "core/Currency.h"
#include "payroll/ContributionBase.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"
#include "payroll/TaxAndContributions.h"

namespace zarion::payroll {

// The employee's three contributions and the employer's six on a base, each round2(base × rate /
// 100), their sums, and the tax round2((taxed − non-taxable) × PZ / 100), not below 0.
void contributionsOn(Currency base, Currency taxed, Currency nonTaxable,
                     const ContributionRates& rates, TaxAndContributions& r);

// From a gross G with the non-taxable amount P' of the limits: tax = round2((G − P') × PZ / 100),
// not below 0; the base is G held between the lowest and the highest base (2 decimals); each
// contribution of both sides round2(base × rate / 100); net = round2(G − contributions − tax);
// the total cost is G plus the employer's six contributions.
Outcome<TaxAndContributions> fromGross(Currency gross, const BaseLimits& limits,
                                       const ContributionRates& rates);

// The gross that yields a net: round2((net − PZ / 100 × P') / (1 − (PZ + PIO + NEZ + ZO) / 100))
// while that gross lies between the bounds of the base; beyond a bound the contributions are
// those of the bound and gross = round2(net + D + (net + D − P') × PZ / (100 − PZ)), the tax
// part not below 0, with D the employee's three contributions on the bound.
Outcome<Currency> grossForNet(Currency net, const BaseLimits& limits,
                              const ContributionRates& rates);
// grossForNet, then fromGross.
Outcome<TaxAndContributions> fromNet(Currency net, const BaseLimits& limits,
                                     const ContributionRates& rates);

// The quick conversions of the basic pay, in whole dinars.
Outcome<Currency> quickNetForGross(Currency gross, Currency nonTaxable,
                                   const ContributionRates& rates);
Outcome<Currency> quickGrossForNet(Currency net, Currency nonTaxable,
                                   const ContributionRates& rates);

// Kind 3 (sick leave over 30 days) takes tax and contributions from the minimum base, with the
// non-taxable amount scaled by regular hours / hour fund to 2 decimals. Gross = round2(net +
// contributions + tax). An hour fund of 0 gives its message.
Outcome<TaxAndContributions> onMinimumBase(Currency net, Currency nonTaxable, double regularHours,
                                           int hourFund, const MonthParameters& month,
                                           const ContributionRates& rates);

// The minimum net a calculation from gross is checked against: for part time (kind 1) with a
// positive fund, round0(minimalna_osnovna × regular hours / N); otherwise minimalna_osnovna.
// When the net is below it the window asks whether to calculate again on the minimum net.
struct MinimumNetCheck {
    Currency minimum;
    bool below = false;
};
MinimumNetCheck checkMinimumNet(Currency net, int kind, Currency minimumNet, double regularHours,
                                int hourFund);

} // namespace zarion::payroll
