#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "other_income/OtherIncomeOrders.h"
#include "outputs/BankList.h"

// The bank list of other income: the nets of one other-income order by the recipients' banks.
namespace zarion::other_income {

// The orders not removed, of every kind, the newest first.
std::vector<OtherIncomeOrder> otherIncomeOrders(db::Database& payrollDb);

// The order's rows grouped by the recipients' banks, each paid its net into the current account
// of the register. The list is of the month of the order's date and names the order as its
// payout. "Nije pronadjen nalog broj N u bazi!" for an order that does not exist.
Outcome<outputs::BankList> loadOtherIncomeBankList(db::Database& payrollDb, std::int64_t id_noz);

} // namespace zarion::other_income
