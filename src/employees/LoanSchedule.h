#pragma once

#include "core/Currency.h"

namespace zarion::employees {

// Number of monthly instalments from the start month to the end month, both included:
// 11/2024 to 2/2025 gives 4. Less than 1 when the end lies before the start.
int repaymentMonths(int startMonth, int startYear, int endMonth, int endYear);

// How an instalment is withheld when the month is paid in two parts: the first part is the
// whole units of half the instalment (the fraction dropped), the second part the rest.
struct InstalmentSplit {
    Currency prvi_deo;
    Currency drugi_deo;
};
InstalmentSplit splitInstalment(Currency instalment);

// Total value of a loan: instalment × number of instalments.
Currency loanTotal(Currency instalment, int months);

} // namespace zarion::employees
