#pragma once

#include "core/Currency.h"
#include "payroll/Exact.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryInput.h"
#include "payroll/SalaryResult.h"
#include "payroll/TaxAndContributions.h"

namespace zarion::payroll {

// S: regular hours + on-call + overtime + active standby + sick 65 % + sick 100 % + annual
// leave + paid absence.
Exact hoursWorked(const SalaryInput& input);
// The same hours of a posted calculation.
Exact hoursWorked(const SalaryResult& posted);

// On the net of the month (final) or the advance net plus II_deo (advance): 20 % of the part
// between 60000 and 100000 and 25 % of the part above 100000, in whole dinars.
Currency solidarityTax(Currency base);

// Grosses up a net: the non-taxable amount and the minimum base scaled by S / N when fewer hours
// were worked than the fund, the net equivalent of the minimum base, the contribution base, tax,
// the employee's and the employer's contributions, gross and the total cost. Rates adding up to
// 100 (or a tax rate of 100) leave no divisor: the message says so and there is no result.
Outcome<TaxAndContributions> grossUpNet(Currency net, const Exact& hoursWorked, int hourFund,
                                        const MonthParameters& month);

} // namespace zarion::payroll
