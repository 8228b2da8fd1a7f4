#include "outputs/PayrollList.h"

#include <gtest/gtest.h>

#include "MarchPayroll.h"
#include "outputs/OwnerContributions.h"
#include "outputs/PayrollListColumns.h"

namespace zarion::outputs {
namespace {

using test::din;

class PayrollListTest : public ::testing::Test, protected test::MarchPayroll {
protected:
    PayrollList list(Payment payment, std::int64_t unit = 0) {
        auto loaded = loadPayrollList(*db, {2026, 3, payment, unit});
        EXPECT_TRUE(loaded.ok()) << loaded.message();
        return loaded.value();
    }
};

TEST_F(PayrollListTest, MonthWithoutParametersIsRefused) {
    const auto loaded = loadPayrollList(*db, {2026, 4, Payment::Whole, 0});
    EXPECT_EQ(loaded.message(), "Greska kod pronalazenja parametara za izabrani mesec!");
}

TEST_F(PayrollListTest, FinalRowsInSerbianOrderWithOwnersApart) {
    const PayrollList l = list(Payment::Whole);
    ASSERT_EQ(l.employees.size(), 3u);
    EXPECT_EQ(l.employees[0].fullName(), "Babić Ivan");
    EXPECT_EQ(l.employees[1].fullName(), "Čolić Zoran");
    EXPECT_EQ(l.employees[2].fullName(), "Šarić Ana");
    ASSERT_EQ(l.owners.size(), 1u);
    EXPECT_EQ(l.owners[0].fullName(), "Vlasnić Petar");
    EXPECT_EQ(l.rates.porez_zarade, 10);

    const PayrollRow& b = l.employees[0];
    EXPECT_EQ(b.Id_obracun, babićFinal);
    EXPECT_EQ(b.calc.Doprinosi_PIO, din("14000"));
    EXPECT_EQ(b.deductions, din("7500.50"));
    EXPECT_EQ(b.toPay(), din("66021.60"));        // 73,522.10 − 7,500.50
    EXPECT_EQ(b.linkedOtherNet, din("12345.67")); // 12,000 + 345.67
    EXPECT_EQ(b.contributionBase(), din("100000"));
    EXPECT_FALSE(b.paidInCash());

    const PayrollRow& c = l.employees[1];
    EXPECT_EQ(c.contributionBase(), din("90000"));
    EXPECT_EQ(c.days, 18);
    EXPECT_EQ(c.na_ruke, din("58500.30"));
    EXPECT_TRUE(c.paidInCash());
}

TEST_F(PayrollListTest, TotalsAreTheSumsOfBothLists) {
    const PayrollTotals t = list(Payment::Whole).totals;
    // 100,000 + 80,000.40 + 60,000 + 200,000
    EXPECT_EQ(t.BRUTO, din("440000.40"));
    // 6,577.90 + 4,577.94 + 2,577.90 + 16,577.90
    EXPECT_EQ(t.porez_na_zaradu, din("30311.64"));
    // 73,522.10 + 58,500.30 + 43,922.10 + 140,000
    EXPECT_EQ(t.NETO, din("315944.50"));
    EXPECT_EQ(t.deductions, din("7500.50"));
    EXPECT_EQ(t.toPay, din("308444.00"));
    EXPECT_EQ(t.Doprinosi_PIO_F, din("19000"));
    // 100,000 + 90,000 (own base) + 60,000 + 200,000
    EXPECT_EQ(t.contributionBase, din("450000"));
}

TEST_F(PayrollListTest, UnknownEmployeeIsNamedAndLeftOut) {
    const PayrollList all = list(Payment::Whole);
    ASSERT_EQ(all.missingEmployees.size(), 1u);
    EXPECT_EQ(missingEmployeeMessage(all.missingEmployees[0]),
              "Greska kod pronalazenja ranika sa ID: 999 u bazi!");
    const PayrollList production = list(Payment::Whole, works);
    EXPECT_TRUE(production.missingEmployees.empty());
    ASSERT_EQ(production.employees.size(), 1u);
    EXPECT_EQ(production.employees[0].fullName(), "Čolić Zoran");
    EXPECT_TRUE(production.owners.empty());
    EXPECT_EQ(production.totals.BRUTO, din("80000.40"));
}

TEST_F(PayrollListTest, FirstPartReadsTheAdvanceAndItsDeductions) {
    const PayrollList l = list(Payment::First);
    ASSERT_EQ(l.employees.size(), 1u);
    EXPECT_EQ(l.employees[0].calc.NETO, din("36761.05"));
    EXPECT_EQ(l.employees[0].deductions, din("2000"));
    EXPECT_EQ(l.employees[0].linkedOtherNet, Currency());
    EXPECT_EQ(l.totals.toPay, din("34761.05"));
    EXPECT_EQ(list(Payment::Final).employees.size(), 3u);
}

TEST_F(PayrollListTest, ColumnsKeepTheirPositions) {
    const PayrollList l = list(Payment::Whole);
    const auto babićColumns = payrollListTexts(l.employees[0]);
    ASSERT_EQ(babićColumns.size(), 75u);
    EXPECT_EQ(babićColumns[1], "Babić Ivan");
    EXPECT_EQ(babićColumns[27], "100000.00");
    EXPECT_EQ(babićColumns[29], "14000.00");
    EXPECT_EQ(babićColumns[32], "73522.10");
    EXPECT_EQ(babićColumns[47], std::to_string(babićFinal));
    EXPECT_EQ(babićColumns[51], "100000.00");
    EXPECT_EQ(babićColumns[73], "12345.67");
    EXPECT_EQ(babićColumns[74], std::to_string(babićFinal));
    const auto colićColumns = payrollListTexts(l.employees[1]);
    EXPECT_EQ(colićColumns[5], "18");
    EXPECT_EQ(colićColumns[51], "90000.00");
    EXPECT_EQ(colićColumns[59], "58500.30");
    EXPECT_EQ(payrollListHeadings().size(), 75u);

    const auto ownerColumns = ownerListTexts(l.owners[0]);
    ASSERT_EQ(ownerColumns.size(), ownerListHeadings().size());
    EXPECT_EQ(ownerColumns[2], "PREDUZETNIK");
    EXPECT_EQ(ownerColumns[9], "140000.00");

    const report::SheetList sheet = payrollSheet(l);
    ASSERT_EQ(sheet.rows.size(), 4u); // three employees and the owner
    EXPECT_EQ(sheet.headings[0], "JMBG");
    EXPECT_EQ(sheet.rows[1][0], "2002979710022");
    EXPECT_EQ(sheet.rows[1][2], "Čolić");
    EXPECT_EQ(sheet.rows[0].size(), sheet.headings.size());
    EXPECT_EQ(sheet.rows[0].back(), "66021.60");
}

} // namespace
} // namespace zarion::outputs

namespace zarion::outputs {
namespace {

// The entrepreneur's return reads the owners alone, each in the column of his base.
TEST(OwnerContributions, OwnersFillTheColumnOfTheirBase) {
    PayrollList list;
    const auto row = [](int kind, const char* base, const char* pio, const char* pioFirma) {
        PayrollRow r;
        r.calc.tip_obracuna = kind;
        r.calc.BRUTO = Currency::parse("999999");
        r.calc.osnovica_doprinosa = Currency::parse(base);
        r.calc.Doprinosi_PIO = Currency::parse(pio);
        r.calc.Doprinosi_PIO_F = Currency::parse(pioFirma);
        return r;
    };
    list.owners = {row(0, "100000", "14000", "10000"), row(3, "51297", "7181.58", "5129.70"),
                   row(0, "50000.50", "7000.07", "5000.05")};
    list.employees = {row(0, "70000", "9800", "7000")};
    const auto columns = ownerContributionFigures(list);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].persons, 2);
    EXPECT_EQ(columns[0].base, Currency::parse("150000.50"));
    EXPECT_EQ(columns[0].pio, Currency::parse("21000.07"));
    EXPECT_EQ(columns[0].pioFirma, Currency::parse("15000.05"));
    EXPECT_EQ(columns[1].persons, 1);
    EXPECT_EQ(columns[1].base, Currency::parse("51297"));
    EXPECT_EQ(columns[1].pio, Currency::parse("7181.58"));
    EXPECT_EQ(columns[2].persons, 0);
    EXPECT_TRUE(columns[2].base.isZero());
}

} // namespace
} // namespace zarion::outputs
