#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/trail/History.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::maintenance {

// The columns of the history as the window lists it and the printout prints it.
inline constexpr std::size_t HistoryColumns = 9;
const std::array<std::string, HistoryColumns>& historyHeadings();

// The lines of one entry: the first with every column and the first change, one more line for
// each further change (only its change column filled), so no change is cut off.
std::vector<std::array<std::string, HistoryColumns>> historyLines(const trail::HistoryEntry& entry);

// "Istorija promena" with the filter's words under it: the period, the operator, the employee
// and the kind chosen.
std::string historyFilterText(const trail::HistoryFilter& filter, const std::string& employee);

// The printout: company header, title, filter line and the entries, landscape, page after page.
report::Document historyReport(const report::CompanyData& company,
                               const std::filesystem::path& logo, const std::string& filterText,
                               const std::vector<trail::HistoryEntry>& entries);

} // namespace zarion::maintenance
