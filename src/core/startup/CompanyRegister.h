#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/db/Database.h"

namespace zarion::startup {

// One row of the company list: the columns "FIRMA", "GRAD", "ID", "Slovo", "ID", "CV", "PUT",
// "BOJA" in that order.
struct CompanyRow {
    std::int64_t id = 0;
    std::string name;
    std::string town;
    std::string shownId; // empty when the name is blank
    std::string sd;
    std::string cv;
    std::string put;
    std::string boja;
};

// The companies an operator may see: not removed, and every one (access 0) or only the one whose
// number equals the access value. In register order.
std::vector<CompanyRow> listCompanies(db::Database& registerDb, int companyAccess);

struct CompanyNames {
    std::string name;
    std::string town;
};
std::optional<CompanyNames> findCompany(db::Database& registerDb, std::int64_t id);

// Either the new company's number or the message that refused it.
struct CreateResult {
    std::int64_t id = 0;
    std::string refusal;
};

// Adds the company to the register and starts its folder for the year (startCompanyYear).
CreateResult createCompany(db::Database& registerDb, const std::filesystem::path& dataRoot,
                           int workYear, const std::string& name, const std::string& town);

// Starts the company's folder for a year from the template folder: every file of prazna/
// copied in, and the export/ and import/ folders.
void startCompanyYear(const std::filesystem::path& dataRoot, int workYear, std::int64_t companyId);

// False when the company is not found.
bool updateCompany(db::Database& registerDb, std::int64_t id, const std::string& name,
                   const std::string& town);
// Marks the company removed; its row and folders stay. False when it is not found.
bool removeCompany(db::Database& registerDb, std::int64_t id);

} // namespace zarion::startup
