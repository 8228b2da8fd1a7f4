#include "employees/ReportCompany.h"

#include "core/startup/Paths.h"

namespace zarion::employees {

ReportCompany reportCompany(const AppContext& context) {
    ReportCompany company;
    if (context.CompanyMasterDb)
        company.data = report::readCompanyData(*context.CompanyMasterDb).value_or(company.data);
    const auto logo = context.logoPath();
    if (std::filesystem::exists(logo))
        company.logo = logo;
    return company;
}

} // namespace zarion::employees
