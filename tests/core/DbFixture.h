#pragma once

#include <gtest/gtest.h>
#include <memory>

#include "TempDir.h"
#include "core/db/Database.h"

namespace zarion::test {

// A fresh database file in a temporary folder, with one table of every field kind.
class DbTest : public ::testing::Test {
protected:
    DbTest()
        : db(db::Database::create(dir / "plate.db")) {
        db->execScript("CREATE TABLE radnici ("
                       " id_radnik INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " ime TEXT(50), iznos CURRENCY, broj LONG, celi INTEGER, koef DOUBLE,"
                       " MEsec INTEGER, datum DATE, aktivan YESNO)");
    }

    std::int64_t count(const std::string& table = "radnici") {
        return db->scalar("SELECT count(*) FROM " + table).value_or(-1);
    }

    TempDir dir;
    std::unique_ptr<db::Database> db;
};

} // namespace zarion::test
