// Posting one employee's month: one row per employee, month and kind, its deductions replaced,
// the kinds kept apart, and a failed posting leaving nothing behind.
#include "payroll/CalculationPosting.h"

#include <gtest/gtest.h>

#include "BatchCompany.h"
#include "PayrollFixtures.h"
#include "TemplateDatabase.h"

namespace zarion::test {
namespace {

using namespace payroll;
using employees::DeductionRow;

class CalculationPosting : public ::testing::Test {
protected:
    CalculationPosting()
        : employee(addEmployee(*db, "Petrovic", 4)) {}

    SalaryResult resultWithNet(const char* net) {
        SalaryResult r;
        r.NETO = din(net);
        r.BRUTO = din(net) + din("10000");
        r.broj_sati = 176;
        r.razlika_do_min = din("12.5");
        r.II_deo = din("7");
        return r;
    }
    static DeductionRow deduction(const char* name, const char* amount) {
        DeductionRow row;
        row.id_or = 9;
        row.id_obustava = 3;
        row.kreditor = name;
        row.Iznos = din(amount);
        return row;
    }
    std::int64_t count(const std::string& sql) { return db->scalar(sql).value_or(-1); }
    std::int64_t deductionRows(bool advance) {
        return db->scalar("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = ?", advance)
            .value_or(-1);
    }

    TemplateDatabase db;
    std::int64_t employee;
};

TEST_F(CalculationPosting, PostingTwiceLeavesOneRowAndTheSecondSetOfDeductions) {
    const PostingTarget final{employee, 2026, 3, CalculationKind::Final};
    auto first = postCalculation(*db, final, resultWithNet("80000"),
                                 {deduction("Sindikat", "800"), deduction("Kredit", "5000")});
    ASSERT_TRUE(first.ok()) << first.message();
    auto second =
        postCalculation(*db, final, resultWithNet("81000"), {deduction("Sindikat", "810")});
    ASSERT_TRUE(second.ok()) << second.message();

    EXPECT_EQ(*second, *first); // the row is overwritten in place
    EXPECT_EQ(count("SELECT count(*) FROM obracuni"), 1);
    auto row = db->prepare("SELECT NETO, razlika_do_min, MEsec, GODINA FROM obracuni");
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.money(0), din("81000"));
    EXPECT_EQ(row.money(1), din("12.5"));
    EXPECT_EQ(row.integer(2), 3);
    EXPECT_EQ(row.integer(3), 2026);
    const auto posted = employees::postedDeductions(*db, *first, false);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].kreditor, "Sindikat");
    EXPECT_EQ(posted[0].Iznos, din("810"));
}

TEST_F(CalculationPosting, TheKindsAreKeptApart) {
    auto final = postCalculation(*db, {employee, 2026, 3, CalculationKind::Final},
                                 resultWithNet("80000"), {deduction("Sindikat", "800")});
    ASSERT_TRUE(final.ok());
    // an advance (twice) writes only its own table and its own deduction rows
    for (const char* net : {"30000", "31000"}) {
        auto advance = postCalculation(*db, {employee, 2026, 3, CalculationKind::Advance},
                                       resultWithNet(net), {deduction("Sindikat", "300")});
        ASSERT_TRUE(advance.ok()) << advance.message();
    }
    EXPECT_EQ(count("SELECT count(*) FROM obracuni"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM akontacija_obracuni"), 1);
    EXPECT_EQ(count("SELECT NETO FROM obracuni"), 80000);
    EXPECT_EQ(count("SELECT II_deo FROM akontacija_obracuni"), 7);
    EXPECT_EQ(deductionRows(false), 1);
    EXPECT_EQ(deductionRows(true), 1);
    EXPECT_EQ(employees::postedDeductions(*db, *final, false).at(0).Iznos, din("800"));

    // and a final posting again leaves the advance and its deductions as they were
    ASSERT_TRUE(postCalculation(*db, {employee, 2026, 3, CalculationKind::Final},
                                resultWithNet("82000"), {})
                    .ok());
    EXPECT_EQ(deductionRows(false), 0);
    EXPECT_EQ(deductionRows(true), 1);
    EXPECT_EQ(count("SELECT NETO FROM akontacija_obracuni"), 31000);
}

TEST_F(CalculationPosting, AFailedPostingLeavesNothingBehind) {
    const PostingTarget final{employee, 2026, 3, CalculationKind::Final};
    EXPECT_EQ(postCalculation(*db, {0, 2026, 3, CalculationKind::Final}, resultWithNet("1"), {})
                  .message(),
              "GRESKA!!!! ID Radnika je 0. Obracun nece biti proknjizen!");
    EXPECT_EQ(postCalculation(*db, {employee + 1, 2026, 3, CalculationKind::Final},
                              resultWithNet("1"), {})
                  .message(),
              "GRESKA!!!! Nije pronadjen radnik sa unetim ID!");
    EXPECT_EQ(count("SELECT count(*) FROM obracuni"), 0);

    ASSERT_TRUE(
        postCalculation(*db, final, resultWithNet("80000"), {deduction("Sindikat", "800")}).ok());
    // a posting whose last step fails takes its row and its deductions back with it
    PostingExtras failing;
    failing.dependants = [](db::Database& d, std::int64_t) {
        d.run("INSERT INTO no_such_table");
    };
    auto failed = postCalculation(*db, final, resultWithNet("99000"),
                                  {deduction("Kredit", "1"), deduction("Kredit", "2")}, failing);
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(failed.message().empty());
    EXPECT_EQ(count("SELECT NETO FROM obracuni"), 80000);
    EXPECT_EQ(deductionRows(false), 1);
    EXPECT_FALSE(db->inTransaction());
}

TEST_F(CalculationPosting, InsideABatchAFailedEmployeeLeavesTheOthersPosted) {
    const std::int64_t second = addEmployee(*db, "Jovanovic", 3);
    PostingExtras failing;
    failing.dependants = [](db::Database& d, std::int64_t) {
        d.run("INSERT INTO no_such_table");
    };
    {
        db::Transaction batch(*db);
        ASSERT_TRUE(postCalculation(*db, {employee, 2026, 3, CalculationKind::Final},
                                    resultWithNet("80000"), {deduction("Sindikat", "800")})
                        .ok());
        EXPECT_FALSE(postCalculation(*db, {second, 2026, 3, CalculationKind::Final},
                                     resultWithNet("70000"), {deduction("Sindikat", "700")},
                                     failing)
                         .ok());
        batch.commit();
    }
    EXPECT_EQ(count("SELECT count(*) FROM obracuni"), 1);
    EXPECT_EQ(deductionRows(false), 1);
}

} // namespace
} // namespace zarion::test
