#pragma once

#include <filesystem>
#include <optional>

#include "payroll/AverageEarnings.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::payroll {

// "Pregled prosečnih zarada": the company header, the period, the table with its lines
// "UKUPNO:" and "PROSEČNO:", the second company's table the same way under its name, and
// "PROSEČNO ZA OBE TABELE:" when both are shown. A table without rows prints no averages.
report::Document averageEarningsReview(const report::CompanyData& company,
                                       const std::filesystem::path& logo,
                                       const AveragePeriod& period, const AverageTable& first,
                                       const std::optional<AverageTable>& second);

} // namespace zarion::payroll
