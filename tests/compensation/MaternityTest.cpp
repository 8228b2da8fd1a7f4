// Maternity cases, their calculations and the refund list.
#include <algorithm>
#include <gtest/gtest.h>

#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "compensation/LeaveCompensation.h"
#include "compensation/MaternityCases.h"
#include "compensation/MaternityRefundList.h"

namespace zarion::compensation {
namespace {

Currency din(const char* text) {
    return Currency::parse(text);
}

class MaternityTest : public testing::Test {
protected:
    test::TemplateDatabase db;
    std::int64_t jelena = test::addEmployee(*db, {.surname = "Šćepanović", .name = "Jelena"});
    std::int64_t ana = test::addEmployee(*db, {.surname = "Antić", .name = "Ana"});

    std::int64_t open(std::int64_t employee, Date from, Date to = OpenEnd) {
        return saveMaternityCase(*db, {0, employee, from, to, din("60000"), {}}).value();
    }
    std::vector<std::int64_t> listedIn(int year, int month) {
        std::vector<std::int64_t> ids;
        for (const MaternityCase& c : maternityCasesOfMonth(*db, year, month))
            ids.push_back(c.id_bolovanjePOR);
        return ids;
    }
};

TEST_F(MaternityTest, ACaseIsListedInEveryMonthItOverlaps) {
    const std::int64_t open10March = open(jelena, {2026, 3, 10});
    const std::int64_t closed20April = open(ana, {2026, 1, 5}, {2026, 4, 20});
    EXPECT_EQ(listedIn(2026, 2), std::vector<std::int64_t>{closed20April});
    EXPECT_EQ(listedIn(2026, 3), (std::vector<std::int64_t>{closed20April, open10March}));
    EXPECT_EQ(listedIn(2026, 5), std::vector<std::int64_t>{open10March});

    ASSERT_FALSE(removeMaternityCase(*db, open10March));
    EXPECT_TRUE(listedIn(2026, 5).empty());
    EXPECT_TRUE(removeMaternityCase(*db, 999).has_value());
}

TEST_F(MaternityTest, SavingNeedsAnEmployeeAndKeepsTheAmountOfAnEditedCase) {
    EXPECT_EQ(saveMaternityCase(*db, {0, 0, {2026, 3, 1}, OpenEnd, din("1"), {}}).message(),
              "Niste uneli potrebne podatke!");
    const std::int64_t id = open(jelena, {2026, 3, 10});
    MaternityCase edited = maternityCasesOfMonth(*db, 2026, 3).front();
    edited.datum_zatvaranja = {2026, 9, 30};
    ASSERT_TRUE(saveMaternityCase(*db, edited).ok());
    const MaternityCase stored = maternityCasesOfMonth(*db, 2026, 9).front();
    EXPECT_EQ(stored.id_bolovanjePOR, id);
    EXPECT_EQ(stored.NETO, din("60000"));
    edited.id_bolovanjePOR = 999;
    EXPECT_EQ(saveMaternityCase(*db, edited).message(),
              "GRESKA! Nije pronadjeno otvoreno bolovanje u bazi!");
}

// Two maternity calculations and a sick-leave one of the same employee and month.
class RefundListTest : public MaternityTest {
protected:
    void SetUp() override {
        LeaveCompensationRow a;
        a.ID_RADNIK = jelena;
        a.MEsec = 3;
        a.GODINA = 2026;
        a.porodiljsko = true;
        a.BRUTO = din("100000");
        a.Oslobodjenje = din("25000");
        a.porez_na_zaradu = din("7500");
        a.NETO = din("70000");
        a.solidarni_porez = din("2000");
        a.ukupno_doprinosa = din("19900");
        a.ukupno_doprinosa_F = din("15150");
        postLeaveCompensation(*db, a);
        LeaveCompensationRow sick = a;
        sick.porodiljsko = false;
        sick.BRUTO = din("1");
        postLeaveCompensation(*db, sick);
        LeaveCompensationRow b;
        b.ID_RADNIK = ana;
        b.MEsec = 3;
        b.GODINA = 2026;
        b.porodiljsko = true;
        b.BRUTO = din("20000");
        b.Oslobodjenje = din("25000");
        b.NETO = din("14000");
        b.ukupno_doprinosa = din("3980");
        b.ukupno_doprinosa_F = din("3030");
        postLeaveCompensation(*db, b);
        postLeaveCompensation(*db, b); // posted again: still one row
    }
};

TEST_F(RefundListTest, TheMaternityRowsStandApartFromTheSickLeaveOnes) {
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM bolovanja_obracuni"), 3);
    EXPECT_EQ(leaveCompensationsOfMonth(*db, 2026, 3, LeaveKind::Sick).size(), 1u);
    EXPECT_EQ(loadLeaveCompensation(*db, jelena, 2026, 3, LeaveKind::Maternity)->BRUTO,
              din("100000"));
}

TEST_F(RefundListTest, TotalsTheLinesOfTheMonth) {
    const RefundList list = loadRefundList(*db, 2026, 3);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0].name, "Ana Antić"); // Serbian order: A before Š
    const RefundLine& jelenaLine = list.lines[1];
    EXPECT_EQ(jelenaLine.taxBase, din("75000"));
    EXPECT_EQ(jelenaLine.paid, din("68000"));             // 70,000 − 2,000 solidarity
    EXPECT_EQ(jelenaLine.obligations(), din("110550"));   // 7,500 + 68,000 + 35,050
    EXPECT_EQ(list.lines[0].taxBase, Currency());         // gross below the tax-free amount
    EXPECT_EQ(list.lines[0].obligations(), din("21010")); // 0 + 14,000 + 7,010

    const report::Document doc = refundListReport({}, list);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto texts = doc.pages[0].texts();
    const auto shows = [&](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(shows("SVEGA"));
    EXPECT_TRUE(shows("za mesec: 3/2026"));
    for (const char* total : {"120.000,00", "75.000,00", "7.500,00", "82.000,00", "42.060,00",
                              "131.560,00", "(datum overe)", "10"})
        EXPECT_TRUE(shows(total)) << total;
}

} // namespace
} // namespace zarion::compensation
