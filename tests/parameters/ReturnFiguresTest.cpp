// The returns' figures summed from the month's posted calculations, by payment and by base.
#include "parameters/ReturnFigures.h"

#include <gtest/gtest.h>

#include "TemplateDatabase.h"

using namespace zarion;
using namespace zarion::parameters;

namespace {

class ReturnFiguresTest : public ::testing::Test {
protected:
    test::TemplateDatabase db;

    void SetUp() override {
        db->run("INSERT INTO parametri_po_mesecima(MEsec, GODINA, porez_zarade, Doprinosi_PIO, "
                "Doprinosi_zo) VALUES (3, 2026, 10, 14, 5.15)");
        db->run("INSERT INTO parametri(porez_zarade, Doprinosi_PIO) VALUES (20, 99)");
        // Final rows: two on paid salaries, one on the lowest base, one on the highest.
        posted("obracuni", 0, 100000, 20000);
        posted("obracuni", 1, 60000, 20000);
        posted("obracuni", 3, 50000, 20000);
        posted("obracuni", 4, 700000, 20000);
        // The advance of the first employee.
        posted("akontacija_obracuni", 0, 40000, 10000);
        db->run("INSERT INTO obracuni(MEsec, GODINA, BRUTO) VALUES (4, 2026, ?)",
                Currency::fromUnits(1));
    }

    void posted(const char* table, int kind, std::int64_t gross, std::int64_t free) {
        db->run(std::string("INSERT INTO ") + table +
                    "(ID_RADNIK, MEsec, GODINA, tip_obracuna, BRUTO, Oslobodjenje, "
                    "osnovica_doprinosa, Doprinosi_PIO) VALUES (1, 3, 2026, ?, ?, ?, ?, ?)",
                kind, Currency::fromUnits(gross), Currency::fromUnits(free),
                Currency::fromUnits(gross), Currency::fromUnits(gross * 14 / 100));
    }
};

} // namespace

TEST_F(ReturnFiguresTest, WholeMonthSumsTheFinalRowsAtTheMonthsRate) {
    const TaxReturnInput tax = salaryTaxFigures(*db, 3, 2026, SalaryPart::Whole);
    EXPECT_EQ(tax.persons, 4);
    EXPECT_EQ(tax.taxRate, 10.0);
    ASSERT_EQ(tax.columns.size(), 1U);
    EXPECT_EQ(tax.columns[0].paid, Currency::fromUnits(910000));
    EXPECT_EQ(tax.columns[0].nonTaxable, Currency::fromUnits(80000));

    const auto columns = salaryContributionFigures(*db, 3, 2026, SalaryPart::Whole);
    ASSERT_EQ(columns.size(), 3U);
    EXPECT_EQ(columns[0].persons, 2);
    EXPECT_EQ(columns[0].base, Currency::fromUnits(160000));
    EXPECT_EQ(columns[0].pio, Currency::fromUnits(22400));
    EXPECT_EQ(columns[1].base, Currency::fromUnits(50000));
    EXPECT_EQ(columns[2].pio, Currency::fromUnits(98000));
    EXPECT_EQ(monthContributionRates(*db, 3, 2026).zo, 5.15);
    // A month without its own rates takes the current ones.
    EXPECT_EQ(monthTaxRate(*db, 4, 2026), 20.0);
}

TEST_F(ReturnFiguresTest, AdvanceAndTheRestSplitTheMonth) {
    const TaxReturnInput advance = salaryTaxFigures(*db, 3, 2026, SalaryPart::Advance);
    EXPECT_EQ(advance.persons, 1);
    EXPECT_EQ(advance.columns[0].paid, Currency::fromUnits(40000));

    const TaxReturnInput rest = salaryTaxFigures(*db, 3, 2026, SalaryPart::Rest);
    EXPECT_EQ(rest.persons, 4);
    EXPECT_EQ(rest.columns[0].paid, Currency::fromUnits(870000));
    EXPECT_EQ(rest.columns[0].nonTaxable, Currency::fromUnits(70000));
    // 100000 + 60000 − 40000 on paid salaries; 14% of it
    const auto columns = salaryContributionFigures(*db, 3, 2026, SalaryPart::Rest);
    EXPECT_EQ(columns[0].base, Currency::fromUnits(120000));
    EXPECT_EQ(columns[0].pio, Currency::fromUnits(16800));
    EXPECT_EQ(columns[1].base, Currency::fromUnits(50000));
}
