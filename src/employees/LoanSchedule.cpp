#include "employees/LoanSchedule.h"

#include <cstdint>

namespace zarion::employees {

int repaymentMonths(int startMonth, int startYear, int endMonth, int endYear) {
    return (endYear - startYear) * 12 + endMonth - startMonth + 1;
}

InstalmentSplit splitInstalment(Currency instalment) {
    // Whole units of the half, rounded down as Int does (towards minus infinity).
    const std::int64_t twoUnits = 2 * Currency::Scale;
    std::int64_t whole = instalment.raw() / twoUnits;
    if (instalment.raw() < 0 && instalment.raw() % twoUnits != 0)
        --whole;
    const Currency first = Currency::fromUnits(whole);
    return {first, instalment - first};
}

Currency loanTotal(Currency instalment, int months) {
    return instalment * months;
}

} // namespace zarion::employees
