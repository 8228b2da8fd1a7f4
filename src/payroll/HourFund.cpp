#include "payroll/HourFund.h"

#include "core/Dates.h"

namespace zarion::payroll {

HourFund hourFund(int year, int month, const Settings& settings) {
    const int hours =
        settings.fiksni_sati != 0 ? settings.fiksni_sati : WorkingDays(month, year) * 8;
    return {hours, static_cast<double>(hours)};
}

} // namespace zarion::payroll
