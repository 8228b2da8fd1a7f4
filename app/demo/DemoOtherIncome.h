#pragma once

#include "core/db/Database.h"
#include "demo/DemoPostings.h"

namespace zarion::demo {

// Other income paid on the 20th of the last posted month, posted through the window's own
// logic: a service contract for two people, an author's fee, a rent and one salary advance.
void postOtherIncome(db::Database& payroll, const PostedMonths& months);

} // namespace zarion::demo
