#include "core/NumericText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zarion {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

NumericPrefix numericPrefix(std::string_view text) {
    NumericPrefix result;
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        result.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    long long integerDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (result.digits.empty() && c == '0') {
                if (seenPoint)
                    --integerDigits; // a zero right after the point shifts the point left
                continue;
            }
            result.digits.push_back(c);
            if (!seenPoint)
                ++integerDigits;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return {};
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (text[j] == '-' || text[j] == '+') {
            expNegative = text[j] == '-';
            ++j;
        }
        long long exponent = 0;
        bool expDigits = false;
        for (; j < text.size() && isDigit(text[j]) && exponent < 100000; ++j) {
            exponent = exponent * 10 + (text[j] - '0');
            expDigits = true;
        }
        if (expDigits)
            integerDigits += expNegative ? -exponent : exponent;
    }
    if (result.digits.empty())
        return NumericPrefix{false, "0", 1}; // the number is zero
    result.pointPos = integerDigits;
    return result;
}

double numericValue(std::string_view text) {
    const NumericPrefix p = numericPrefix(text);
    if (p.digits.empty())
        return 0.0;
    const std::string scientific =
        (p.negative ? "-0." : "0.") + p.digits + "e" + std::to_string(p.pointPos);
    return std::strtod(scientific.c_str(), nullptr);
}

long long wholeValue(std::string_view text) {
    return std::llrint(numericValue(text));
}

std::string shortestDecimal(double value) {
    char buffer[64];
    // Plain digits for every magnitude an amount or a count takes (200000, not 2e+05).
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0.0 || (magnitude >= 1e-6 && magnitude < 1e15);
    const auto [end, ec] =
        plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("0");
}

std::string numberToText(double value) {
    const std::string digits = shortestDecimal(value == 0.0 ? 0.0 : value);
    return value < 0 ? digits : " " + digits;
}

} // namespace zarion
