#include "TemplateDatabase.h"

#include "Templates.h"

namespace zarion::test {

std::unique_ptr<db::Database> makeTemplateDatabase(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    auto database = db::Database::create(path);
    database->execScript("PRAGMA synchronous = OFF");
    db::Transaction tx(*database);
    database->execScript(schema::payrollSql());
    database->execScript(schema::municipalitiesSql());
    tx.commit();
    return database;
}

TemplateDatabase::TemplateDatabase(const std::string& fileName)
    : db_(makeTemplateDatabase(dir_ / fileName)) {}

} // namespace zarion::test
