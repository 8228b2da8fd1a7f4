#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include "core/Text.h"

namespace zarion {
namespace {

struct AmountCase {
    const char* amount;
    const char* text;
};

TEST(AmountText, GroupsThousandsAndWritesTwoDecimals) {
    const AmountCase cases[] = {
        {"1234.5", "1.234,50"},
        {"999.999", "1.000,00"},
        {"0", "0,00"},
        {"-0.05", "-0,05"},
        {"1234567.891", "1.234.567,89"},
        {"0.5", "0,50"},
        {"-12", "-12,00"},
        {"0.09", "0,09"},
        {"0.1", "0,10"},
        {"12", "12,00"},
        {"100", "100,00"},
        {"999", "999,00"},
        {"1000", "1.000,00"},
        {"123456", "123.456,00"},
        {"-1234567.891", "-1.234.567,89"},
        {"922337203685477.5807", "922.337.203.685.477,58"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountText(Currency::parse(c.amount)), c.text) << c.amount;
}

TEST(AmountText, RoundsHalfToEvenAndNeverWritesMinusZero) {
    const AmountCase cases[] = {
        {"0.005", "0,00"},    {"0.015", "0,02"},
        {"2.345", "2,34"},    {"2.355", "2,36"},
        {"-0.001", "0,00"},   {"-0.005", "0,00"},
        {"-0.0051", "-0,01"}, {"999999.995", "1.000.000,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountText(Currency::parse(c.amount)), c.text) << c.amount;
}

struct FormatCase {
    const char* amount;
    NumberFormat form;
    const char* text;
};

TEST(Format, WritesEachNumberForm) {
    using enum NumberFormat;
    const FormatCase cases[] = {
        {"1234.5", Grouped2, "1.234,50"},
        {"0", Grouped2, "0,00"},
        {"-1234567.891", Grouped2, "-1.234.567,89"},
        {"0.5", Grouped2, "0,50"},
        {"1234.5", Grouped3, "1.234,500"},
        {"-0.0005", Grouped3, "-0,001"},
        {"1234.5", Grouped4, "1.234,5000"},
        {"-1234.5678", Grouped4, "-1.234,5678"},
        {"1234567.5", Plain2, "1234567.50"},
        {"-12", Plain2, "-12.00"},
        {"1234.5", Thousands, "1.235"},
        {"999.5", Thousands, "1.000"},
        {"-1234.5", Thousands, "-1.235"},
        {"0", Thousands, ""},
        {"0.4", Thousands, ""},
        {"1234.5", General, "1234.5"},
        {"0", General, "0"},
        {"-0.05", General, "-0.05"},
        {"100", General, "100"},
        {"1234.5678", General, "1234.5678"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(Currency::parse(c.amount), c.form), c.text)
            << c.amount << " form " << static_cast<int>(c.form);
}

TEST(Format, RoundsHalvesAwayFromZeroForPrinting) {
    using enum NumberFormat;
    const FormatCase cases[] = {
        {"0.005", Grouped2, "0,01"},  {"-0.005", Grouped2, "-0,01"}, {"2.345", Grouped2, "2,35"},
        {"2.3449", Grouped2, "2,34"}, {"-0.004", Grouped2, "0,00"},  {"0.0005", Grouped3, "0,001"},
        {"2.5", Thousands, "3"},      {"-2.5", Thousands, "-3"},     {"0.995", Plain2, "1.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(Currency::parse(c.amount), c.form), c.text)
            << c.amount << " form " << static_cast<int>(c.form);
}

TEST(ParseAmount, ReadsTheSerbianFormAndThePointForm) {
    EXPECT_EQ(parseAmount("1.234.567,89"), Currency::parse("1234567.89"));
    EXPECT_EQ(parseAmount("1234,5"), Currency::parse("1234.5"));
    EXPECT_EQ(parseAmount("1234.5"), Currency::parse("1234.5"));
    EXPECT_EQ(parseAmount("-12,00"), Currency::parse("-12"));
    EXPECT_EQ(parseAmount("1.000.000"), Currency::parse("1000000"));
    EXPECT_FALSE(parseAmount("12a"));
    EXPECT_FALSE(parseAmount(""));
}

TEST(Format, DoublesAreFormattedAsTheDecimalTheyHold) {
    using enum NumberFormat;
    EXPECT_EQ(format(2.675, Grouped2), "2,68");
    EXPECT_EQ(format(1.005, Grouped2), "1,01");
    EXPECT_EQ(format(-1234.5, Thousands), "-1.235");
    EXPECT_EQ(format(12.5, General), "12.5");
    EXPECT_EQ(format(200000.0, General), "200000");
    EXPECT_EQ(format(0.1, General), "0.1");
}

} // namespace
} // namespace zarion
