#pragma once

#include "other_income/OtherIncomePrints.h"
#include "outputs/PaymentOrders.h"

namespace zarion::other_income {

// The payment orders of an order of other income, replacing every earlier order in one
// transaction: the tax and each contribution to the accounts kept for the kind
// (uplatni_racuni_ostale), paid from the kind's payout account, then each person's net to his
// account. "Unesite uplatne racune za ovaj tip isplata!" when the kind has no accounts.
Outcome<int> ordersFromOrder(db::Database& payroll, db::Database* companyMaster,
                             const PaidOrder& paid);

} // namespace zarion::other_income
