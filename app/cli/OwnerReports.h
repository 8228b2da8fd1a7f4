#pragma once

#include <span>

#include "cli/ReportRegistry.h"
#include "outputs/BankList.h"

namespace zarion::cli {

// The owner's loan contract and the bank lists of other income.
std::span<const ReportEntry> ownerReports();

// The bank list of the other-income order of --nalog; a ReportRefusal without it or for an order
// that does not exist.
outputs::BankList otherIncomeBankList(db::Database& payroll, const Arguments& options);

} // namespace zarion::cli
