#pragma once

#include "core/Currency.h"
#include "payroll/Exact.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"

// The bounds of the contribution base and the non-taxable amount for the hours of the month,
// shared by the calculation from net and the calculation from gross.
namespace zarion::payroll {

struct BaseLimits {
    Currency relief;  // P', the non-taxable amount applied (stored as Oslobodjenje)
    Exact lowest;     // M', the lowest base for the hours; 0 sets no lower bound
    Currency highest; // the highest base of the month; 0 sets no upper bound

    // The base a gross pays contributions on: the gross held between the two bounds.
    Exact clamp(const Exact& gross) const;
    bool aboveHighest(const Exact& gross) const;
};

// The non-taxable amount alone, the base unbounded.
BaseLimits withoutBounds(Currency relief);

// Fewer hours worked S than the fund N: P' = round2(P × S / N) and M' = M × S / N (unrounded);
// otherwise P and M whole. The highest base does not follow the hours. S below a fund of 0
// gives its message.
Outcome<BaseLimits> limitsForHours(Currency nonTaxable, const MonthParameters& month,
                                   const Exact& hoursWorked, int hourFund);

} // namespace zarion::payroll
