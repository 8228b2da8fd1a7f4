#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "employees/DeductionDefinitions.h"
#include "report/Spreadsheet.h"

namespace zarion::employees {

// The loans still running on 1 July 2023 or later (kraj on or after that day) of every creditor
// given, one row per loan: creditor, its account, employee number and name, instalment, period
// and the loan's reference with the prefix in front.
report::SheetList creditorLoansSheet(db::Database& db, const std::vector<DeductionDefinition>& list,
                                     const std::string& prefix);

} // namespace zarion::employees
