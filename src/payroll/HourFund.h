#pragma once

#include "payroll/Settings.h"

namespace zarion::payroll {

// The month's hour fund N and the regular hours proposed for a new calculation, for the whole
// month and for its first part (paid as the advance).
struct HourFund {
    int hours = 0;
    double proposedRegularHours = 0;
    double firstPartHours = 0;
};

// Monday-to-Friday days of the month times 8 (holidays are not taken off), or the fixed fund of
// the settings when fiksni_sati is set. The first part runs to the 15th: its Monday-to-Friday
// days times 8, or the fixed fund in the share of those days in the month's, to whole hours.
HourFund hourFund(int year, int month, const Settings& settings);

} // namespace zarion::payroll
