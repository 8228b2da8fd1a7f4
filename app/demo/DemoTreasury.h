#pragma once

#include "core/db/Database.h"

namespace zarion::demo {

// The demo company as a budget user: its code with the treasury and the journal accounts of a
// payroll (expenditure on 41…, liabilities on 23…), so that the treasury batch of a posted
// month can be made.
void fillTreasurySettings(db::Database& payroll);

} // namespace zarion::demo
