#pragma once

#include "payroll/Settings.h"

namespace zarion::payroll {

// The month's hour fund N and the regular hours proposed for a new calculation.
struct HourFund {
    int hours = 0;
    double proposedRegularHours = 0;
};

// Monday-to-Friday days of the month times 8 (holidays are not taken off), or the fixed fund of
// the settings when fiksni_sati is set.
HourFund hourFund(int year, int month, const Settings& settings);

} // namespace zarion::payroll
