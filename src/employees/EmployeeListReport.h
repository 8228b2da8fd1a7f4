#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "employees/EmployeeList.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

// The printed list of the employee register.
namespace zarion::employees {

// "Spisak zaposlenih" with the filter words: ", Sve RJ" or the unit's entry, ", Svi tipovi RO"
// or the type filter's entry.
std::string employeeListTitle(const ListFilter& filter, const std::string& unitEntry);

// The company header, the title, and the rows with the columns "R.Br", "ID", "Prezime i ime",
// "JMBG", "Tip RO", "Datum", "Aktivan", page after page.
report::Document employeeListReport(const report::CompanyData& company,
                                    const std::filesystem::path& logo, const std::string& title,
                                    const std::vector<ListRow>& rows);

} // namespace zarion::employees
