#include "payroll/ServiceYears.h"

#include <algorithm>

namespace zarion::payroll {
namespace {

constexpr int monthIndex(int year, int month) {
    return year * 12 + month;
}
constexpr int reform = monthIndex(2019, 1);

// Whole years of a non-negative count of months.
constexpr int years(int months) {
    return months / 12;
}

} // namespace

ServiceYears serviceYears(const Date& employed, int priorYears, int priorMonths, int year,
                          int month, bool countPriorService) {
    const int now = monthIndex(year, month);
    const int start = employed.year > 0 ? monthIndex(employed.year, employed.month) : now;
    const int withCompany = std::max(0, now - start);
    const int prior = std::max(0, priorYears * 12 + priorMonths);

    ServiceYears result;
    result.withCompany = years(withCompany);
    result.total = years(prior + withCompany);
    result.counted = countPriorService ? result.total : result.withCompany;
    // The service from 2019 on is with the company; what the counted years hold beyond it was
    // served before.
    const int since2019 = std::max(0, now - std::max(start, reform));
    result.from2019 = std::min(result.counted, years(since2019));
    result.before2019 = result.counted - result.from2019;
    return result;
}

} // namespace zarion::payroll
