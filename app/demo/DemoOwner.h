#pragma once

#include <string>

#include "core/Currency.h"
#include "core/db/Database.h"

namespace zarion::demo {

// The owner's rates and accounts (contributions all his own, paid to the single account of the
// tax authority), the court named in his loan contract, and the payment accounts of every kind
// of other income: paid out from the company's account, tax and contributions to the single
// account under code 254.
void insertOwnerData(db::Database& payroll, const std::string& companyAccount,
                     const std::string& singleAccount, Currency nonTaxable);

} // namespace zarion::demo
