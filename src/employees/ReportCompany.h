#pragma once

#include <filesystem>

#include "core/AppContext.h"
#include "report/CompanyHeader.h"

namespace zarion::employees {

// What the report header prints: the company's data from the master database (empty when it
// is not open or has no row) and its logo (empty when the company folder has none).
struct ReportCompany {
    report::CompanyData data;
    std::filesystem::path logo;
};
ReportCompany reportCompany(const AppContext& context);

} // namespace zarion::employees
