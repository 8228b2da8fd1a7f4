#pragma once

#include <string>
#include <string_view>

namespace zarion {

// The leading number of a text: the sign, its significant digits and where the decimal point
// falls (value = 0.d1d2d3… × 10^pointPos). Empty digits mean "no number".
struct NumericPrefix {
    bool negative = false;
    std::string digits;
    long long pointPos = 0;
};

// Numeric-prefix rule: after leading blanks, the longest leading part that reads as a number
// with "." as decimal separator (an optional sign, digits, a point, digits, an exponent).
NumericPrefix numericPrefix(std::string_view text);

// The value of the numeric prefix; a text without one reads as 0.
double numericValue(std::string_view text);

// The numeric prefix rounded to a whole number, halves to even.
long long wholeValue(std::string_view text);

// Shortest decimal text that reads back as the same double: "12.5", "-0.25", "200000", and with
// an exponent only below 1e-6 or from 1e15 on: "1e-20".
std::string shortestDecimal(double value);

// The reverse conversion of the numeric-prefix rule: a blank in front of a non-negative number,
// "-" in front of a negative one (" 12.5", "-3").
std::string numberToText(double value);

} // namespace zarion
