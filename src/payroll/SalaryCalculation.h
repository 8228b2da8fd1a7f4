#pragma once

#include <optional>

#include "core/Currency.h"
#include "payroll/ElementPricing.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryInput.h"
#include "payroll/SalaryResult.h"
#include "payroll/Settings.h"

namespace zarion::payroll {

struct CalculationPeriod {
    int year = 0;
    int month = 0;
    CalculationKind kind = CalculationKind::Final;
};

// The net-based calculation of the batch window: the elements are priced as net amounts, their
// sum is NETO, and tax and contributions are grossed up from it; the solidarity tax is taken on
// NETO (final) or on NETO + II_deo (advance) when the settings have it. The deductions are not
// part of it: the window recomputes them against the new NETO.
Outcome<SalaryResult> netBasedSalary(const SalaryInput& input, const MonthParameters& month,
                                     const Settings& settings, const HourFund& fund,
                                     const CalculationPeriod& period,
                                     const PricingOptions& options = {});
// The same from elements already priced (and perhaps changed by the operator).
Outcome<SalaryResult> netBasedSalary(const SalaryInput& input, const PricedElements& elements,
                                     const MonthParameters& month, const Settings& settings,
                                     const HourFund& fund, const CalculationPeriod& period);

// Writes the priced elements into a result (the gross-based calculation leaves them to the
// window, which prices or splits them itself).
void putElements(const PricedElements& elements, SalaryResult& result);

// What a gross-based calculation starts from.
struct GrossBasedRequest {
    enum class From { Gross, Net };
    From from = From::Gross;
    Currency gross;              // from gross: the gross typed or priced
    std::optional<Currency> net; // from net: the net; from gross on the minimum base (kind 3):
                                 // the net typed, else the net the gross yields
    Currency nonTaxable;         // PO for a full month, as the window shows it
    ContributionRates rates;     // the month's, or those typed over them
};

// The gross-based calculation of the individual window. The non-taxable amount and the lowest
// base follow the hours worked as in the calculation from net, and the base stays between the
// lowest and the highest base. From gross: kind 3 on the minimum base, any other kind from the
// gross (kind 4 only names the calculation on the highest base). From net: the gross for the net
// and then from that gross. The minimum net check is left to the window (checkMinimumNet), which
// asks the operator.
Outcome<SalaryResult> grossBasedSalary(const SalaryInput& input, const MonthParameters& month,
                                       const Settings& settings, const HourFund& fund,
                                       const CalculationPeriod& period,
                                       const GrossBasedRequest& request);

} // namespace zarion::payroll
