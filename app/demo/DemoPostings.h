#pragma once

#include <cstdint>
#include <vector>

#include "core/Dates.h"
#include "core/db/Database.h"

namespace zarion::demo {

// The employees' standing deductions and loans: a union fee (a percentage of the net) for
// every third employee, a fixed contribution to the mutual fund for every fifth, and loans in
// dinars and in euros with the banks for every fourth, running through the demo year.
void insertDeductions(db::Database& payroll, const std::vector<std::int64_t>& employeeIds,
                      int demoYear);

// The year whose months the demo posts and the last of them: the months of the current year
// before the current one, or in January the whole year before.
struct PostedMonths {
    int year = 0;
    int lastMonth = 0;
};
PostedMonths postedMonths(const Date& today);

// Calculates and posts each month from January to the last through the batch window's own
// logic: the month is started (its rates fixed); the advance, for the month up to the 15th, is
// calculated and posted employee by employee with the hours and allowances proposed; then the
// final calculation is posted for all of them at once ("Calculate all"). Both withhold the
// deductions and loan instalments of their part.
void postMonths(db::Database& payroll, const PostedMonths& months);

} // namespace zarion::demo
