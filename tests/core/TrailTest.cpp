// The history of changes: what each kind of change leaves, and that no entry can be rewritten.
#include "core/trail/Trail.h"

#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "core/trail/History.h"

namespace zarion::test {
namespace {

struct Stored {
    std::string kind;
    std::string table;
    std::string operatorName;
    std::string command;
    std::string changes;
    std::string reason;
};

Stored lastEntry(db::Database& db) {
    db::Statement st = db.prepare("SELECT vrsta, tabela, operater, komanda, promene, razlog "
                                  "FROM istorija_promena ORDER BY id_istorija DESC LIMIT 1");
    if (!st.step())
        return {};
    return {st.text(0), st.text(1), st.text(2), st.text(3), st.text(4), st.text(5)};
}

// One change of a register row: the statement, the kind it is recorded as and the columns
// with their values before and after, as the entry must hold them (amounts in dinars).
struct RowChange {
    const char* sql;
    const char* kind;
    const char* table;
    const char* changes;
};

class RegisterChanges : public ::testing::TestWithParam<RowChange> {};

TEST_P(RegisterChanges, LeaveOneEntryWithTheColumnsBeforeAndAfter) {
    TemplateDatabase db;
    db->execScript(
        "INSERT INTO radnici (id_radnik, Prezime, Ime) VALUES (7, 'Jović', 'Ana');"
        "INSERT INTO obustaveproc (id_obustava_proc, obustava, Tip) VALUES (3, 'Sindikat', 1);"
        "INSERT INTO obustave_radnici (id_or, ID_RADNIK, id_obustava, Iznos) "
        "VALUES (9, 7, 3, 1500);"
        "INSERT INTO parametri (porez_zarade, iznos_poreskog_oslobojenja) VALUES (10, 250000000);"
        "INSERT INTO postavke (nacin_obracuna) VALUES (1);");
    trail::setActor(*db, {"Ana Jović", "Zaposleni"});
    db->execScript(GetParam().sql);
    const Stored entry = lastEntry(*db);
    EXPECT_EQ(entry.kind, GetParam().kind);
    EXPECT_EQ(entry.table, GetParam().table);
    EXPECT_EQ(entry.changes, GetParam().changes);
    EXPECT_EQ(entry.operatorName, "Ana Jović");
    EXPECT_EQ(entry.command, "Zaposleni");
}

INSTANTIATE_TEST_SUITE_P(
    Trail, RegisterChanges,
    ::testing::Values(
        RowChange{"INSERT INTO radnici (id_radnik, Prezime, Ime, vlasnik) VALUES (8, 'Ilić', "
                  "'Iva', 0)",
                  "unos", "radnici",
                  R"({"id_radnik":[null,8],"Prezime":[null,"Ilić"],"Ime":[null,"Iva"],)"
                  R"("isplata_preko_racuna":[null,0],"nije_u_ro":[null,0],)"
                  R"("na_odredjeno":[null,0],"vlasnik":[null,0]})"},
        RowChange{"UPDATE radnici SET Ime = 'Ana Marija', KOEFICIJENT = 2.5 WHERE id_radnik = 7",
                  "izmena", "radnici", R"({"Ime":["Ana","Ana Marija"],"KOEFICIJENT":[null,2.5]})"},
        RowChange{"DELETE FROM obustave_radnici WHERE id_or = 9", "brisanje", "obustave_radnici",
                  R"({"id_or":[9,null],"id_obustava":[3,null],"ID_RADNIK":[7,null],)"
                  R"("Iznos":[1500.0,null]})"},
        RowChange{"UPDATE obustaveproc SET procenat = 1.5 WHERE id_obustava_proc = 3", "izmena",
                  "obustaveproc", R"({"procenat":[null,1.5]})"},
        RowChange{"UPDATE parametri SET iznos_poreskog_oslobojenja = 280000000", "izmena",
                  "parametri", R"({"iznos_poreskog_oslobojenja":[25000.0,28000.0]})"},
        RowChange{"UPDATE postavke SET nacin_obracuna = 0", "izmena", "postavke",
                  R"({"nacin_obracuna":[1,0]})"}));

// Each posting, re-posting and deletion of a salary: one entry with the gross and net.
struct Posting {
    const char* table;
    const char* sql;
    const char* kind;
    const char* changes;
};

class SalaryPostings : public ::testing::TestWithParam<Posting> {};

TEST_P(SalaryPostings, LeaveTheGrossAndNetBeforeAndAfter) {
    TemplateDatabase db;
    const std::string table = GetParam().table;
    db->run("INSERT INTO " + table +
            " (Id_obracun, ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
            "VALUES (4, 7, 3, 2026, 1000000000, 700000000)");
    db->execScript(std::string(GetParam().sql));
    const auto entries = trail::loadHistory(*db, {});
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().kind, GetParam().kind);
    EXPECT_EQ(entries.back().table, table);
    EXPECT_EQ(trail::changesText(entries.back().changes), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Trail, SalaryPostings,
    ::testing::Values(Posting{"obracuni", "SELECT 1", "knjizenje",
                              "BRUTO:  -> 100.000,00; NETO:  -> 70.000,00"},
                      Posting{"akontacija_obracuni",
                              "UPDATE akontacija_obracuni SET BRUTO = 1100000000, NETO = 770000000",
                              "ponovno_knjizenje",
                              "BRUTO: 100.000,00 -> 110.000,00; NETO: 70.000,00 -> 77.000,00"},
                      Posting{"obracuni", "DELETE FROM obracuni", "brisanje_obracuna",
                              "BRUTO: 100.000,00 -> ; NETO: 70.000,00 -> "}));

// A salary's entry carries the time the program stated as the posting began; a posting inside a
// run gives way to the run's time again; a salary posted outside the program has no time.
TEST(Trail, APostingCarriesTheTimeThePostingBegan) {
    TemplateDatabase db;
    const auto entryTime = [&] {
        db::Statement st =
            db->prepare("SELECT vreme FROM istorija_promena ORDER BY id_istorija DESC LIMIT 1");
        st.step();
        return st.isNull(0) ? std::string("(none)") : st.text(0);
    };
    const auto post = [&](int employee) {
        db->run("INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA) VALUES (?, 3, 2026)", employee);
    };
    const std::string runBegan = "2026-04-02 08:15:00";
    db->run("UPDATE istorija_kontekst SET vreme = ?", runBegan);
    {
        const trail::PostingTime posting(*db);
        post(7);
        EXPECT_NE(entryTime(), runBegan);
        EXPECT_EQ(entryTime().size(), runBegan.size());
    }
    post(8);
    EXPECT_EQ(entryTime(), runBegan);
    db->run("UPDATE istorija_kontekst SET vreme = NULL");
    post(9);
    EXPECT_EQ(entryTime(), "(none)");
}

TEST(Trail, NoEntryCanBeChangedOrRemovedThroughSql) {
    TemplateDatabase db;
    trail::Entry exported;
    exported.kind = trail::kind::Exported;
    exported.description = "ppppd.xml";
    trail::record(*db, exported);
    EXPECT_THROW(db->run("UPDATE istorija_promena SET opis = 'drugo'"), db::Error);
    EXPECT_THROW(db->run("DELETE FROM istorija_promena"), db::Error);
    EXPECT_EQ(db.count("SELECT count(*) FROM istorija_promena WHERE opis = 'ppppd.xml'"), 1);
}

TEST(Trail, TheHistoryShowsAmountsInSerbianFormAndFiltersByEmployeeAndKind) {
    TemplateDatabase db;
    db->execScript("INSERT INTO radnici (id_radnik, Prezime, Ime) VALUES (7, 'Jović', 'Ana');"
                   "INSERT INTO radnici (id_radnik, Prezime, Ime) VALUES (8, 'Ilić', 'Iva');"
                   "INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
                   "VALUES (7, 3, 2026, 12345670000, 700000000);"
                   "INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
                   "VALUES (8, 4, 2026, 1, 1);");
    trail::HistoryFilter filter;
    filter.year = 2026;
    filter.employeeId = 7;
    filter.kind = trail::kind::Posted;
    const auto entries = trail::loadHistory(*db, filter);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].employeeName, "Jović Ana");
    EXPECT_EQ(entries[0].month, 3);
    EXPECT_EQ(trail::changesText(entries[0].changes),
              "BRUTO:  -> 1.234.567,00; NETO:  -> 70.000,00");
    filter.employeeId = 0;
    filter.monthFrom = filter.monthTo = 4;
    EXPECT_EQ(trail::loadHistory(*db, filter).size(), 1u);
}

} // namespace
} // namespace zarion::test
