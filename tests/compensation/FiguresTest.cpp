// Figures of the compensations and awards, every expected amount worked out by hand.
#include <gtest/gtest.h>

#include "Dinars.h"
#include "compensation/AwardCalculation.h"
#include "compensation/DisabledCompensation.h"

namespace zarion::compensation {
namespace {

using test::din;

// ---- disabled persons: the larger of the net and the adjusted amount, grossed up ----

struct DisabledCase {
    const char* net;
    const char* adjusted;
    double tax;
    double health;
    const char* paid;
    const char* gross;
    const char* taxAmount;
    const char* healthAmount;
    const char* refund;
};

class DisabledFiguresTest : public testing::TestWithParam<DisabledCase> {};

TEST_P(DisabledFiguresTest, PaysTheLargerAmountAndRefundsGrossPlusHealth) {
    const DisabledCase& c = GetParam();
    const auto f = disabledFigures(din(c.net), din(c.adjusted), c.tax, c.health);
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(f->paid, din(c.paid));
    EXPECT_EQ(f->gross, din(c.gross));
    EXPECT_EQ(f->tax, din(c.taxAmount));
    EXPECT_EQ(f->health, din(c.healthAmount));
    EXPECT_EQ(f->refund, din(c.refund));
}

INSTANTIATE_TEST_SUITE_P(ByHand, DisabledFiguresTest,
                         testing::Values(
                             // 12,000 × 100 / 90 = 13,333.33; health 12,000 × 10.3 % = 1,236
                             DisabledCase{"10000", "12000", 10, 10.3, "12000", "13333.33",
                                          "1333.33", "1236", "14569.33"},
                             // own 15,000 above the adjusted 12,000: 15,000 × 100 / 90 = 16,666.67
                             DisabledCase{"15000", "12000", 10, 10.3, "15000", "16666.67",
                                          "1666.67", "1545", "18211.67"},
                             DisabledCase{"9000", "0", 10, 0, "9000", "10000", "1000", "0",
                                          "10000"}));

TEST(DisabledFigures, ATaxRateOfHundredLeavesNoGross) {
    EXPECT_FALSE(disabledFigures(din("9000"), din("0"), 100, 10).ok());
}

// ---- awards: taxed above the non-taxable amount ----

struct AwardCase {
    const char* label;
    Outcome<AwardFigures> (*calculate)(Currency, const AwardRates&);
    const char* entered;
    AwardRates rates;
    const char* net;
    const char* gross;
    const char* tax;
    const char* nonTaxable;
    const char* contributions;
};

class AwardFiguresTest : public testing::TestWithParam<AwardCase> {};

TEST_P(AwardFiguresTest, MatchesTheHandCalculation) {
    const AwardCase& c = GetParam();
    const auto f = c.calculate(din(c.entered), c.rates);
    ASSERT_TRUE(f.ok()) << c.label;
    EXPECT_EQ(f->net, din(c.net)) << c.label;
    EXPECT_EQ(f->gross, din(c.gross)) << c.label;
    EXPECT_EQ(f->tax, din(c.tax)) << c.label;
    EXPECT_EQ(f->nonTaxable, din(c.nonTaxable)) << c.label;
    EXPECT_EQ(f->contributions(), din(c.contributions)) << c.label;
}

const AwardRates Jubilee25000{10, Currency::fromUnits(25000), 0, 0, 0};
const AwardRates NoLimit{10, Currency(), 0, 0, 0};
const AwardRates Annual10000{10, Currency::fromUnits(10000), 14, 5.15, 0.75};

INSTANTIATE_TEST_SUITE_P(
    ByHand, AwardFiguresTest,
    testing::Values(AwardCase{"jubilee below the limit", jubileeFromNet, "20000", Jubilee25000,
                              "20000", "20000", "0", "20000", "0"},
                    AwardCase{"jubilee, no limit", jubileeFromNet, "9000", NoLimit, "9000", "10000",
                              "1000", "0", "0"},
                    // (61,000 − 25,000) × 10 / 90 = 4,000
                    AwardCase{"jubilee above the limit", jubileeFromNet, "61000", Jubilee25000,
                              "61000", "65000", "4000", "25000", "0"},
                    AwardCase{"jubilee from gross", jubileeFromGross, "65000", Jubilee25000,
                              "61000", "65000", "4000", "25000", "0"},
                    AwardCase{"annual below the limit", annualFromNet, "8000", Annual10000, "8000",
                              "8000", "0", "8000", "0"},
                    // (5,000,000 − 100,000) / 70.1 = 69,900.14; tax 59,900.14 × 10 % = 5,990.01;
                    // 9,786.02 + 3,599.86 + 524.25 = 13,910.13
                    AwardCase{"annual above the limit", annualFromNet, "50000", Annual10000,
                              "50000", "69900.14", "5990.01", "10000", "13910.13"},
                    AwardCase{"annual from gross", annualFromGross, "69900.14", Annual10000,
                              "50000", "69900.14", "5990.01", "10000", "13910.13"}));

TEST(AwardFigures, TheAnnualObligationAddsTheEmployersEqualShare) {
    const auto f = annualFromNet(din("50000"), Annual10000);
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(f->obligation(), din("83810.27")); // 69,900.14 + 13,910.13
}

} // namespace
} // namespace zarion::compensation
