#pragma once

#include <string>

#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/Declaration.h"

namespace zarion::outputs {

// The orders of a PPP-PD return, in one transaction: the single payment of tax and contributions
// of the checked rows to the tax authority under the approval number `bop` (payment code 254),
// then each checked recipient's net less deductions to his current account (240). Earlier orders
// are removed first when `replaceEarlier`; the numbers of this run count from 1 either way.
// Returns how many orders were written.
Outcome<int> ordersFromDeclaration(db::Database& payroll, db::Database* companyMaster,
                                   const Declaration& declaration, const std::string& bop,
                                   bool replaceEarlier);

} // namespace zarion::outputs
