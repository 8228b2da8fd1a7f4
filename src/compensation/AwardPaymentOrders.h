#pragma once

#include "compensation/AwardOrders.h"
#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::compensation {

// The payment orders of an award order, replacing every earlier order in one transaction: the
// tax to the order's tax account, for annual awards both shares of each contribution to the
// accounts of parametri2, and each employee's net to his account. Paid from the payout account of
// the kind's payment accounts, else from the company's; gives the number of orders written.
Outcome<int> ordersFromAwards(db::Database& payroll, db::Database* companyMaster,
                              const AwardOrder& order);

} // namespace zarion::compensation
