// The register of long sick leaves, what the month's calculation starts from, posting, and the
// batch window's employee list, on a database made from the template.
#include <gtest/gtest.h>

#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "compensation/SickLeavePosting.h"
#include "payroll/BatchMonth.h"

namespace zarion::compensation {
namespace {

using test::addEmployee;

class SickLeaveCases : public ::testing::Test {
protected:
    std::int64_t leave(std::int64_t employee, Date from, Date to, Currency net = 50001_din) {
        const auto saved = saveCase(*db, LeaveKind::SickLeave, {0, employee, {}, from, to, net});
        EXPECT_TRUE(saved.ok()) << saved.message();
        return saved.ok() ? *saved : 0;
    }
    std::vector<std::int64_t> listedIn(int year, int month) {
        std::vector<std::int64_t> ids;
        for (const LeaveCase& c : casesOfMonth(*db, LeaveKind::SickLeave, year, month))
            ids.push_back(c.id);
        return ids;
    }

    test::TemplateDatabase db;
    std::int64_t marko = addEmployee(*db, {.surname = "Šaković", .name = "Marko"});
    std::int64_t ana = addEmployee(*db, {.surname = "Anić", .name = "Ana"});
};

TEST_F(SickLeaveCases, AreListedInEveryMonthTheyOverlapInSerbianOrder) {
    const auto open = leave(marko, {2026, 3, 10}, openLeaveEnd());
    const auto april = leave(ana, {2026, 2, 1}, {2026, 4, 20});
    EXPECT_EQ(listedIn(2026, 2), std::vector<std::int64_t>{april});
    EXPECT_EQ(listedIn(2026, 3), (std::vector<std::int64_t>{april, open})); // Anić before Šaković
    EXPECT_EQ(listedIn(2026, 4), (std::vector<std::int64_t>{april, open}));
    EXPECT_EQ(listedIn(2026, 5), std::vector<std::int64_t>{open});
    EXPECT_EQ(listedIn(2027, 12), std::vector<std::int64_t>{open});
    const auto cases = casesOfMonth(*db, LeaveKind::SickLeave, 2026, 3);
    EXPECT_EQ(cases[1].name, "Šaković Marko");
    EXPECT_EQ(removalQuestion(cases[1]), "Da li ste sigurni da zelite da obrisete bolovanje: "
                                         "Šaković Marko od:10.03.2026 do:31.12.2099");
    // a case in the other register is not one of these
    ASSERT_TRUE(
        saveCase(*db, LeaveKind::Maternity, {0, ana, {}, {2026, 1, 1}, openLeaveEnd(), {}}));
    EXPECT_EQ(listedIn(2026, 5), std::vector<std::int64_t>{open});
}

TEST_F(SickLeaveCases, AreSavedWithAnEmployeeAndRemovedByTheirFlag) {
    EXPECT_EQ(
        saveCase(*db, LeaveKind::SickLeave, {0, 0, {}, {2026, 3, 1}, openLeaveEnd(), {}}).message(),
        "Niste uneli potrebne podatke!");
    const auto id = leave(marko, {2026, 3, 1}, openLeaveEnd());
    ASSERT_TRUE(saveCase(*db, LeaveKind::SickLeave,
                         {id, marko, {}, {2026, 3, 1}, {2026, 5, 31}, 60000_din}));
    EXPECT_EQ(casesOfMonth(*db, LeaveKind::SickLeave, 2026, 6).size(), 0u);
    EXPECT_EQ(casesOfMonth(*db, LeaveKind::SickLeave, 2026, 5)[0].NETO, 60000_din);

    EXPECT_FALSE(removeCase(*db, LeaveKind::SickLeave, id));
    EXPECT_EQ(db.count("SELECT count(*) FROM bolovanja WHERE obrisano <> 0"), 1);
    EXPECT_TRUE(listedIn(2026, 4).empty());
    EXPECT_EQ(removeCase(*db, LeaveKind::SickLeave, id)->message,
              "Greska kod pronalazenja bolovanja!");
    EXPECT_EQ(saveCase(*db, LeaveKind::SickLeave, {id, marko, {}, {2026, 3, 1}, {}, {}}).message(),
              "GRESKA! Nije pronadjeno otvoreno bolovanje u bazi!");
}

// A case closing on 20 April asks for the hours in April and not in March.
TEST_F(SickLeaveCases, AskForTheHoursInTheMonthTheyClose) {
    leave(marko, {2026, 2, 1}, {2026, 4, 20});
    const LeaveCase c = casesOfMonth(*db, LeaveKind::SickLeave, 2026, 4)[0];
    const LeaveStart march = startLeaveMonth(*db, LeaveKind::SickLeave, c, 2026, 3);
    EXPECT_FALSE(march.askHours);
    EXPECT_EQ(march.hours, 176); // 22 working days of March 2026
    EXPECT_EQ(march.net, 50001_din);
    EXPECT_TRUE(startLeaveMonth(*db, LeaveKind::SickLeave, c, 2026, 4).askHours);
}

TEST_F(SickLeaveCases, PostingTwiceKeepsOneRowAndIsReviewedAfterwards) {
    leave(marko, {2026, 2, 1}, openLeaveEnd());
    LeaveAmounts first;
    first.broj_sati = 176;
    first.NETO = 50001_din;
    first.BRUTO = 70000.1234_din;
    first.tekuci_Racun = "160-111-22";
    ASSERT_FALSE(postLeave(*db, LeaveKind::SickLeave, marko, 2026, 3, first));
    LeaveAmounts second = first;
    second.broj_sati = 88;
    second.NETO = 25000_din;
    ASSERT_FALSE(postLeave(*db, LeaveKind::SickLeave, marko, 2026, 3, second));
    EXPECT_EQ(db.count("SELECT count(*) FROM bolovanja_obracuni"), 1);
    EXPECT_EQ(db.count("SELECT count(*) FROM bolovanja_obracuni WHERE porodiljsko = 0 AND "
                       "MEsec = 3 AND GODINA = 2026 AND broj_sati = 88"),
              1);

    const LeaveStart review = startLeaveMonth(
        *db, LeaveKind::SickLeave, casesOfMonth(*db, LeaveKind::SickLeave, 2026, 3)[0], 2026, 3);
    ASSERT_TRUE(review.posted);
    EXPECT_EQ(review.hours, 88);
    EXPECT_EQ(review.posted->BRUTO, 70000.1234_din);
    EXPECT_EQ(review.posted->tekuci_Racun, "160-111-22");
    EXPECT_FALSE(postedLeave(*db, LeaveKind::Maternity, marko, 2026, 3));
    EXPECT_EQ(postLeave(*db, LeaveKind::SickLeave, 0, 2026, 3, first)->message,
              "Niste uneli potrebne podatke!");
}

// The batch window leaves out whoever either register shows on leave the whole month.
TEST_F(SickLeaveCases, KeepTheWholeMonthOutOfTheBatchList) {
    leave(marko, {2026, 2, 10}, {2026, 3, 31});
    ASSERT_TRUE(
        saveCase(*db, LeaveKind::Maternity, {0, ana, {}, {2026, 3, 2}, openLeaveEnd(), {}}));
    const auto listed = [&](int month) {
        std::vector<std::int64_t> ids;
        for (const auto& e : payroll::monthEmployees(*db, {2026, month, CalculationKind::Final}))
            ids.push_back(e.id);
        return ids;
    };
    EXPECT_EQ(listed(3), std::vector<std::int64_t>{ana}); // Ana's case starts on the 2nd
    EXPECT_EQ(listed(4), std::vector<std::int64_t>{marko});
}

} // namespace
} // namespace zarion::compensation
