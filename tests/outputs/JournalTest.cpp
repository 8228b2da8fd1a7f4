#include <gtest/gtest.h>

#include "BooksMonth.h"
#include "TempDir.h"
#include "core/startup/DatabaseFiles.h"
#include "outputs/JournalEntry.h"
#include "outputs/JournalPosting.h"
#include "outputs/JournalSettings.h"

namespace zarion::outputs {
namespace {

using test::din;

class Journal : public ::testing::Test {
protected:
    Journal() {
        month.db->run(
            "INSERT INTO konto(konto, Opis) VALUES ('520', 'Troškovi zarada'), "
            "('450', 'Obaveze za neto zarade'), ('45000001', 'Neto - minimalna osnovica')");
        settings.scheme = PostingScheme::Free;
        for (std::size_t i = 0; i < JournalItemCount; ++i) {
            settings.debit[i] = "520";
            settings.credit[i] = "45" + std::to_string(i);
        }
        settings.credit[0] = "450";
    }
    std::int64_t rows(const char* table) {
        return month.db->scalar(std::string("SELECT count(*) FROM ") + table).value_or(-1);
    }

    test::BooksMonth month;
    PayrollList list = month.list();
    JournalSettings settings;
};

TEST_F(Journal, SettingsNeedASchemeAndAreKeptInTheOneRow) {
    JournalSettings none = settings;
    none.scheme.reset();
    EXPECT_EQ(saveJournalSettings(*month.db, none)->message,
              "Izaberite predefinisani tip knjiženja!");
    EXPECT_EQ(rows("gk_nalog"), 0);

    settings.journalType = 12;
    EXPECT_FALSE(saveJournalSettings(*month.db, settings));
    settings.scheme = PostingScheme::Second;
    EXPECT_FALSE(saveJournalSettings(*month.db, settings));
    EXPECT_EQ(rows("gk_nalog"), 1);
    const JournalSettings loaded = loadJournalSettings(*month.db);
    EXPECT_EQ(loaded.scheme, PostingScheme::Second);
    EXPECT_EQ(loaded.journalType, 12);
    EXPECT_EQ(loaded.credit[12], "4512");
    EXPECT_EQ(month.db->scalar("SELECT count(*) FROM gk_nalog WHERE P_NEZ_PRED = '4512'"), 1);
}

TEST_F(Journal, TheFreeMappingGivesEachItemADebitAndACreditLine) {
    const JournalEntry entry = buildJournal(*month.db, settings, list, false);
    ASSERT_EQ(entry.items.size(), 13u) << "the list has an owner";
    const JournalItem& net = entry.items[0];
    EXPECT_EQ(net.label, "Obaveze za NETO");
    EXPECT_EQ(net.amount, din("95000"));
    EXPECT_EQ(net.debitName, "Troškovi zarada");
    EXPECT_EQ(net.creditName, "Obaveze za neto zarade");
    EXPECT_EQ(entry.items[2].amount, din("12982.30")); // the employer's pension of the two
    EXPECT_EQ(entry.items[8].amount, din("100000"));   // the owner's net

    // twelve items carry an amount: the employer's unemployment contribution is 0
    ASSERT_EQ(entry.lines.size(), 24u);
    EXPECT_EQ(entry.lines[0].konto, "520");
    EXPECT_EQ(entry.lines[0].duguje, din("95000"));
    EXPECT_EQ(entry.lines[1].konto, "450");
    EXPECT_EQ(entry.lines[1].potrazuje, din("95000"));
    EXPECT_EQ(entry.lines[1].opis_konta, "Obaveze za neto zarade");
    Currency debit;
    Currency credit;
    for (const JournalLine& line : entry.lines) {
        debit += line.duguje;
        credit += line.potrazuje;
    }
    EXPECT_EQ(debit, credit);
    // every amount of the list but the owner's employer contributions, which no item carries
    EXPECT_EQ(debit, din("287491.18"));
}

TEST_F(Journal, TheCustomersNetIsCreditedEmployeeByEmployee) {
    const JournalEntry entry = buildJournal(*month.db, settings, list, true);
    ASSERT_GE(entry.lines.size(), 3u);
    EXPECT_EQ(entry.lines[1].analitika, std::to_string(month.anić));
    EXPECT_EQ(entry.lines[1].potrazuje, din("55000"));
    EXPECT_EQ(entry.lines[1].fullAccount(), "450-" + std::to_string(month.anić));
    EXPECT_EQ(entry.lines[2].potrazuje, din("40000"));
    EXPECT_EQ(entry.lines.size(), 25u);
}

TEST_F(Journal, TheFirstSchemeBooksEachNetAndTheMonthsTotals) {
    settings.scheme = PostingScheme::First;
    const JournalEntry entry = buildJournal(*month.db, settings, list, false);
    EXPECT_TRUE(entry.items.empty());
    struct Expected {
        const char* konto;
        const char* debit;
        const char* credit;
    };
    const Expected expected[] = {
        {"45000000", "0", "55000"},    {"45000001", "0", "40000"},    {"45100000", "0", "18000"},
        {"45200000", "0", "54823"},    {"45300000", "0", "40575.18"}, {"52000000", "129823", "0"},
        {"52100000", "19668.18", "0"}, {"52400000", "58907", "0"},
    };
    ASSERT_EQ(entry.lines.size(), std::size(expected));
    for (std::size_t i = 0; i < entry.lines.size(); ++i) {
        SCOPED_TRACE(expected[i].konto);
        EXPECT_EQ(entry.lines[i].konto, expected[i].konto);
        EXPECT_EQ(entry.lines[i].duguje, din(expected[i].debit));
        EXPECT_EQ(entry.lines[i].potrazuje, din(expected[i].credit));
    }
    EXPECT_EQ(entry.lines[1].opis_konta, "Neto - minimalna osnovica");
}

TEST_F(Journal, TheSecondAndThirdSchemesBalance) {
    for (PostingScheme scheme : {PostingScheme::Second, PostingScheme::Third}) {
        settings.scheme = scheme;
        const JournalEntry entry = buildJournal(*month.db, settings, list, false);
        Currency debit;
        Currency credit;
        for (const JournalLine& line : entry.lines) {
            debit += line.duguje;
            credit += line.potrazuje;
        }
        EXPECT_EQ(debit, din("308398.18"));
        EXPECT_EQ(credit, din("308398.18"));
    }
}

class JournalPostings : public Journal {
protected:
    JournalOrder order{{3, "Plate"}, "PL", 5, "Zarade maj", {2026, 6, 4}, 2026, 5};
    std::vector<JournalLine> lines = buildJournal(*month.db, settings, list, false).lines;
};

TEST_F(JournalPostings, PostingTheSameOrderAgainReplacesIt) {
    JournalOrder none = order;
    none.type = {};
    EXPECT_EQ(postToGeneralJournal(*month.db, none, lines)->message,
              "Niste izabrali tip naloga za knjizenje!");
    EXPECT_EQ(rows("Nalogzaknjizenje_opsti"), 0);

    EXPECT_FALSE(postToGeneralJournal(*month.db, order, lines));
    EXPECT_FALSE(postToGeneralJournal(*month.db, order, lines));
    EXPECT_EQ(rows("Nalogzaknjizenje_opsti"), 24);
    EXPECT_EQ(rows("NalogZaKnjizenje"), 1);
    db::Statement first = month.db->prepare(
        "SELECT id_tip_naloga, konto, Nalog, podnalog, Opis, duguje, Datum, brojdokumenta "
        "FROM Nalogzaknjizenje_opsti ORDER BY rowid LIMIT 1");
    ASSERT_TRUE(first.step());
    EXPECT_EQ(first.integer(0), 3);
    EXPECT_EQ(first.text(1), "520");
    EXPECT_EQ(first.text(2), "PL");
    EXPECT_EQ(first.integer(3), 5);
    EXPECT_EQ(first.text(4), "Zarade maj - Obaveze za NETO");
    EXPECT_EQ(first.money(5), din("95000"));
    EXPECT_EQ(first.date(6), (Date{2026, 6, 4}));

    lines[3].konto.clear();
    EXPECT_EQ(postToGeneralJournal(*month.db, order, lines)->message,
              "Nisu podešena konta naloga za knjiženje!");
    EXPECT_EQ(rows("Nalogzaknjizenje_opsti"), 24);
    lines[3].konto = "451";

    order.number = 6; // another sub-order stands beside it
    EXPECT_FALSE(postToGeneralJournal(*month.db, order, lines));
    EXPECT_EQ(rows("Nalogzaknjizenje_opsti"), 48);
}

TEST_F(JournalPostings, APostingThatFailsHalfwayLeavesTheEarlierOneWhole) {
    EXPECT_FALSE(postToGeneralJournal(*month.db, order, lines));
    for (const std::string table : {"Nalogzaknjizenje_opsti", "k2_glavna_knjiga"})
        month.db->execScript("CREATE TRIGGER full_" + table + " BEFORE INSERT ON " + table +
                             " WHEN NEW.konto = '455' BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_THROW(postToGeneralJournal(*month.db, order, lines), db::Error);
    EXPECT_EQ(rows("Nalogzaknjizenje_opsti"), 24);
    EXPECT_THROW(postToSecondLedger(*month.db, order, lines), db::Error);
    EXPECT_EQ(rows("k2_glavna_knjiga"), 0);
}

TEST_F(JournalPostings, TheSecondLedgerNamesTheDayAndThePayrollMonth) {
    EXPECT_FALSE(secondLedgerInUse(*month.db));
    month.db->run("INSERT INTO k2_kontrol(podesavanje, aktivno) VALUES ('KNJIZENJE2', 1)");
    EXPECT_TRUE(secondLedgerInUse(*month.db));
    EXPECT_FALSE(postToSecondLedger(*month.db, order, lines));
    db::Statement first = month.db->prepare(
        "SELECT id_nalog, Nalog, podnalog, Opis, ceokonto FROM k2_glavna_knjiga ORDER BY rowid");
    ASSERT_TRUE(first.step());
    EXPECT_EQ(first.integer(0), 3);
    EXPECT_EQ(first.text(1), "Plate");
    EXPECT_EQ(first.text(2), "0604");
    EXPECT_EQ(first.text(3), "Obr.zarada za: 5/2026");
    EXPECT_EQ(first.text(4), "520");
}

TEST(JournalTypes, AtMostAHundredAreListed) {
    test::TempDir dir;
    auto schemes = startup::createAccountSchemes(dir.path() / "KoSheme2.db");
    db::Transaction tx(*schemes);
    for (int id = 1; id <= 101; ++id)
        schemes->run("INSERT INTO nalozi(id_nalog, Opis) VALUES (?, 'Nalog')", id);
    tx.commit();
    const auto types = journalTypes(*schemes);
    ASSERT_EQ(types.size(), 100u);
    EXPECT_EQ(types[0].caption(), "1 - Nalog");
}

} // namespace
} // namespace zarion::outputs
