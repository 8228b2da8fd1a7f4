#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Currency.h"

namespace zarion {

// The number forms the windows, reports and files use. The grouped forms are for people and
// written as a Serbian reader writes numbers (1.234,50); the plain and general forms are for
// files, with a decimal point. Formatting rounds halves away from zero, as a printed figure
// always has.
enum class NumberFormat {
    Grouped2,  // 1.234,50
    Grouped3,  // 1.234,500
    Grouped4,  // 1.234,5000
    Plain2,    // 1234.50, for files
    Thousands, // 1.235 (zero prints as nothing)
    General,   // general number for files: 1234.5, no grouping, no trailing zeros
};

std::string format(Currency amount, NumberFormat form);
std::string format(double value, NumberFormat form);

// A number as a person writes it: "1.234,56" and "1234,56" with a decimal comma, "1234.56"
// with a decimal point; nothing when the text is not such a number.
std::optional<Currency> parseAmount(std::string_view text);
// The same number written for a machine: "1234.56", without grouping and with a decimal point.
std::optional<std::string> plainNumber(std::string_view text);

} // namespace zarion
