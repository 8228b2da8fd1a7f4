#include <string>
#include <vector>

#include "DbFixture.h"

namespace zarion::test {
namespace {

class Schema : public DbTest {
protected:
    Schema() {
        db->execScript(
            "CREATE TABLE obracuni (id_obracun COUNTER PRIMARY KEY, id_radnik LONG NOT NULL,"
            " mesec INTEGER DEFAULT 1, neto CURRENCY, sifra TEXT(9) UNIQUE);"
            "CREATE INDEX ix_obracuni_radnik ON obracuni (id_radnik, mesec);"
            "CREATE VIEW neto_po_radniku AS SELECT id_radnik, SUM(neto) AS neto FROM obracuni"
            " GROUP BY id_radnik;"
            "INSERT INTO radnici (ime) VALUES ('Ana');" // fills sqlite_sequence
            "ANALYZE;");                                // makes sqlite_stat1
    }

    template <typename T> static std::vector<std::string> names(const std::vector<T>& objects) {
        std::vector<std::string> result;
        for (const auto& o : objects)
            result.push_back(o.name);
        return result;
    }
};

TEST_F(Schema, TablesAreTheUserTablesOnly) {
    EXPECT_EQ(db->tables(), (std::vector<std::string>{"radnici", "obracuni"}));
    EXPECT_TRUE(db->hasTable("OBRACUNI"));
    EXPECT_TRUE(db->hasTable("Radnici"));
    EXPECT_FALSE(db->hasTable("neto_po_radniku")) << "a view is no table";
    EXPECT_FALSE(db->hasTable("sqlite_sequence"));
    EXPECT_FALSE(db->hasTable("nema"));
}

TEST_F(Schema, ColumnsCarryTheirDeclaredTypes) {
    const auto columns = db->columns("OBRACUNI");
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(names(columns),
              (std::vector<std::string>{"id_obracun", "id_radnik", "mesec", "neto", "sifra"}));
    EXPECT_EQ(columns[0].declType, "COUNTER");
    EXPECT_EQ(columns[0].primaryKeyPosition, 1);
    EXPECT_EQ(columns[1].declType, "LONG");
    EXPECT_TRUE(columns[1].notNull);
    EXPECT_EQ(columns[2].declType, "INTEGER");
    EXPECT_EQ(columns[2].defaultValue, "1");
    EXPECT_FALSE(columns[2].notNull);
    EXPECT_EQ(columns[3].declType, "CURRENCY");
    EXPECT_EQ(columns[3].defaultValue, "");
    EXPECT_EQ(columns[4].declType, "TEXT(9)");
    EXPECT_EQ(columns[4].primaryKeyPosition, 0);

    EXPECT_EQ(db->columns("radnici")[6].name, "MEsec");
    EXPECT_TRUE(db->hasColumn("radnici", "mesec"));
    EXPECT_TRUE(db->hasColumn("RADNICI", "Id_Radnik"));
    EXPECT_FALSE(db->hasColumn("radnici", "godina"));
    EXPECT_TRUE(db->columns("nema").empty());
}

TEST_F(Schema, IndexesAreTheCreatedOnesOnly) {
    const auto indexes = db->indexes();
    ASSERT_EQ(names(indexes), (std::vector<std::string>{"ix_obracuni_radnik"}));
    EXPECT_EQ(indexes[0].tableName, "obracuni");
    EXPECT_EQ(indexes[0].sql, "CREATE INDEX ix_obracuni_radnik ON obracuni (id_radnik, mesec)");
}

TEST_F(Schema, ViewsAreListedWithTheirQuery) {
    const auto views = db->views();
    ASSERT_EQ(names(views), (std::vector<std::string>{"neto_po_radniku"}));
    EXPECT_NE(views[0].sql.find("SUM(neto)"), std::string::npos) << views[0].sql;
    const auto columns = db->columns("neto_po_radniku");
    EXPECT_EQ(names(columns), (std::vector<std::string>{"id_radnik", "neto"}));
}

} // namespace
} // namespace zarion::test
