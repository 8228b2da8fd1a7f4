#include "core/startup/SchemaUpgrade.h"

#include <cstdio>

#include "core/db/Database.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/SchemaMerge.h"

namespace fs = std::filesystem;

namespace zarion::startup {

std::string archiveFileName(const DateTime& at) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "bpl%02d%02d%02d%d%02d%02d%02d.db", at.date.day,
                  at.date.month, at.date.year % 100, DayOfYear(at.date), at.hour, at.minute,
                  at.second);
    return buffer;
}

bool needsUpgrade(const fs::path& templatePath, const fs::path& payrollPath) {
    const auto reference = db::Database::open(templatePath);
    const auto target = db::Database::open(payrollPath);
    return startup::schemaVersion(*target) < startup::schemaVersion(*reference);
}

fs::path archiveAndUpgrade(const fs::path& templatePath, const fs::path& payrollPath,
                           const Clock& clock) {
    const fs::path archive = payrollPath.parent_path() / "ARHIVA" / archiveFileName(clock.now());
    std::error_code ec;
    fs::create_directories(archive.parent_path(), ec);
    const bool copied =
        !ec && fs::copy_file(payrollPath, archive, fs::copy_options::overwrite_existing, ec) && !ec;
    const auto reference = db::Database::open(templatePath);
    const auto target = db::Database::open(payrollPath);
    mergeSchema(*reference, *target);
    return copied ? archive : fs::path();
}

} // namespace zarion::startup
