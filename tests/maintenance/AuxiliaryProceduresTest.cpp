#include "maintenance/AuxiliaryProcedures.h"

#include <gtest/gtest.h>

#include "PayrollRows.h"
#include "TemplateDatabase.h"

using namespace zarion;

namespace {

class FinalToAdvance : public ::testing::Test {
protected:
    test::TemplateDatabase db;
    test::PayrollRows rows{*db};

    std::int64_t petrovic = rows.employee("Petrović");
    std::int64_t saric = rows.employee("Šarić");
    std::int64_t djuric = rows.employee("Đurić");

    std::int64_t advanceOf(std::int64_t employee, int month = 3) {
        return db
            ->scalar("SELECT Id_obracun FROM akontacija_obracuni"
                     " WHERE ID_RADNIK = ? AND GODINA = 2024 AND MEsec = ?",
                     employee, month)
            .value_or(0);
    }
    std::int64_t deductionsOf(std::int64_t calculation, bool advance) {
        return rows.count("SELECT count(*) FROM obracun_obustava"
                          " WHERE Id_obracun = ? AND AKONTACIJA = ?",
                          calculation, advance);
    }
};

} // namespace

TEST_F(FinalToAdvance, WholeMonthMovesEveryDeductionRowAndYesRemovesTheFinals) {
    const auto finalP = rows.finalCalc(petrovic, 2024, 3, 54321.5_din);
    const auto finalS = rows.finalCalc(saric, 2024, 3, 40000_din);
    const auto april = rows.finalCalc(petrovic, 2024, 4, 50000_din);
    rows.deduction(finalP, false, 1500_din, 7);
    rows.deduction(finalP, false, 2000_din);
    rows.deduction(finalS, false, 800_din);
    rows.deduction(april, false, 1500_din, 7);

    const auto done = maintenance::convertFinalToAdvance(*db, 2024, 3, true);
    EXPECT_EQ(done.converted, 2);
    EXPECT_EQ(done.deductionRowsMoved, 3);
    EXPECT_EQ(done.setAside, 0);

    // The March finals are gone, April's stays with its deduction.
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni WHERE MEsec = 3"), 0);
    EXPECT_EQ(deductionsOf(april, false), 1);

    // Each new advance carries the final's figures and the final's deduction rows.
    const auto advanceP = advanceOf(petrovic);
    const auto advanceS = advanceOf(saric);
    ASSERT_NE(advanceP, 0);
    ASSERT_NE(advanceS, 0);
    auto st = db->prepare("SELECT NETO, cena_Rada, KOEFICIJENT, tekuci_Racun, II_deo"
                          " FROM akontacija_obracuni WHERE Id_obracun = ?");
    st.bind(1, advanceP);
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.money(0), 54321.5_din);
    EXPECT_EQ(st.money(1), Currency::fromRaw(12345678));
    EXPECT_DOUBLE_EQ(st.number(2), 3.45);
    EXPECT_EQ(st.text(3), "160-0000000012345-67");
    EXPECT_TRUE(st.isNull(4));
    EXPECT_EQ(deductionsOf(advanceP, true), 2);
    EXPECT_EQ(deductionsOf(advanceS, true), 1);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = 1"), 3);
    EXPECT_EQ(rows.count("SELECT sum(Iznos) FROM obracun_obustava WHERE Id_obracun = ? AND"
                         " AKONTACIJA = 1 AND id_or = 7",
                         advanceP),
              (1500_din).raw());
}

TEST_F(FinalToAdvance, NoKeepsTheFinalsWithoutTheirDeductionRows) {
    const auto finalP = rows.finalCalc(petrovic, 2024, 3, 54321.5_din);
    rows.deduction(finalP, false, 1500_din);

    maintenance::convertFinalToAdvance(*db, 2024, 3, false);

    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni WHERE Id_obracun = ?", finalP), 1);
    EXPECT_EQ(deductionsOf(finalP, false), 0);
    EXPECT_EQ(deductionsOf(advanceOf(petrovic), true), 1);
}

TEST_F(FinalToAdvance, AnAdvanceAlreadyThereIsSetAsideWithItsDeductionRows) {
    const auto oldAdvance = rows.advanceCalc(petrovic, 2024, 3, 20000_din);
    rows.deduction(oldAdvance, true, 700_din, 7);
    const auto otherAdvance = rows.advanceCalc(djuric, 2024, 3, 15000_din); // has no final
    const auto finalP = rows.finalCalc(petrovic, 2024, 3, 54321.5_din);
    rows.deduction(finalP, false, 1500_din, 7);

    const auto done = maintenance::convertFinalToAdvance(*db, 2024, 3, true);
    EXPECT_EQ(done.setAside, 1);

    // One live advance per employee and month: the new one.
    EXPECT_EQ(rows.count("SELECT count(*) FROM akontacija_obracuni WHERE ID_RADNIK = ?", petrovic),
              1);
    EXPECT_NE(advanceOf(petrovic), oldAdvance);
    EXPECT_EQ(deductionsOf(advanceOf(petrovic), true), 1);
    // The old advance keeps its number and figures among the set-aside rows, and its deduction
    // row still names it.
    EXPECT_EQ(rows.count("SELECT NETO FROM akontacija_obracuni_obrisani WHERE Id_obracun = ?"
                         " AND ID_RADNIK = ?",
                         oldAdvance, petrovic),
              20000); // whole dinars
    EXPECT_EQ(deductionsOf(oldAdvance, true), 1);
    // An employee without a final keeps his advance.
    EXPECT_EQ(advanceOf(djuric), otherAdvance);
}

TEST_F(FinalToAdvance, OneEmployeeTouchesOnlyThatEmployee) {
    const auto finalP = rows.finalCalc(petrovic, 2024, 3, 54321.5_din);
    const auto finalS = rows.finalCalc(saric, 2024, 3, 40000_din);
    const auto advanceS = rows.advanceCalc(saric, 2024, 3, 10000_din);
    rows.deduction(finalP, false, 1500_din);
    rows.deduction(finalS, false, 800_din);

    const auto done = maintenance::convertFinalToAdvance(*db, 2024, 3, true, saric);
    EXPECT_EQ(done.converted, 1);
    EXPECT_EQ(done.setAside, 1);

    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni WHERE Id_obracun = ?", finalP), 1);
    EXPECT_EQ(deductionsOf(finalP, false), 1);
    EXPECT_EQ(advanceOf(petrovic), 0);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni WHERE Id_obracun = ?", finalS), 0);
    EXPECT_NE(advanceOf(saric), advanceS);
    EXPECT_EQ(deductionsOf(advanceOf(saric), true), 1);
}

TEST_F(FinalToAdvance, AFailureHalfWayLeavesTheDatabaseAsItWas) {
    rows.advanceCalc(petrovic, 2024, 3, 20000_din);
    const auto finalP = rows.finalCalc(petrovic, 2024, 3, 54321.5_din);
    const auto finalS = rows.finalCalc(saric, 2024, 3, 40000_din);
    rows.deduction(finalP, false, 1500_din);
    rows.deduction(finalS, false, 800_din);
    // The second final cannot be removed: the first employee has been converted by then.
    db->run("CREATE TRIGGER blocked BEFORE DELETE ON obracuni WHEN old.ID_RADNIK = " +
            std::to_string(saric) + " BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
    const std::string before = rows.snapshot();

    EXPECT_THROW(maintenance::convertFinalToAdvance(*db, 2024, 3, true), db::Error);
    EXPECT_EQ(rows.snapshot(), before);
    EXPECT_FALSE(db->inTransaction());
}

TEST(OrphanCalculations, RowsWithoutAnEmployeeGoWithTheirDeductionRows) {
    test::TemplateDatabase db;
    test::PayrollRows rows(*db);
    const auto employee = rows.employee("Petrović");
    const auto kept = rows.finalCalc(employee, 2024, 3, 50000_din);
    const auto orphan = rows.finalCalc(0, 2024, 3, 1000_din);
    db->run("INSERT INTO obracuni(GODINA, MEsec) VALUES (2024, 3)"); // no employee at all
    const auto advance = rows.advanceCalc(employee, 2024, 3, 10000_din);
    rows.deduction(kept, false, 100_din);
    rows.deduction(orphan, false, 200_din);
    rows.deduction(advance, true, 300_din);

    EXPECT_EQ(maintenance::removeOrphanCalculations(*db), 2);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracuni"), 1);
    EXPECT_EQ(rows.count("SELECT Id_obracun FROM obracuni"), kept);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracun_obustava"), 2);
    EXPECT_EQ(rows.count("SELECT count(*) FROM obracun_obustava WHERE Iznos = ?", 200_din), 0);
    EXPECT_EQ(maintenance::removeOrphanCalculations(*db), 0);
}
