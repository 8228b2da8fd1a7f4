// Filed months: a calculation of a month whose return has been filed changes only with a reason
// given under the access code, and both the change and the mark's lifting are recorded.
#include "core/trail/FiledMonths.h"

#include <fstream>
#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "core/db/Triggers.h"
#include "core/startup/SchemaMerge.h"
#include "core/trail/Trail.h"

namespace zarion::test {
namespace {

constexpr const char* Post = "INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
                             "VALUES (7, 3, 2026, 10, 10)";

// Which filed payment locks which calculation of the month.
struct Lock {
    int filedPayment;
    CalculationKind kind;
    bool locked;
};

class FiledPayments : public ::testing::TestWithParam<Lock> {};

TEST_P(FiledPayments, LockTheirOwnCalculations) {
    TemplateDatabase db;
    trail::markFiled(*db, 2026, 3, GetParam().filedPayment, {});
    EXPECT_EQ(trail::needsPermit(*db, GetParam().kind, 2026, 3), GetParam().locked);
    EXPECT_FALSE(trail::needsPermit(*db, GetParam().kind, 2026, 4));
    const std::string table =
        GetParam().kind == CalculationKind::Final ? "obracuni" : "akontacija_obracuni";
    if (GetParam().locked)
        EXPECT_THROW(
            db->run("INSERT INTO " + table + " (ID_RADNIK, MEsec, GODINA) VALUES (7, 3, 2026)"),
            db::Error);
    else
        EXPECT_NO_THROW(
            db->run("INSERT INTO " + table + " (ID_RADNIK, MEsec, GODINA) VALUES (7, 3, 2026)"));
}

INSTANTIATE_TEST_SUITE_P(FiledMonths, FiledPayments,
                         ::testing::Values(Lock{0, CalculationKind::Final, true},
                                           Lock{2, CalculationKind::Final, true},
                                           Lock{1, CalculationKind::Final, false},
                                           Lock{1, CalculationKind::Advance, true},
                                           Lock{2, CalculationKind::Advance, true},
                                           Lock{0, CalculationKind::Advance, false}));

// A posting, a re-posting and a deletion of a filed month: refused without a reason, stored
// with one, and the reason goes into the entry.
TEST(FiledMonths, ChangesTakeAReasonAndRecordIt) {
    TemplateDatabase db;
    db->run(Post);
    trail::markFiled(*db, 2026, 3, 0, {});
    const std::string withReason =
        "SELECT count(*) FROM istorija_promena WHERE razlog = 'ispravka sata rada'";
    for (const char* sql : {Post, "UPDATE obracuni SET NETO = 20 WHERE Id_obracun = 1",
                            "DELETE FROM obracuni WHERE Id_obracun = 1"}) {
        SCOPED_TRACE(sql);
        const auto entries = db.count("SELECT count(*) FROM istorija_promena");
        EXPECT_THROW(db->run(sql), db::Error);
        EXPECT_EQ(db.count("SELECT count(*) FROM istorija_promena"), entries);
        const auto reasoned = db.count(withReason);
        {
            const trail::Permit permit(*db, "ispravka sata rada");
            EXPECT_NO_THROW(db->run(sql));
        }
        EXPECT_EQ(db.count(withReason), reasoned + 1);
        // the reason ends with the permit
        EXPECT_THROW(db->run(Post), db::Error);
    }
}

// A refused posting or re-posting takes the rest of its transaction with it: nothing of the
// operation it came in stays.
TEST(FiledMonths, ARefusedPostingUndoesItsWholeTransaction) {
    TemplateDatabase db;
    trail::markFiled(*db, 2026, 3, 0, {});
    db::Transaction tx(*db);
    db->run("INSERT INTO radnici (id_radnik, Prezime) VALUES (9, 'Novak')");
    EXPECT_THROW(db->run(Post), db::Error);
    EXPECT_THROW(tx.commit(), db::Error);
    EXPECT_EQ(db.count("SELECT count(*) FROM radnici WHERE id_radnik = 9"), 0);
}

TEST(FiledMonths, LiftingTheMarkTakesAReasonAndIsRecorded) {
    TemplateDatabase db;
    trail::markFiled(*db, 2026, 3, 2, {});
    EXPECT_TRUE(trail::unmarkFiled(*db, 2026, 3, 2).has_value());
    {
        const trail::Permit permit(*db, "pogresno predat");
        EXPECT_FALSE(trail::unmarkFiled(*db, 2026, 3, 2).has_value());
    }
    EXPECT_FALSE(trail::needsPermit(*db, CalculationKind::Final, 2026, 3));
    EXPECT_EQ(db.count("SELECT count(*) FROM istorija_promena WHERE vrsta = 'povucen_mesec' "
                       "AND mesec = 3 AND godina = 2026 AND razlog = 'pogresno predat'"),
              1);
}

TEST(FiledMonths, TheExportMarksWithTheFileAndItsChecksum) {
    TemplateDatabase db;
    const auto file = db.folder() / "ppppd.xml";
    std::ofstream(file, std::ios::binary) << "abc";
    trail::recordExport(*db, "PPP-PD", {file}, 2026, 3);
    trail::markFiled(*db, 2026, 3, 2, {file});
    const auto filed = trail::filedReturns(*db, 2026);
    ASSERT_EQ(filed.size(), 1u);
    EXPECT_EQ(filed[0].file, file.string());
    // SHA-256 of "abc", the standard's own example
    EXPECT_EQ(filed[0].checksum,
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(db.count("SELECT count(*) FROM istorija_promena WHERE vrsta = 'izvoz' AND "
                       "opis LIKE 'PPP-PD%ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb41"
                       "0ff61f20015ad'"),
              1);
    EXPECT_EQ(db.count("SELECT count(*) FROM istorija_promena WHERE vrsta = 'predat_mesec'"), 1);
}

TEST(FiledMonths, TheSchemaMergeBringsTheHistoryIntoAnOlderBaseAndRecordsItself) {
    TemplateDatabase reference("reference.db");
    TemplateDatabase older;
    for (const db::SchemaObject& trigger : db::triggers(*older))
        older->execScript("DROP TRIGGER \"" + trigger.name + "\"");
    older->execScript("DROP TABLE istorija_promena; DROP TABLE istorija_kontekst; "
                      "DROP TABLE predati_meseci; UPDATE aaverzija SET Verzija = 1");
    startup::mergeSchema(*reference, *older);
    EXPECT_EQ(db::triggers(*older).size(), db::triggers(*reference).size());
    EXPECT_EQ(older.count("SELECT count(*) FROM istorija_promena WHERE vrsta = 'sema' AND "
                          "opis = 'Verzija 1 -> 4'"),
              1);
    older->run("INSERT INTO radnici (Prezime) VALUES ('Novi')");
    EXPECT_EQ(older.count("SELECT count(*) FROM istorija_promena WHERE tabela = 'radnici'"), 1);
}

} // namespace
} // namespace zarion::test
