#include "core/NumericText.h"

#include <gtest/gtest.h>

namespace zarion {
namespace {

struct ValueCase {
    const char* text;
    double value;
};

TEST(NumericValue, TakesTheLongestLeadingNumber) {
    const ValueCase cases[] = {
        {"12.5abc", 12.5}, {" -3", -3},   {"1e3", 1000},
        {"12,5", 12},      {"", 0},       {".", 0},
        {"-", 0},          {"abc", 0},    {"\t 7", 7},
        {"1.5e-2", 0.015}, {"1e", 1},     {"2E2x", 200},
        {"0.05", 0.05},    {"-.5", -0.5}, {"1.2.3", 1.2},
        {"+4", 4},         {"1e+", 1},    {"007", 7},
        {"  12.5x", 12.5}, {"0.1", 0.1},  {"1234567.891", 1234567.891},
        {"1e-400", 0},     {"x12", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericValue, IsTheNearestDouble) {
    // the same double the compiler makes of the literal, not one a few units away
    EXPECT_EQ(numericValue("0.1"), 0.1);
    EXPECT_EQ(numericValue("2.675"), 2.675);
    EXPECT_EQ(numericValue("123456.789"), 123456.789);
    EXPECT_EQ(numericValue("-0.000123"), -0.000123);
}

TEST(WholeValue, RoundsTheNumberHalfToEven) {
    const struct {
        const char* text;
        long long value;
    } cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},  {"2.4999", 2}, {"2.51", 3},
        {"x", 0},   {"", 0},    {" 17 g", 17}, {"1e2", 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wholeValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberToText, PutsABlankInFrontOfANonNegativeNumber) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {12.5, " 12.5"},
        {-3, "-3"},
        {0, " 0"},
        {-0.0, " 0"},
        {0.1, " 0.1"},
        {1234567, " 1234567"},
        {200000, " 200000"},
        {1000000, " 1000000"},
        {-120000, "-120000"},
        {0.25, " 0.25"},
        {100, " 100"},
        {2.675, " 2.675"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

TEST(NumberToText, ReadsBackAsTheSameNumber) {
    for (const double value : {0.1, -2.675, 1e-20, 123456789.125, 1e300, 5e-324, 65.0 / 3})
        EXPECT_EQ(numericValue(numberToText(value)), value) << value;
}

} // namespace
} // namespace zarion
