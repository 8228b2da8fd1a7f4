#pragma once

#include <cstdint>
#include <filesystem>

namespace zarion::demo {

// The demo company's bookkeeping of a year: the journal types of the year's account schemes,
// the account mapping of the payroll journal with the chart's names, the accounts of the
// recapitulation by accounts, and the second ledger in use.
void fillBookkeeping(const std::filesystem::path& dataRoot, int year, std::int64_t companyId);

} // namespace zarion::demo
