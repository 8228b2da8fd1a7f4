#pragma once

#include <optional>

#include "core/Currency.h"
#include "payroll/GrossBasedCalculation.h"
#include "payroll/IndividualEntry.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryResult.h"

// The gross-based calculation of one employee's month in the individual window: from the gross
// the hours and typed amounts make up, or from a net turned into a gross and split back into
// its elements.
namespace zarion::payroll {

struct IndividualFigures {
    SalaryResult result; // the elements, the figures and the inputs they came from
    // The quick conversion of the basic pay: the whole-dinar gross taken as basic pay and its
    // whole-dinar net (both 0 when the basic pay was priced from the hours).
    Currency basicGross;
    Currency basicNet;
};

struct GrossCalculation {
    IndividualFigures figures;
    // Set when the net came out below the minimum net: the window asks whether to calculate
    // again on the minimum (calculateFromNet with check.minimum).
    std::optional<MinimumNetCheck> belowMinimum;
};

// Calculate (cmdObracun). Kind 3 on the minimum base; any other kind: a typed basic gross is turned
// into its whole-dinar net and back into a whole-dinar gross that stands as basic pay, the elements
// are priced (annual leave and seniority as typed over them), and tax and contributions are taken
// from their sum; then the minimum net check.
Outcome<GrossCalculation> calculateFromGross(const IndividualEntry& entry,
                                             const IndividualMonth& month);

// Calculate from net (cmdIzNEto): the gross that yields the net (2 decimals), tax and contributions
// from it, and the gross split back into its elements: each premium priced from its hours, the
// price of work and its percentage in whole dinars, leave and absence from the average, the typed
// amounts as typed, seniority round0(s × rest / (1 + s)) of what remains with s = years × seniority
// percentage / 100, and basic pay the rest, so the elements add up to the gross.
Outcome<IndividualFigures> calculateFromNet(const IndividualEntry& entry, Currency net,
                                            const IndividualMonth& month);

} // namespace zarion::payroll
