#pragma once

#include <filesystem>

#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::report {

// The test print: the company header and a list of sixty made-up salaries on two pages, with
// Serbian letters in every row, amounts of up to seven digits ending at their column's edge, a
// rule and a totals row, and the page numbers. It shows on paper or in a PDF that fonts,
// alignment, rules, the logo and the page break come out as the reports need them.
Document sampleList(const CompanyData& company, const std::filesystem::path& logo);

} // namespace zarion::report
