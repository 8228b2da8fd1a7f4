#include "payroll/ContributionBase.h"

namespace zarion::payroll {

bool BaseLimits::aboveHighest(const Exact& gross) const {
    return !highest.isZero() && gross > Exact(highest);
}

Exact BaseLimits::clamp(const Exact& gross) const {
    if (aboveHighest(gross))
        return highest;
    return gross < lowest ? lowest : gross;
}

BaseLimits withoutBounds(Currency relief) {
    return {relief, Exact(), Currency()};
}

Outcome<BaseLimits> limitsForHours(Currency nonTaxable, const MonthParameters& month,
                                   const Exact& hoursWorked, int hourFund) {
    BaseLimits limits{nonTaxable, Exact(month.minimalna_osnovica), month.maksimalna_osnovica};
    const Exact fund = Exact::whole(hourFund);
    if (hoursWorked < fund) {
        if (hourFund == 0)
            return Failure{messages::hourFundZero()};
        limits.relief = (Exact(nonTaxable) * hoursWorked / fund).round2();
        limits.lowest = limits.lowest * hoursWorked / fund;
    }
    return limits;
}

} // namespace zarion::payroll
