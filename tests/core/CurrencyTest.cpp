#include "core/Currency.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <string>

namespace zarion {
namespace {

constexpr std::int64_t MaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t MinRaw = std::numeric_limits<std::int64_t>::min();

struct DoubleCase {
    double value;
    std::int64_t raw;
};

TEST(CurrencyFromDouble, RoundsTheDecimalMeantHalfToEvenAtTheFourthDecimal) {
    const DoubleCase cases[] = {
        {0.00005, 0},
        {0.00015, 2},
        {0.00025, 2},
        {0.00035, 4},
        {-0.00015, -2},
        {-0.00005, 0},
        {1.00005, 10000},
        {1.00015, 10002},
        {0.000051, 1},
        {0.000049, 0},
        {2.675, 26750},
        {-2.675, -26750},
        {0.1, 1000},
        {1.005, 10050},
        {1e-20, 0},
        {123456789.12345, 1234567891234},
        {1234567.5, 12345675000},
        {200000.0, 2000000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromDouble(c.value).raw(), c.raw) << c.value;
}

TEST(CurrencyFromDouble, RefusesWhatIsNoFiniteAmount) {
    EXPECT_THROW(Currency::fromDouble(1e300), std::overflow_error);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::infinity()),
                 std::overflow_error);
    EXPECT_THROW(Currency::fromDouble(-std::numeric_limits<double>::infinity()),
                 std::overflow_error);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()),
                 std::overflow_error);
}

struct ParseCase {
    const char* text;
    std::int64_t raw;
};

TEST(CurrencyParse, ReadsTheNumericPrefix) {
    const ParseCase cases[] = {
        {"12.5abc", 125000},
        {" -3", -30000},
        {"1e3", 10000000},
        {"12,5", 120000},
        {"", 0},
        {".", 0},
        {"-", 0},
        {"abc", 0},
        {"  +7.25 ", 72500},
        {"\t 1234.5678", 12345678},
        {".5", 5000},
        {"5.", 50000},
        {"-.5", -5000},
        {"00012.50", 125000},
        {"1e-3", 10},
        {"2.5E+2x", 2500000},
        {"1.2.3", 12000},
        {"1e", 10000},
        {"0", 0},
        {"-0.0", 0},
        {"922337203685477.5807", MaxRaw},
        {"-922337203685477.5808", MinRaw},
        {"-922337203685477.58075", MinRaw}, // the fifth decimal rounds to even, inside the range
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::parse(c.text).raw(), c.raw) << '"' << c.text << '"';
}

TEST(CurrencyParse, RoundsFurtherDecimalsHalfToEven) {
    const ParseCase cases[] = {
        {"0.00005", 0},     {"0.00015", 2},      {"0.00025", 2},         {"2.67505", 26750},
        {"2.67515", 26752}, {"2.675051", 26751}, {"2.675049999", 26750}, {"1.5e-4", 2},
        {"-0.00005", 0},    {"-0.00015", -2},    {"0.000009", 0},        {"0.99995", 10000},
        {"0.99985", 9998},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::parse(c.text).raw(), c.raw) << '"' << c.text << '"';
}

TEST(CurrencyParse, AmountsBeyondTheRangeThrow) {
    EXPECT_THROW(Currency::parse("1e15"), std::overflow_error);
    EXPECT_THROW(Currency::parse("922337203685477.5808"), std::overflow_error);
    EXPECT_THROW(Currency::parse("-922337203685477.5809"), std::overflow_error);
    EXPECT_THROW(Currency::parse("-922337203685477.58086"), std::overflow_error);
    EXPECT_THROW(Currency::parse("99999999999999999999999"), std::overflow_error);
    EXPECT_EQ(Currency::parse("9e14").raw(), 9'000'000'000'000'000'000);
}

struct RoundCase {
    const char* amount;
    const char* rounded;
};

TEST(CurrencyRound, Round2IsHalfToEven) {
    const RoundCase cases[] = {
        {"2.345", "2.34"},   {"2.355", "2.36"},   {"2.3451", "2.35"}, {"2.3449", "2.34"},
        {"-2.345", "-2.34"}, {"-2.355", "-2.36"}, {"0.005", "0"},     {"0.015", "0.02"},
        {"-0.005", "0"},     {"1.995", "2"},      {"12.34", "12.34"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::parse(c.amount).round2(), Currency::parse(c.rounded)) << c.amount;
}

TEST(CurrencyRound, Round0IsHalfToEven) {
    const RoundCase cases[] = {
        {"0.5", "0"},      {"1.5", "2"},    {"2.5", "2"},       {"3.5", "4"},
        {"-0.5", "0"},     {"-1.5", "-2"},  {"-2.5", "-2"},     {"2.5001", "3"},
        {"-2.5001", "-3"}, {"2.4999", "2"}, {"1250.5", "1250"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::parse(c.amount).round0(), Currency::parse(c.rounded)) << c.amount;
}

TEST(CurrencyRound, Round2HalfUpTakesHalvesAwayFromZero) {
    const RoundCase cases[] = {
        {"2.345", "2.35"},
        {"-2.345", "-2.35"},
        {"2.3449", "2.34"},
        {"0.005", "0.01"},
        {"-0.005", "-0.01"},
        {"-0.0049", "0"},
        // the ends of the range: the largest rounds down, the smallest up towards zero
        {"922337203685477.5807", "922337203685477.58"},
        {"-922337203685477.5808", "-922337203685477.58"},
        {"922337203685477.5750", "922337203685477.58"},
        {"-922337203685477.5750", "-922337203685477.58"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::parse(c.amount).round2HalfUp(), Currency::parse(c.rounded)) << c.amount;
}

TEST(CurrencyArithmetic, SumsAreExact) {
    const Currency tenth = Currency::fromDouble(0.1);
    Currency sum;
    for (int i = 0; i < 10; ++i)
        sum += tenth;
    EXPECT_EQ(sum, Currency::fromUnits(1));
    for (int i = 0; i < 10; ++i)
        sum -= tenth;
    EXPECT_TRUE(sum.isZero());
    EXPECT_EQ(Currency::parse("0.1") + Currency::parse("0.2"), Currency::parse("0.3"));
    EXPECT_EQ(Currency::parse("0.07") * 100, Currency::fromUnits(7));
    EXPECT_EQ(-Currency::parse("12.5"), Currency::parse("-12.5"));
}

TEST(CurrencyArithmetic, TimesRoundsTheProductHalfToEven) {
    EXPECT_EQ(Currency::fromRaw(1).times(0.5).raw(), 0);
    EXPECT_EQ(Currency::fromRaw(3).times(0.5).raw(), 2);
    EXPECT_EQ(Currency::fromRaw(-3).times(0.5).raw(), -2);
    EXPECT_EQ(Currency::fromRaw(5).times(0.5).raw(), 2);
    // 0.001 × 15 % is 0.00015, a half of the last decimal
    EXPECT_EQ(Currency::parse("0.001").times(0.15).raw(), 2);
    EXPECT_EQ(Currency::parse("1000.25").times(0.14), Currency::parse("140.035"));
    EXPECT_EQ(Currency::parse("10004").times(12.5 / 100), Currency::parse("1250.5"));
    EXPECT_EQ(Currency::parse("100").times(1.0 / 3), Currency::parse("33.3333"));
    EXPECT_EQ(Currency::parse("200").times(1.0 / 3), Currency::parse("66.6667"));
    EXPECT_EQ(Currency::parse("50001").times(88.0 / 176).round0(), Currency::fromUnits(25000));
    EXPECT_EQ(Currency::parse("1234.5678").times(1.0), Currency::parse("1234.5678"));
    EXPECT_EQ(Currency::parse("-80000").times(0.65), Currency::parse("-52000"));
}

TEST(CurrencyArithmetic, DividedByRoundsTheQuotientHalfToEven) {
    EXPECT_EQ(Currency::fromUnits(10).dividedBy(3), Currency::parse("3.3333"));
    EXPECT_EQ(Currency::fromUnits(20).dividedBy(3), Currency::parse("6.6667"));
    EXPECT_EQ(Currency::fromUnits(-20).dividedBy(3), Currency::parse("-6.6667"));
    EXPECT_EQ(Currency::fromRaw(1).dividedBy(2).raw(), 0);
    EXPECT_EQ(Currency::fromRaw(3).dividedBy(2).raw(), 2);
    EXPECT_EQ(Currency::fromRaw(-3).dividedBy(2).raw(), -2);
    EXPECT_EQ(Currency::fromRaw(15).dividedBy(10).raw(), 2);
    EXPECT_EQ(Currency::fromRaw(3).dividedBy(0.4).raw(), 8) << "7.5 meant in decimals";
    EXPECT_EQ(Currency::fromUnits(174).dividedBy(174), Currency::fromUnits(1));
    EXPECT_THROW(Currency::fromUnits(1).dividedBy(0.0), std::domain_error);
}

TEST(CurrencyArithmetic, LeavingTheRangeThrows) {
    const Currency max = Currency::fromRaw(MaxRaw);
    const Currency min = Currency::fromRaw(MinRaw);
    EXPECT_THROW(max + Currency::fromRaw(1), std::overflow_error);
    EXPECT_THROW(min - Currency::fromRaw(1), std::overflow_error);
    EXPECT_THROW(-min, std::overflow_error);
    EXPECT_THROW(max * 2, std::overflow_error);
    EXPECT_THROW(max.times(2.0), std::overflow_error);
    EXPECT_THROW(Currency::fromUnits(1).times(1e30), std::overflow_error);
    EXPECT_THROW(Currency::fromUnits(1).dividedBy(1e-30), std::overflow_error);
    EXPECT_THROW(Currency::fromUnits(MaxRaw / 1000), std::overflow_error);
    EXPECT_THROW(max.round0(), std::overflow_error);
    Currency sum = max;
    EXPECT_THROW(sum += Currency::fromRaw(1), std::overflow_error);
    EXPECT_EQ(sum, max) << "a failed addition leaves the amount as it was";
}

TEST(CurrencyText, ToStringWritesFourDecimals) {
    EXPECT_EQ(Currency::parse("-1234.5").toString(), "-1234.5000");
    EXPECT_EQ(Currency::parse("1234.5").toString(), "1234.5000");
    EXPECT_EQ(Currency().toString(), "0.0000");
    EXPECT_EQ(Currency::parse("-0.05").toString(), "-0.0500");
    EXPECT_EQ(Currency::fromRaw(7).toString(), "0.0007");
    EXPECT_EQ(Currency::fromRaw(MinRaw).toString(), "-922337203685477.5808");
    EXPECT_EQ(Currency::fromRaw(MaxRaw).toString(), "922337203685477.5807");
    for (const char* text : {"0.0001", "-99.9999", "1000000.0000", "-0.0100"})
        EXPECT_EQ(Currency::parse(text).toString(), text);
}

TEST(CurrencyText, ShortStringDropsTrailingZeros) {
    EXPECT_EQ(Currency::parse("1234.5").toShortString(), "1234.5");
    EXPECT_EQ(Currency::parse("100.10").toShortString(), "100.1");
    EXPECT_EQ(Currency::fromUnits(62238).toShortString(), "62238");
    EXPECT_EQ(Currency::fromUnits(1000000).toShortString(), "1000000");
    EXPECT_EQ(Currency::parse("-0.05").toShortString(), "-0.05");
    EXPECT_EQ(Currency().toShortString(), "0");
    EXPECT_EQ(Currency::fromRaw(1).toShortString(), "0.0001");
    EXPECT_EQ(Currency::fromRaw(MinRaw).toShortString(), "-922337203685477.5808");
}

TEST(CurrencyText, LiteralsAndDoubles) {
    EXPECT_EQ((2.675_din).raw(), 26750);
    EXPECT_EQ((12_din).raw(), 120000);
    EXPECT_EQ(Currency::parse("1234.5678").toDouble(), 1234.5678);
    EXPECT_LT(Currency::parse("-0.0001"), Currency());
    EXPECT_GT(Currency::parse("0.0001"), Currency());
    EXPECT_TRUE(Currency::parse("-5").isNegative());
}

} // namespace
} // namespace zarion
