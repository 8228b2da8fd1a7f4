#pragma once

#include "demo/DemoPostings.h"

namespace zarion::demo {

// Posts the months as postMonths does, with one employee (the last of the register) on sick
// leave over 30 days from before the last posted month and still open: the batch leaves him out
// of the last month, whose compensation is calculated from the case's net and posted.
void postMonthsWithSickLeave(db::Database& payroll, const PostedMonths& months);

} // namespace zarion::demo
