#pragma once

#include <string>

#include "core/Currency.h"

namespace zarion {

// The number forms the reports and files use. Formatting rounds halves away from zero,
// as a printed figure always has.
enum class NumberFormat {
    Grouped2,  // "#,##0.00"    1,234.50
    Grouped3,  // "#,##0.000"   1,234.500
    Grouped4,  // "#,##0.0000"  1,234.5000
    Plain2,    // "##0.00"      1234.50
    Thousands, // "#,###"       1,235 (zero prints as nothing)
    General,   // general number: 1234.5, no grouping, no trailing zeros
};

std::string format(Currency amount, NumberFormat form);
std::string format(double value, NumberFormat form);

} // namespace zarion
