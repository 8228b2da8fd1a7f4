#pragma once

#include <memory>

#include "TempDir.h"
#include "Templates.h"
#include "core/db/Database.h"

namespace zarion::test {

// A fresh payroll database made from the template, in its own temporary folder.
class TemplateDatabase {
public:
    TemplateDatabase()
        : db_(db::Database::create(dir_ / "plate.db")) {
        db_->execScript("PRAGMA synchronous = OFF"); // a scratch file: no waiting for the disk
        db::Transaction tx(*db_);
        db_->execScript(schema::payrollSql());
        tx.commit();
    }
    db::Database& operator*() { return *db_; }
    db::Database* operator->() { return db_.get(); }
    std::unique_ptr<db::Database> release() { return std::move(db_); }

private:
    TempDir dir_;
    std::unique_ptr<db::Database> db_;
};

} // namespace zarion::test
