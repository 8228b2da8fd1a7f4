#pragma once

#include "core/db/Database.h"

namespace zarion::demo {

// The settings of the sick-leave, maternity and disabled persons' payouts: paid from the accounts
// the company keeps for them, their taxes and contributions owed to the salaries' accounts.
void fillCompensationAccounts(db::Database& payroll);

} // namespace zarion::demo
