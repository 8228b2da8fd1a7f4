#include "core/startup/DatabaseDoor.h"

#include <cstdint>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "core/FailureWords.h"
#include "core/Text.h"

namespace fs = std::filesystem;

namespace zarion::startup {

Refusal databaseRefusal(const fs::path& file, const std::exception& failure) {
    const auto* database = dynamic_cast<const db::Error*>(&failure);
    if (database && database->cause() == db::Error::Cause::Corrupt)
        return error(
            "Baza "_yu + file.string() +
            " je o{te}ena i ne mo`e da se koristi! Ispravnu kopiju potra`ite u folderu "_yu +
            (file.parent_path() / "ARHIVA").string() + ".");
    return error(failureWords(failure) + " (" + file.string() + ")");
}

namespace {

// A table with a row per employee and month, or per such row, grows with every posted month: a
// year of a large company is mostly these. Their pages are left to the reads that use them,
// which tell damage in the system's words as well.
bool growsWithPostedMonths(const std::vector<db::ColumnInfo>& columns) {
    bool month = false, year = false, employee = false, calculation = false;
    for (const db::ColumnInfo& column : columns) {
        month = month || equalsIgnoreCase(column.name, "MEsec");
        year = year || equalsIgnoreCase(column.name, "GODINA");
        employee = employee || equalsIgnoreCase(column.name, "ID_RADNIK");
        calculation = calculation || equalsIgnoreCase(column.name, "Id_obracun");
    }
    return (month && year && employee) || calculation;
}

[[noreturn]] void damaged(const std::string& what) {
    throw db::Error("integrity check failed: " + what, SQLITE_CORRUPT);
}

} // namespace

// The file must hold every page its header counts, and every table but the posted months' must
// pass SQLite's quick check with its indexes: the register, the employees, their terms and
// deductions, the code lists and the rates.
void checkIntegrity(db::Database& database) {
    const auto pages = database.scalar("PRAGMA page_count").value_or(0);
    const auto pageSize = database.scalar("PRAGMA page_size").value_or(0);
    std::error_code failed;
    const auto size = fs::file_size(database.path(), failed);
    if (!failed && size < static_cast<std::uintmax_t>(pages * pageSize))
        damaged("the file is shorter than its pages");
    for (const std::string& table : database.tables()) {
        if (growsWithPostedMonths(database.columns(table)))
            continue;
        db::Statement check = database.prepare("PRAGMA quick_check(\"" + table + "\")");
        if (!check.step() || check.text(0) != "ok")
            damaged(table + ": " + check.text(0));
    }
}

Outcome<std::unique_ptr<db::Database>> openChecked(const fs::path& file) {
    try {
        auto database = db::Database::open(file);
        checkIntegrity(*database);
        return database;
    } catch (const db::Error& failure) {
        return databaseRefusal(file, failure);
    }
}

} // namespace zarion::startup
