// The exact arithmetic under the rules: a half meant in decimals is rounded to even as a half.
#include "payroll/Exact.h"

#include <gtest/gtest.h>

#include "PayrollFixtures.h"

namespace zarion::test {
namespace {

using payroll::Exact;

TEST(Exact, ProductsOfMoneyAndRatesRoundHalfToEven) {
    // 1234.55 × 10 / 100 = 123.455: a true half, the kept digit 5 is odd → 123.46.
    EXPECT_EQ((Exact(din("1234.55")) * Exact::decimal(10) / Exact::whole(100)).round2(),
              din("123.46"));
    // 1234.45 × 10 / 100 = 123.445 → 123.44 (4 is even), where halves away from zero give 123.45.
    EXPECT_EQ((Exact(din("1234.45")) * Exact::decimal(10) / Exact::whole(100)).round2(),
              din("123.44"));
    // 45950 × 5.15 / 100 = 2366.425 → 2366.42, though its nearest double lies above the half;
    // 45950 × 0.75 / 100 = 344.625 → 344.62.
    EXPECT_EQ((Exact(din("45950")) * Exact::decimal(5.15) / Exact::whole(100)).round2(),
              din("2366.42"));
    EXPECT_EQ((Exact(din("45950")) * Exact::decimal(0.75) / Exact::whole(100)).round2(),
              din("344.62"));
    // 52902.30 × 5 / 100 = 2645.115 → 2645.12, though its nearest double lies below the half.
    EXPECT_EQ((Exact(din("52902.30")) * Exact::decimal(5) / Exact::whole(100)).round2(),
              din("2645.12"));
    // 0.01495 rounded once to 2 decimals is 0.01; through four decimals first it would be 0.02.
    EXPECT_EQ((Exact(din("1.495")) / Exact::whole(100)).round2(), din("0.01"));
    // Whole dinars: 3702.5 → 3702, 3703.5 → 3704.
    EXPECT_EQ(Exact(din("3702.5")).round0(), din("3702"));
    EXPECT_EQ(Exact(din("3703.5")).round0(), din("3704"));
    EXPECT_EQ(Exact(din("-2.5")).round0(), din("-2"));
}

TEST(Exact, RatesEnterAsTheDecimalTheyWereTyped) {
    // 14 + 5.15 + 0.75 + 80.1 is exactly 100, though the doubles do not add up to it.
    const Exact sum =
        Exact::decimal(14) + Exact::decimal(5.15) + Exact::decimal(0.75) + Exact::decimal(80.1);
    EXPECT_EQ(sum, Exact::whole(100));
    EXPECT_EQ(Exact::decimal(0.1 + 0.2), Exact::decimal(0.3)); // cut to 12 decimals
    EXPECT_EQ(Exact::decimal(0.00776).money(), din("0.0078"));
    EXPECT_EQ(Exact::decimal(-7.5), -Exact::decimal(7.5));
    EXPECT_EQ(Exact::decimal(2e6), Exact::whole(2000000));
}

TEST(Exact, OrderAndFloor) {
    EXPECT_LT(Exact::whole(88), Exact::whole(176));
    EXPECT_EQ((Exact::whole(202) / Exact::whole(12)).floor(), 16);
    EXPECT_EQ((Exact::whole(-1) / Exact::whole(12)).floor(), -1);
    EXPECT_THROW((void)(Exact::whole(1) / Exact()), std::domain_error);
}

} // namespace
} // namespace zarion::test
