#include "core/startup/SchemaUpgrade.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/db/Database.h"

using namespace zarion;
namespace fs = std::filesystem;

TEST(ArchiveName, DayMonthYearDayOfYearAndTime) {
    EXPECT_EQ(startup::archiveFileName({{2026, 12, 4}, 9, 5, 7}), "bpl041226338090507.db");
    EXPECT_EQ(startup::archiveFileName({{2024, 1, 5}, 23, 0, 59}), "bpl0501245230059.db");
}

namespace {

class SchemaUpgrade : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path templ = dir / "plate_uzor.db";
    fs::path company = dir / "f1" / "plate.db";
    FixedClock clock{{{2026, 12, 4}, 9, 5, 7}};

    void make(const fs::path& path, int version, const char* extra) {
        fs::create_directories(path.parent_path());
        auto database = db::Database::create(path);
        database->execScript("CREATE TABLE aaverzija (Verzija LONG);"
                             "CREATE TABLE radnici (id_radnik INTEGER PRIMARY KEY, Ime TEXT(50));");
        database->run("INSERT INTO aaverzija VALUES (?)", version);
        database->execScript(extra);
    }
};

} // namespace

TEST_F(SchemaUpgrade, OlderCompanyDatabaseIsArchivedAndMerged) {
    make(templ, 3, "ALTER TABLE radnici ADD COLUMN jmbg TEXT(13);");
    make(company, 2, "INSERT INTO radnici(Ime) VALUES ('Milica');");
    ASSERT_TRUE(startup::needsUpgrade(templ, company));
    const fs::path archive = startup::archiveAndUpgrade(templ, company, clock);
    EXPECT_EQ(archive, dir / "f1" / "ARHIVA" / "bpl041226338090507.db");
    EXPECT_FALSE(startup::needsUpgrade(templ, company));

    auto archived = db::Database::open(archive);
    EXPECT_FALSE(archived->hasColumn("radnici", "jmbg")); // the copy was taken before
    auto upgraded = db::Database::open(company);
    EXPECT_TRUE(upgraded->hasColumn("radnici", "jmbg"));
    EXPECT_EQ(upgraded->scalar("SELECT count(*) FROM radnici"), 1);
}

TEST_F(SchemaUpgrade, EqualOrNewerVersionNeedsNothing) {
    make(templ, 3, "");
    make(company, 3, "");
    EXPECT_FALSE(startup::needsUpgrade(templ, company));
    fs::remove(company);
    make(company, 4, "");
    EXPECT_FALSE(startup::needsUpgrade(templ, company));
}
