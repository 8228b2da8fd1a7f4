#pragma once

#include <filesystem>
#include <memory>

#include "core/db/Database.h"

namespace zarion::startup {

// New database files made from the schema compiled into the program. Each refuses to overwrite
// an existing file.
std::unique_ptr<db::Database> createPayrollTemplate(const std::filesystem::path& path);
std::unique_ptr<db::Database> createRegister(const std::filesystem::path& path);
std::unique_ptr<db::Database> createMasterData(const std::filesystem::path& path);
std::unique_ptr<db::Database> createAccountSchemes(const std::filesystem::path& path);

// The year's account schemes of the bookkeeping module (G<year>/KoSheme2.db), made empty from
// the compiled template when the year has none yet.
std::unique_ptr<db::Database> openAccountSchemes(const std::filesystem::path& dataRoot, int year);

// The schema version of a payroll database: Verzija of the first row of aaverzija (0 when none).
long long schemaVersion(db::Database& payrollDb);

} // namespace zarion::startup
