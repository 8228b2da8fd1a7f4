#pragma once

#include "core/db/Database.h"
#include "demo/DemoPostings.h"

namespace zarion::demo {

// A disabled person and a jubilee-award order, each calculated and posted for the last posted
// month: the third employee a disabled person of the II category whose compensation is raised to
// the adjusted amount, and two jubilee awards, one within the non-taxable amount and one above
// it.
void postBenefits(db::Database& payroll, const PostedMonths& months);

} // namespace zarion::demo
