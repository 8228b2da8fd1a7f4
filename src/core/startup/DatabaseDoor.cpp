#include "core/startup/DatabaseDoor.h"

#include <sqlite3.h>

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

void checkIntegrity(db::Database& database) {
    db::Statement check = database.prepare("PRAGMA quick_check");
    if (!check.step() || check.text(0) != "ok")
        throw db::Error("integrity check failed: " + check.text(0), SQLITE_CORRUPT);
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
