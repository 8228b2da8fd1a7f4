#include "core/startup/DatabaseFiles.h"

#include "Templates.h"
#include "core/startup/Paths.h"

namespace fs = std::filesystem;

namespace zarion::startup {
namespace {

std::unique_ptr<db::Database> createFrom(const fs::path& path,
                                         std::initializer_list<const char*> scripts) {
    if (fs::exists(path))
        throw db::Error("refusing to overwrite " + path.string());
    fs::create_directories(path.parent_path());
    auto database = db::Database::create(path);
    db::Transaction tx(*database);
    for (const char* script : scripts)
        database->execScript(script);
    tx.commit();
    return database;
}

} // namespace

std::unique_ptr<db::Database> createPayrollTemplate(const fs::path& path) {
    return createFrom(path, {schema::payrollSql(), schema::municipalitiesSql()});
}

std::unique_ptr<db::Database> createRegister(const fs::path& path) {
    return createFrom(path, {schema::registerSql()});
}

std::unique_ptr<db::Database> createMasterData(const fs::path& path) {
    return createFrom(path, {schema::masterDataSql()});
}

std::unique_ptr<db::Database> createAccountSchemes(const fs::path& path) {
    return createFrom(path, {schema::accountSchemesSql()});
}

std::unique_ptr<db::Database> openAccountSchemes(const fs::path& dataRoot, int year) {
    const fs::path path = accountSchemesPath(dataRoot, year);
    if (!fs::exists(path))
        return createAccountSchemes(path);
    return db::Database::open(path);
}

long long schemaVersion(db::Database& payrollDb) {
    return payrollDb.scalar("SELECT Verzija FROM aaverzija ORDER BY rowid LIMIT 1").value_or(0);
}

} // namespace zarion::startup
