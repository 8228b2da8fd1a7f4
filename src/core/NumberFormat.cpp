#include "core/NumberFormat.h"

#include <algorithm>
#include <regex>

#include "core/NumericText.h"

namespace zarion {
namespace {

// Thousands grouped with a point, as a Serbian reader writes them.
std::string grouped(std::string digits) {
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    return digits;
}

// |raw| rounded to the given decimals, halves away from zero, as integer and fraction digits.
std::pair<std::string, std::string> split(std::int64_t raw, int decimals) {
    std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::uint64_t unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    magnitude = (magnitude + unit / 2) / unit;
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    std::string fraction = decimals > 0 ? std::to_string(magnitude % scale) : "";
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return {std::to_string(magnitude / scale), fraction};
}

int decimalsOf(NumberFormat form) {
    switch (form) {
    case NumberFormat::Grouped3:
        return 3;
    case NumberFormat::Grouped4:
        return 4;
    case NumberFormat::Thousands:
        return 0;
    default:
        return 2;
    }
}

} // namespace

std::string format(Currency amount, NumberFormat form) {
    if (form == NumberFormat::General) {
        std::string text = amount.toString();
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        return text == "-0" ? "0" : text;
    }
    const auto [whole, fraction] = split(amount.raw(), decimalsOf(form));
    const bool isZero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    if (form == NumberFormat::Thousands && isZero)
        return "";
    const bool forPeople = form != NumberFormat::Plain2;
    std::string text = forPeople ? grouped(whole) : whole;
    if (!fraction.empty())
        text += (forPeople ? "," : ".") + fraction;
    return amount.isNegative() && !isZero ? "-" + text : text;
}

std::optional<Currency> parseAmount(std::string_view text) {
    const std::optional<std::string> plain = plainNumber(text);
    if (!plain)
        return std::nullopt;
    return Currency::parse(*plain);
}

std::optional<std::string> plainNumber(std::string_view text) {
    std::string digits(text);
    std::erase(digits, ' ');
    const bool decimalComma = digits.find(',') != std::string::npos;
    const bool groupedPoints = std::count(digits.begin(), digits.end(), '.') > 1;
    if (decimalComma || groupedPoints) {
        std::erase(digits, '.');
        std::replace(digits.begin(), digits.end(), ',', '.');
    }
    static const std::regex number(R"(-?\d+(\.\d+)?)");
    if (!std::regex_match(digits, number))
        return std::nullopt;
    return digits;
}

std::string format(double value, NumberFormat form) {
    if (form == NumberFormat::General)
        return shortestDecimal(value);
    return format(Currency::fromDouble(value), form);
}

} // namespace zarion
