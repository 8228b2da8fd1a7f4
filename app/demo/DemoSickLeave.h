#pragma once

#include "demo/DemoPostings.h"

namespace zarion::demo {

// Posts the months as postMonths does, with two employees on long leave still open: the last of
// the register on sick leave over 30 days from before the last posted month, the second on
// maternity leave from the first day two months before it. The batch leaves each out of the
// months their case covers whole; the last month's compensations are calculated from the cases'
// nets and posted.
void postMonthsWithSickLeave(db::Database& payroll, const PostedMonths& months);

} // namespace zarion::demo
