#include "maintenance/CalculationDeletion.h"

#include <gtest/gtest.h>

#include "PayrollRows.h"
#include "TemplateDatabase.h"

using namespace zarion;

namespace {

class DeleteCalculation : public ::testing::Test {
protected:
    DeleteCalculation() {
        // The advance and the final of the same month carry the same number in their own
        // tables, so only the AKONTACIJA flag tells their deduction rows apart.
        EXPECT_EQ(advance, finalCalc);
        rows.deduction(advance, true, 700_din);
        rows.deduction(finalCalc, false, 1500_din);
        rows.deduction(finalCalc, false, 300_din);
    }
    std::int64_t deductions(bool ofAdvance) {
        return rows.count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = ?", ofAdvance);
    }

    test::TemplateDatabase db;
    test::PayrollRows rows{*db};
    std::int64_t employee = rows.employee("Petrović");
    std::int64_t advance = rows.advanceCalc(employee, 2024, 3, 20000_din);
    std::int64_t finalCalc = rows.finalCalc(employee, 2024, 3, 54000_din);
};

} // namespace

TEST_F(DeleteCalculation, TheAdvanceGoesAndTheFinalOfTheMonthStays) {
    const auto result =
        maintenance::deleteCalculation(*db, CalculationKind::Advance, employee, 2024, 3);
    EXPECT_TRUE(result.deleted);
    EXPECT_EQ(result.message, "Brisanje je zavrseno!");
    EXPECT_EQ(rows.count("SELECT count(*) FROM akontacija_obracuni"), 0);
    EXPECT_EQ(deductions(true), 0);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni"), 1);
    EXPECT_EQ(deductions(false), 2);
}

TEST_F(DeleteCalculation, TheFinalGoesAndTheAdvanceOfTheMonthStays) {
    EXPECT_TRUE(
        maintenance::deleteCalculation(*db, CalculationKind::Final, employee, 2024, 3).deleted);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni"), 0);
    EXPECT_EQ(deductions(false), 0);
    EXPECT_EQ(rows.count("SELECT count(*) FROM akontacija_obracuni"), 1);
    EXPECT_EQ(deductions(true), 1);
}

TEST_F(DeleteCalculation, NothingFoundDeletesNothing) {
    const std::string before = rows.snapshot();
    const auto result =
        maintenance::deleteCalculation(*db, CalculationKind::Final, employee, 2024, 4);
    EXPECT_FALSE(result.deleted);
    EXPECT_EQ(result.message, "Greska kod pronalazenja obracuna u bazi!");
    EXPECT_EQ(rows.snapshot(), before);
}

TEST_F(DeleteCalculation, SickLeaveAndMaternityAreToldApart) {
    db->run("INSERT INTO bolovanja_obracuni(ID_RADNIK, GODINA, MEsec, porodiljsko, NETO)"
            " VALUES (?, 2024, 3, 0, 1000), (?, 2024, 3, 1, 2000)",
            employee, employee);
    EXPECT_TRUE(
        maintenance::deleteCalculation(*db, CalculationKind::Maternity, employee, 2024, 3).deleted);
    EXPECT_EQ(rows.count("SELECT count(*) FROM bolovanja_obracuni WHERE porodiljsko = 0"), 1);
    EXPECT_EQ(rows.count("SELECT count(*) FROM bolovanja_obracuni WHERE porodiljsko = 1"), 0);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracun_obustava"), 3);
    EXPECT_FALSE(
        maintenance::deleteCalculation(*db, CalculationKind::Maternity, employee, 2024, 3).deleted);
}
