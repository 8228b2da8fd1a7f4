#pragma once

#include <memory>
#include <string>

#include "TempDir.h"
#include "Templates.h"
#include "core/db/Database.h"

namespace zarion::test {

// A fresh payroll database made from the template, in its own temporary folder.
class PayrollDatabase {
public:
    explicit PayrollDatabase(const std::string& name = "plate.db")
        : db_(db::Database::create(dir_ / name)) {
        db_->execScript("PRAGMA synchronous = OFF"); // a scratch file: no waiting for the disk
        db::Transaction tx(*db_);
        db_->execScript(schema::payrollSql());
        tx.commit();
    }
    db::Database& operator*() { return *db_; }
    db::Database* operator->() { return db_.get(); }
    db::Database* get() { return db_.get(); }

private:
    TempDir dir_;
    std::unique_ptr<db::Database> db_;
};

} // namespace zarion::test
