// Posting the individual calculation: the row with its own columns, its deductions and advance
// links in one transaction, posting again, post all ticked, cash in hand and the M-4 days.
#include "payroll/IndividualPosting.h"

#include <gtest/gtest.h>

#include "IndividualDb.h"

using namespace zarion;
using namespace zarion::payroll;
using zarion::test::din;

namespace {

struct Posting : ::testing::Test {
    test::IndividualDb db;
    IndividualMonth month = *loadIndividualMonth(db.db(), 2026, 3);
    std::int64_t ana = db.employee("Ilić", {2026, 1, 1});

    IndividualPosting calculated(std::int64_t id) {
        db::Database* history[] = {db.get()};
        auto posting = calculateEmployee(db.db(), history, month, id, {});
        EXPECT_TRUE(posting) << posting.message();
        return *posting;
    }
    std::int64_t post(std::int64_t id, const IndividualPosting& posting) {
        auto posted = postIndividual(db.db(), id, 2026, 3, posting);
        EXPECT_TRUE(posted) << posted.message();
        return posted ? *posted : 0;
    }
};

TEST_F(Posting, WritesTheRowItsDeductionsAndItsAdvanceLinks) {
    db.percentDeduction(ana, 10);
    IndividualPosting p = calculated(ana);
    ASSERT_EQ(p.deductions.size(), 1u);
    EXPECT_EQ(p.deductions[0].Iznos, din("6511")); // 10 % of 65,110.10, whole dinars
    p.advances = {{db.advance(ana, {2026, 3, 10}, din("20000")), {}, {}},
                  {db.advance(ana, {2026, 3, 20}, din("5000")), {}, {}}};
    p.m4Days = 20;
    p.basicNet = din("61000");
    p.cashInHand = din("1000");
    const std::int64_t id = post(ana, p);

    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 1);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM akontacija_obracuni"), 0);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracun_obustava WHERE akontacija = 0"), 1);
    const auto posted = loadPostedIndividual(db.db(), ana, 2026, 3);
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->Id_obracun, id);
    EXPECT_EQ(posted->result.NETO, din("65110.10"));
    EXPECT_EQ(posted->result.BRUTO, din("88000"));
    EXPECT_EQ(posted->result.tekuci_Racun, "160-55-11");
    EXPECT_EQ(posted->osnovna_neto, din("61000"));
    EXPECT_EQ(posted->na_ruke, din("1000"));
    EXPECT_EQ(posted->m4dani, 20);

    const auto advances = linkedAdvances(db.db(), id);
    ASSERT_EQ(advances.size(), 2u);
    EXPECT_EQ(advances[0].Datum, (Date{2026, 3, 10}));
    EXPECT_EQ(advances[1].NETO, din("5000"));
    EXPECT_EQ(advancesTotal(advances), din("25000"));
}

TEST_F(Posting, PostingAgainLeavesOneRowOneSetOfDeductionsAndOfLinks) {
    db.percentDeduction(ana, 10);
    IndividualPosting p = calculated(ana);
    p.advances = {{db.advance(ana, {2026, 3, 10}, din("20000")), {}, {}}};
    const std::int64_t first = post(ana, p);
    p.result.BRUTO = din("90000");
    EXPECT_EQ(post(ana, p), first);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 1);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracun_obustava"), 1);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni_ostale_zarade_veza"), 1);
    EXPECT_EQ(loadPostedIndividual(db.db(), ana, 2026, 3)->result.BRUTO, din("90000"));

    p.advances.clear(); // every advance removed
    post(ana, p);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni_ostale_zarade_veza"), 0);
}

TEST_F(Posting, NotIntoTheAccountPaysTheWholeAmountInHandAndWritesNoAccount) {
    const std::int64_t cash = db.employee("Perić", {2026, 1, 1}, 0, false);
    db.percentDeduction(cash, 10);
    IndividualPosting p = calculated(cash);
    p.cashInHand = din("1");
    post(cash, p);
    const auto posted = loadPostedIndividual(db.db(), cash, 2026, 3);
    EXPECT_EQ(posted->na_ruke, din("65110.10") - din("6511"));
    EXPECT_EQ(posted->result.tekuci_Racun, "");
    EXPECT_FALSE(posted->m4dani);
}

TEST_F(Posting, AFailingPartLeavesNothingBehind) {
    IndividualPosting p = calculated(ana);
    p.advances = {{db.advance(ana, {2026, 3, 10}, din("20000")), {}, {}}};
    db.db().execScript("DROP TABLE obracuni_ostale_zarade_veza");
    const auto posted = postIndividual(db.db(), ana, 2026, 3, p);
    EXPECT_FALSE(posted);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 0);
}

TEST_F(Posting, UnknownEmployeeIsRefused) {
    const auto posted = postIndividual(db.db(), 999, 2026, 3, calculated(ana));
    ASSERT_FALSE(posted);
    EXPECT_EQ(posted.message(), "GRESKA!!!! Nije pronadjen radnik sa unetim ID!");
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 0);
}

TEST_F(Posting, LoadingAPostedMonthCalculatesItFromWhatWasPosted) {
    IndividualPosting p = calculated(ana);
    p.result.broj_sati = 200; // as if the operator had typed 200 hours
    p.m4Days = 12;
    post(ana, p);
    const IndividualPosting again = calculated(ana);
    EXPECT_EQ(again.result.BRUTO, din("100000"));
    EXPECT_EQ(again.m4Days, 12);
}

TEST_F(Posting, PostAllTickedPostsEachAndReportsTheOnesThatFail) {
    const std::int64_t marko = db.employee("Marić", {2020, 1, 1});
    int questions = 0;
    IndividualQuestions ask;
    ask.calculateOnMinimum = [&](const MinimumNetCheck&) {
        return ++questions, true;
    };
    db::Database* history[] = {db.get()};
    const std::int64_t ids[] = {ana, 999, marko};
    const auto failures = postAllTicked(db.db(), history, month, ids, ask);
    ASSERT_EQ(failures.skipped.size(), 1u);
    EXPECT_FALSE(failures.stopped);
    EXPECT_NE(failures.skipped[0].find("Nije pronadjen radnik"), std::string::npos);
    EXPECT_EQ(questions, 1); // Ana is below the minimum; Marko's seniority lifts him over it
    EXPECT_EQ(loadPostedIndividual(db.db(), ana, 2026, 3)->result.NETO, din("65295.99"));

    postAllTicked(db.db(), history, month, ids, ask);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 2);
}

TEST_F(Posting, PostAllTickedAsksBeforeItPricesAgainAMonthItsHoursWouldNotGive) {
    // Ana's month posted with figures her hours and gross do not give (as from a net).
    IndividualPosting typed = calculated(ana);
    typed.result.BRUTO = din("95000");
    typed.result.NETO = din("70000");
    post(ana, typed);
    std::vector<std::string> asked;
    bool reprice = false;
    IndividualQuestions ask;
    ask.calculateOnMinimum = [](const MinimumNetCheck&) {
        return true;
    };
    ask.repriceStale = [&](const std::string& name) {
        asked.push_back(name);
        return reprice;
    };
    db::Database* history[] = {db.get()};
    const std::int64_t ids[] = {ana};
    EXPECT_TRUE(postAllTicked(db.db(), history, month, ids, ask).skipped.empty());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(staleCalculationQuestion(asked[0]).find(asked[0]), std::string::npos);
    EXPECT_EQ(loadPostedIndividual(db.db(), ana, 2026, 3)->result.NETO, din("70000"));

    reprice = true; // priced from 176 h × 500 and raised to the minimum net
    postAllTicked(db.db(), history, month, ids, ask);
    EXPECT_EQ(loadPostedIndividual(db.db(), ana, 2026, 3)->result.NETO, din("65295.99"));
    postAllTicked(db.db(), history, month, ids, ask); // now current: not asked again
    EXPECT_EQ(asked.size(), 2u);

    // The employee the window shows is posted as it shows him, without a question.
    const ShownPosting shown{ana, typed};
    postAllTicked(db.db(), history, month, ids, ask, &shown);
    EXPECT_EQ(loadPostedIndividual(db.db(), ana, 2026, 3)->result.NETO, din("70000"));
    EXPECT_EQ(asked.size(), 2u);
}

// An owner goes through the owner's calculation only: post all keeps his posted month as it is,
// asking nothing, and leaves him out while he has none.
TEST_F(Posting, PostAllTickedNeverPricesAnOwnerAsAnEmployee) {
    const std::int64_t owner = db.employee("Vlasić", {2020, 1, 1});
    db.db().run("UPDATE radnici SET vlasnik = 1 WHERE id_radnik = ?", owner);
    int asked = 0;
    IndividualQuestions ask;
    ask.repriceStale = [&](const std::string&) {
        return ++asked, true;
    };
    db::Database* history[] = {db.get()};
    const std::int64_t ids[] = {owner};
    const auto report = postAllTicked(db.db(), history, month, ids, ask);
    ASSERT_EQ(report.skipped.size(), 1u);
    EXPECT_EQ(report.skipped[0], "Vlasić Ana: " + ownerCalculatedAloneMessage());
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 0);

    IndividualPosting byOwnerRates = calculated(ana);
    byOwnerRates.result.BRUTO = din("120000");
    byOwnerRates.result.NETO = din("81000");
    post(owner, byOwnerRates);
    EXPECT_TRUE(postAllTicked(db.db(), history, month, ids, ask).skipped.empty());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(loadPostedIndividual(db.db(), owner, 2026, 3)->result.NETO, din("81000"));
}

TEST_F(Posting, ALoanInAForeignCurrencyWithoutARateLeavesTheEmployeeOut) {
    db.db().run("INSERT INTO obustaveproc(obustava, procenat, Tip, tekuci_Racun, zbirno_placanje) "
                "VALUES ('Banka', 0, 3, '205-1', 1)");
    db.db().run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj, valuta, "
                "Iznos) VALUES (?, ?, ?, ?, 2, 100)",
                db.db().lastInsertId(), ana, Date{2026, 1, 1}, Date{2099, 12, 31}); // CHF
    db::Database* history[] = {db.get()};
    const std::int64_t ids[] = {ana};
    const auto failures = postAllTicked(db.db(), history, month, ids, {});
    ASSERT_EQ(failures.skipped.size(), 1u);
    EXPECT_EQ(failures.skipped[0],
              "Ilić Ana: Nije unet kurs za CHF za mesec 03.2026! Obracun radnika nije moguc.");
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracuni"), 0);
}

TEST(CashInHand, MayNotExceedTheAmountToPay) {
    EXPECT_EQ(*checkCashInHand(din("100"), din("100")), din("100"));
    const auto tooMuch = checkCashInHand(din("100.01"), din("100"));
    ASSERT_FALSE(tooMuch);
    EXPECT_EQ(tooMuch.message(), "Iznos 'na ruke' ne može biti veći od iznosa za isplatu!");
}

TEST(M4Days, AreAWholeNumberOfDaysOfTheMonth) {
    EXPECT_EQ(m4DaysOf(din("28"), 2026, 2), 28);
    EXPECT_EQ(m4DaysOf(din("1"), 2026, 3), 1);
    EXPECT_FALSE(m4DaysOf(din("29"), 2026, 2));
    EXPECT_EQ(m4DaysOf(din("29"), 2028, 2), 29);
    EXPECT_FALSE(m4DaysOf(din("0"), 2026, 3));
    EXPECT_FALSE(m4DaysOf(din("10.5"), 2026, 3));
    EXPECT_FALSE(m4DaysOf(din("-3"), 2026, 3));
    EXPECT_EQ(m4DaysText(std::nullopt), "0 - dana");
    EXPECT_EQ(m4DaysText(15), "15 - dana");
}

} // namespace
