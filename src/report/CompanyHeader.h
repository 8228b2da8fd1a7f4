#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/startup/CompanyData.h"
#include "report/Painter.h"

namespace zarion::report {

// The company's own data is kept by start-up; reports read it under the same names.
using startup::CompanyData;
using startup::readCompanyData;

// The header every report starts its first page with: the logo at the top left, the company's
// name, address and numbers centred on x = 160 mm from y = 7 mm (a line too long for that ends
// at 200 mm, where the rules end), and a double rule at 35/36 mm. The report continues below
// 36 mm. An empty or unreadable logo path prints no picture. The
// painter is left with the font "yuoptimar" at 8 pt and line width 1.
void PrintHeader(Painter& painter, const CompanyData& company,
                 const std::filesystem::path& logoPath);

} // namespace zarion::report
