#include "payroll/HourFund.h"

#include "core/Dates.h"

namespace zarion::payroll {

HourFund hourFund(int year, int month, const Settings& settings) {
    constexpr int firstPartEnds = 15;
    const int days = WorkingDays(month, year);
    const int firstPartDays = WorkingDays(month, year, firstPartEnds);
    if (settings.fiksni_sati == 0)
        return {days * 8, days * 8.0, firstPartDays * 8.0};
    const int fixed = settings.fiksni_sati;
    // whole hours, a half up: the share of a fund of hours is counted as a person counts it
    const int firstPart = days == 0 ? 0 : (2 * fixed * firstPartDays + days) / (2 * days);
    return {fixed, static_cast<double>(fixed), static_cast<double>(firstPart)};
}

} // namespace zarion::payroll
