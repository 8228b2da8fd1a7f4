// Pricing a month's deductions against a net, and posting them with a calculation.
#include "employees/DeductionPricing.h"

#include <gtest/gtest.h>

#include "DeductionDb.h"
#include "core/Text.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class DeductionPricingTest : public ::testing::Test {
protected:
    test::DeductionDb data;
    std::int64_t marko = data.employee("Petrović", "Marko");

    MonthDeductions price(int year, int month, DeductionPart part, Currency net,
                          const VariableAmountAsker& ask = {}) {
        return priceMonthDeductions(data.db(), {marko, year, month, part, net}, ask);
    }
    // The first row's amount, the single row a test sets up.
    Currency single(int year, int month, DeductionPart part, Currency net = 100000_din) {
        const auto priced = price(year, month, part, net);
        EXPECT_EQ(priced.rows.size(), 1u);
        return priced.rows.empty() ? Currency{} : priced.rows.front().Iznos;
    }
};

TEST_F(DeductionPricingTest, RowStartingOnTheSecondOfTheMonthAppliesFromTheNextMonth) {
    const auto union_ = data.deduction("Sindikat", 1, 1000);
    data.participation(marko, union_, {2024, 3, 2}, {2024, 6, 1});

    EXPECT_TRUE(price(2024, 3, DeductionPart::Single, 50000_din).rows.empty());
    EXPECT_EQ(price(2024, 4, DeductionPart::Single, 50000_din).rows.size(), 1u);
    // One that ends on the first of a month is still taken in that month, not after it.
    EXPECT_EQ(price(2024, 6, DeductionPart::Single, 50000_din).rows.size(), 1u);
    EXPECT_TRUE(price(2024, 7, DeductionPart::Single, 50000_din).rows.empty());
}

TEST_F(DeductionPricingTest, PercentageOfTheNetRoundsToWholeDinarsHalfToEven) {
    const auto union_ = data.deduction("Sindikat", 0, 12.5);
    data.participation(marko, union_, {2000, 1, 1});

    const auto priced = price(2024, 3, DeductionPart::Single, 10004_din);
    ASSERT_EQ(priced.rows.size(), 1u);
    EXPECT_EQ(priced.rows[0].Iznos, 1250_din); // 1,250.50 → 1,250
    EXPECT_EQ(priced.total, 1250_din);
    EXPECT_EQ(priced.payout, 8754_din);
    EXPECT_EQ(single(2024, 3, DeductionPart::First, 10012_din), 1252_din); // 1,251.50 → 1,252
    EXPECT_EQ(single(2024, 3, DeductionPart::Second, 10004_din), 1250_din);
}

TEST_F(DeductionPricingTest, FixedAmountIsHalvedInTheFirstPartAndInASecondPartOfASplitMonth) {
    const auto fixed = data.deduction("Osiguranje", 1, 1001);
    data.participation(marko, fixed, {2000, 1, 1});

    data.twoParts(false);
    EXPECT_EQ(single(2024, 3, DeductionPart::Single), 1001_din);
    EXPECT_EQ(single(2024, 3, DeductionPart::First), 500_din); // 500.50 → 500
    EXPECT_EQ(single(2024, 3, DeductionPart::Second), 1001_din);
    data.twoParts(true);
    EXPECT_EQ(single(2024, 3, DeductionPart::Second), 500_din);
    EXPECT_EQ(single(2024, 3, DeductionPart::Single), 1001_din);
}

TEST_F(DeductionPricingTest, DeductionsAboveTheNetLeaveANegativePayout) {
    data.participation(marko, data.deduction("Alimentacija", 1, 15000), {2000, 1, 1});
    data.participation(marko, data.deduction("Sindikat", 0, 10), {2000, 1, 1});

    const auto priced = price(2024, 3, DeductionPart::Single, 10000_din);
    EXPECT_EQ(priced.total, 16000_din);
    EXPECT_EQ(priced.payout, -6000_din);
}

TEST_F(DeductionPricingTest, LoanInstalmentsAreConvertedWithTheCurrentRates) {
    data.rates(117.1745, 120.5, 108.25);
    const auto bank = data.deduction("Banka Intesa - krediti", 3, 0, "160-5500-11", "97-11");
    const auto eur =
        data.loan(marko, bank,
                  {.valuta = 1, .iznos = 100, .prviDeo = 50, .drugiDeo = 50, .poziv = "123-456"});
    data.loan(marko, bank, {.valuta = 2, .iznos = 50.5, .prviDeo = 25, .drugiDeo = 25.5});
    data.loan(marko, bank, {.valuta = 3, .iznos = 10, .prviDeo = 5, .drugiDeo = 5});
    data.loan(marko, bank, {.valuta = 0, .iznos = 3000.5, .prviDeo = 1500, .drugiDeo = 1500.5});

    const auto single = price(2024, 5, DeductionPart::Single, 80000_din);
    ASSERT_EQ(single.rows.size(), 4u);
    EXPECT_EQ(single.rows[0].Iznos, 11717_din); // 11,717.45
    EXPECT_EQ(single.rows[0].valuta, "EUR");
    EXPECT_DOUBLE_EQ(single.rows[0].Kurs, 117.1745);
    EXPECT_EQ(single.rows[0].id_or, eur);
    EXPECT_EQ(single.rows[0].POziv_na_broj, "123-456");
    EXPECT_EQ(single.rows[0].tekuci_Racun, "160-5500-11");
    EXPECT_EQ(single.rows[0].kreditor, "Banka Intesa - krediti");
    EXPECT_EQ(single.rows[1].Iznos, 6085_din); // 50.5 × 120.5 = 6,085.25
    EXPECT_EQ(single.rows[1].valuta, "CHF");
    EXPECT_EQ(single.rows[2].Iznos, 1082_din); // 1,082.50 → 1,082, half to even
    EXPECT_EQ(single.rows[2].valuta, "USD");
    EXPECT_EQ(single.rows[3].Iznos, Currency::parse("3000.5")); // dinars are taken as they are
    EXPECT_EQ(single.rows[3].valuta, "RSD");
    EXPECT_DOUBLE_EQ(single.rows[3].Kurs, 1);
    // Without a reference of its own a row carries the creditor's.
    EXPECT_EQ(single.rows[1].POziv_na_broj, "97-11");

    const auto first = price(2024, 5, DeductionPart::First, 40000_din);
    EXPECT_EQ(first.rows[0].Iznos, 5859_din); // 50 × 117.1745 = 5,858.725
    EXPECT_EQ(first.rows[3].Iznos, 1500_din);
    const auto second = price(2024, 5, DeductionPart::Second, 40000_din);
    EXPECT_EQ(second.rows[1].Iznos, 3073_din); // 25.5 × 120.5 = 3,072.75
    EXPECT_EQ(second.rows[3].Iznos, Currency::parse("1500.5"));
}

TEST_F(DeductionPricingTest, December2016LeavesFixedDeductionsAndLoansOutOfTheSecondPart) {
    data.twoParts(true);
    data.participation(marko, data.deduction("Procenat", 0, 10), {2000, 1, 1});
    data.participation(marko, data.deduction("Fiksna", 1, 2000), {2000, 1, 1});
    data.participation(marko, data.deduction("Promenljiva", 2, 300), {2000, 1, 1});
    data.loan(marko, data.deduction("Kredit", 3, 0),
              {.startYear = 2016, .endYear = 2017, .iznos = 1000, .prviDeo = 500, .drugiDeo = 500});
    const VariableAmountAsker ask = [](const VariableDeductionQuestion&) {
        return std::optional<Currency>(700_din);
    };

    const auto december = price(2016, 12, DeductionPart::Second, 30000_din, ask);
    ASSERT_EQ(december.rows.size(), 2u);
    EXPECT_EQ(december.rows[0].kreditor, "Procenat");
    EXPECT_EQ(december.rows[1].kreditor, "Promenljiva");
    EXPECT_EQ(december.total, 3700_din);
    EXPECT_EQ(price(2016, 12, DeductionPart::First, 30000_din, ask).rows.size(), 4u);
    EXPECT_EQ(price(2017, 1, DeductionPart::Second, 30000_din, ask).rows.size(), 4u);
    EXPECT_EQ(price(2016, 11, DeductionPart::Second, 30000_din, ask).rows.size(), 4u);
}

TEST_F(DeductionPricingTest, VariableAmountIsAskedWithTheDefaultOrTheAmountAlreadyPosted) {
    const auto variable = data.deduction("Kantina", 2, 1200);
    const auto row = data.participation(marko, variable, {2000, 1, 1});
    std::vector<VariableDeductionQuestion> asked;
    std::optional<Currency> answer = 900_din;
    const VariableAmountAsker ask = [&](const VariableDeductionQuestion& q) {
        asked.push_back(q);
        return answer;
    };

    EXPECT_EQ(price(2024, 3, DeductionPart::Single, 50000_din, ask).rows.at(0).Iznos, 900_din);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].prompt, "Unesite vrednost obustave Kantina");
    EXPECT_EQ(asked[0].offered, 1200_din);

    // The first part offers what the month's advance already withheld, nothing before that.
    EXPECT_EQ(price(2024, 3, DeductionPart::First, 50000_din, ask).rows.at(0).Iznos, 900_din);
    EXPECT_EQ(asked[1].prompt, "Unesite iznos za promenljivu obustavu: Kantina");
    EXPECT_FALSE(asked[1].offered.has_value());
    const auto advance = data.calculation(marko, 2024, 3, true, 40000_din);
    data.withheld(advance, true, variable, row, 650_din);
    answer = std::nullopt; // closed without an answer: the offered amount stands
    EXPECT_EQ(price(2024, 3, DeductionPart::First, 50000_din, ask).rows.at(0).Iznos, 650_din);
    EXPECT_EQ(asked[2].offered, 650_din);
    // The second part looks at the final calculation's rows, which do not exist yet.
    price(2024, 3, DeductionPart::Second, 50000_din, ask);
    EXPECT_FALSE(asked[3].offered.has_value());

    // An answer of 0 leaves the deduction out of a batch part, not out of a single calculation.
    answer = Currency{};
    EXPECT_TRUE(price(2024, 3, DeductionPart::Second, 50000_din, ask).rows.empty());
    EXPECT_EQ(price(2024, 3, DeductionPart::Single, 50000_din, ask).rows.size(), 1u);
    // Without anyone to ask, the offered amount is taken.
    EXPECT_EQ(price(2024, 3, DeductionPart::Single, 50000_din).rows.at(0).Iznos, 1200_din);
}

TEST_F(DeductionPricingTest, MissingDefinitionIsReportedAndTheRestOfTheMonthPriced) {
    data.participation(marko, 999, {2000, 1, 1});
    data.participation(marko, data.deduction("Sindikat", 1, 500), {2000, 1, 1});

    const auto priced = price(2024, 3, DeductionPart::Single, 10000_din);
    ASSERT_EQ(priced.errors.size(), 1u);
    EXPECT_EQ(priced.errors[0], "Greska kod pronalazenja kreditora!");
    ASSERT_EQ(priced.rows.size(), 1u);
    EXPECT_EQ(priced.total, 500_din);
}

TEST_F(DeductionPricingTest, DeletedDefinitionIsStillPricedAndRowsKeepTheirOrder) {
    const auto first = data.deduction("Prva", 1, 100);
    const auto second = data.deduction("Druga", 1, 200);
    data.participation(marko, second, {2000, 1, 1});
    data.participation(marko, first, {2000, 1, 1});
    data.db().run("UPDATE obustaveproc SET obrisana = 1 WHERE id_obustava_proc = ?", second);
    data.participation(data.employee("Jovanović", "Ana"), first, {2000, 1, 1});

    const auto priced = price(2024, 3, DeductionPart::Single, 10000_din);
    ASSERT_EQ(priced.rows.size(), 2u);
    EXPECT_EQ(priced.rows[0].kreditor, "Druga");
    EXPECT_EQ(priced.rows[1].kreditor, "Prva");
}

class DeductionPostingTest : public DeductionPricingTest {
protected:
    std::int64_t count(std::int64_t id, bool advance) {
        return data.db()
            .scalar("SELECT count(*) FROM obracun_obustava WHERE Id_obracun = ? AND AKONTACIJA = ?",
                    id, advance)
            .value_or(-1);
    }
};

TEST_F(DeductionPostingTest, PostingReplacesTheRowsOfThatCalculationAndPartOnly) {
    data.rates(117.5, 0, 0);
    data.participation(marko, data.deduction("Sindikat", 0, 1), {2000, 1, 1});
    const auto loan =
        data.loan(marko, data.deduction("Kredit", 3, 0), {.valuta = 1, .iznos = 10, .poziv = "77"});
    const auto rows = price(2024, 3, DeductionPart::Single, 50000_din).rows;
    const std::int64_t id = 41;
    data.withheld(id, true, 1, 0, 999_din); // the advance's row of the same number stays

    postDeductions(data.db(), id, false, rows);
    postDeductions(data.db(), id, false, rows);

    EXPECT_EQ(count(id, false), 2);
    EXPECT_EQ(count(id, true), 1);
    const auto posted = postedDeductions(data.db(), id, false);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].Iznos, 500_din);
    EXPECT_EQ(posted[1].Iznos, 1175_din);
    EXPECT_EQ(posted[1].valuta, "EUR");
    EXPECT_DOUBLE_EQ(posted[1].Kurs, 117.5);
    EXPECT_EQ(posted[1].id_or, loan);
    EXPECT_EQ(posted[1].POziv_na_broj, "77");
    EXPECT_EQ(posted[1].kreditor, "Kredit");
    EXPECT_EQ(posted[1].Tip, 3);

    postDeductions(data.db(), id, false, {});
    EXPECT_EQ(count(id, false), 0);
}

TEST_F(DeductionPostingTest, PostingJoinsTheCallersTransaction) {
    data.participation(marko, data.deduction("Sindikat", 1, 500), {2000, 1, 1});
    const auto rows = price(2024, 3, DeductionPart::Single, 50000_din).rows;
    {
        db::Transaction tx(data.db());
        postDeductions(data.db(), 7, false, rows);
        EXPECT_TRUE(data.db().inTransaction());
    } // rolled back with the calculation it belonged to
    EXPECT_EQ(count(7, false), 0);
}

} // namespace
