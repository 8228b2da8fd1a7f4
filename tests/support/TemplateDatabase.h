#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "TempDir.h"
#include "core/db/Database.h"

namespace zarion::test {

// A payroll database made from the program's template, municipalities included, at the given
// path (its folders are made); a scratch file, so nothing waits for the disk.
std::unique_ptr<db::Database> makeTemplateDatabase(const std::filesystem::path& path);

// A fresh payroll database made from the template, in its own temporary folder.
class TemplateDatabase {
public:
    explicit TemplateDatabase(const std::string& fileName = "plate.db");
    db::Database& operator*() const { return *db_; }
    db::Database* operator->() const { return db_.get(); }
    db::Database* get() const { return db_.get(); }
    const std::filesystem::path& folder() const { return dir_.path(); }
    // Hands the open database over (to a working context); the folder stays until the end.
    std::unique_ptr<db::Database> release() { return std::move(db_); }
    // The whole number the query gives, or -1 when it gives no row.
    std::int64_t count(const std::string& sql) const { return db_->scalar(sql).value_or(-1); }

private:
    TempDir dir_;
    std::unique_ptr<db::Database> db_;
};

} // namespace zarion::test
