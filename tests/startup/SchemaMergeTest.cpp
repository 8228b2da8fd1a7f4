#include "core/startup/SchemaMerge.h"

#include <gtest/gtest.h>

#include "TempDir.h"

using namespace zarion;

namespace {

class SchemaMerge : public ::testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<db::Database> reference = db::Database::create(dir / "reference.db");
    std::unique_ptr<db::Database> target = db::Database::create(dir / "target.db");

    void SetUp() override {
        reference->execScript(R"(
            CREATE TABLE aaverzija (Verzija LONG);
            INSERT INTO aaverzija VALUES (7);
            CREATE TABLE radnici (id_radnik INTEGER PRIMARY KEY AUTOINCREMENT,
                                  Prezime TEXT(50), Ime TEXT(50), tekuci_racun TEXT(30),
                                  koeficijent DOUBLE DEFAULT 0);
            CREATE INDEX idx_radnici_prezime ON radnici(Prezime);
            CREATE TABLE banke (id_banka INTEGER PRIMARY KEY AUTOINCREMENT, banka TEXT(60));
            CREATE TABLE MSysObjects (x LONG);
            CREATE TABLE msysAcl (x LONG);
            CREATE VIEW qradnici AS SELECT id_radnik, Prezime FROM radnici;
            CREATE VIEW "~TMPCLP1" AS SELECT 1;
        )");
        target->execScript(R"(
            CREATE TABLE AAVERZIJA (Verzija LONG);
            INSERT INTO AAVERZIJA VALUES (6);
            CREATE TABLE RADNICI (ID_RADNIK INTEGER PRIMARY KEY AUTOINCREMENT,
                                  PREZIME TEXT(50), ime TEXT(50), koeficijent DOUBLE DEFAULT 0);
            INSERT INTO RADNICI(PREZIME, ime, koeficijent) VALUES ('Jović', 'Ana', 1.5);
            CREATE TABLE banke (id_banka INTEGER PRIMARY KEY AUTOINCREMENT, banka TEXT(60));
            CREATE VIEW QRADNICI AS SELECT 'old' AS stara;
        )");
    }
};

} // namespace

TEST_F(SchemaMerge, ListsExactlyWhatTheTargetLacks) {
    const auto missing = startup::listMissing(*reference, *target);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].table, "radnici");
    EXPECT_EQ(missing[0].field, "tekuci_racun");
    EXPECT_EQ(missing[0].type, "TEXT");
    EXPECT_EQ(missing[0].size, "30");
    EXPECT_FALSE(missing[0].wholeTable);
}

TEST_F(SchemaMerge, AddsTheMissingFieldKeepsTheDataAndWritesTheVersion) {
    startup::mergeSchema(*reference, *target);
    EXPECT_TRUE(startup::listMissing(*reference, *target).empty());
    const auto columns = target->columns("radnici");
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[4].name, "tekuci_racun");
    EXPECT_EQ(columns[4].declType, "TEXT(30)");
    auto st = target->prepare("SELECT prezime, ime, koeficijent, tekuci_racun FROM radnici");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.text(0), "Jović");
    EXPECT_EQ(st.number(2), 1.5);
    EXPECT_TRUE(st.isNull(3));
    EXPECT_EQ(target->scalar("SELECT Verzija FROM aaverzija"), 7);
    EXPECT_EQ(target->scalar("SELECT count(*) FROM aaverzija"), 1);
    EXPECT_EQ(target->indexes().size(), 1u);
}

TEST_F(SchemaMerge, MissingTablesComeWithTheirKeysButMSysTablesNever) {
    target->execScript("DROP TABLE banke");
    const auto missing = startup::listMissing(*reference, *target);
    EXPECT_EQ(missing.size(), 4u); // banke as a table, with its two fields, and tekuci_racun
    startup::mergeSchema(*reference, *target);
    EXPECT_TRUE(target->hasTable("banke"));
    EXPECT_FALSE(target->hasTable("MSysObjects"));
    EXPECT_FALSE(target->hasTable("msysacl"));
    target->run("INSERT INTO banke(banka) VALUES ('Banka Intesa')");
    EXPECT_EQ(target->lastInsertId(), 1); // the counter key works
}

TEST_F(SchemaMerge, ViewsReplaceTheirNamesakesButTmpViewsAreNotCopied) {
    EXPECT_EQ(startup::copyViews(*reference, *target), 1);
    const auto views = target->views();
    ASSERT_EQ(views.size(), 1u);
    EXPECT_EQ(views[0].name, "qradnici");
    auto st = target->prepare("SELECT * FROM qradnici");
    EXPECT_EQ(st.columnCount(), 2);
}

TEST_F(SchemaMerge, EmptyVersionTableGetsARow) {
    target->execScript("DELETE FROM aaverzija");
    startup::mergeSchema(*reference, *target);
    EXPECT_EQ(target->scalar("SELECT Verzija FROM aaverzija"), 7);
}

TEST_F(SchemaMerge, AFailureLeavesTheTargetAsItWas) {
    // A unique index that the target's data breaks makes a late step fail.
    reference->execScript("CREATE UNIQUE INDEX idx_radnici_ime ON radnici(Ime);");
    target->execScript("INSERT INTO radnici(PREZIME, ime) VALUES ('Ilić', 'Ana');");
    EXPECT_THROW(startup::mergeSchema(*reference, *target), db::Error);
    EXPECT_FALSE(target->hasColumn("radnici", "tekuci_racun"));
    EXPECT_EQ(target->scalar("SELECT Verzija FROM aaverzija"), 6);
    EXPECT_EQ(target->scalar("SELECT count(*) FROM radnici"), 2);
    EXPECT_TRUE(target->indexes().empty());
}
