#pragma once

#include <optional>
#include <string>

namespace zarion::parameters {

// The kinds of salary calculation the calculation window is told about: the heading and the
// kind line it shows.
struct CalculationTypeCaptions {
    std::string heading;
    std::string kind;
};

constexpr int CalculationTypeCount = 5;

// 0 "REDOVNA ZARADA" / "0 - Puno radno vreme" … 4 "MAKSIMALNA BRUTO" / "4 - maksimalna bruto";
// nothing for another number.
std::optional<CalculationTypeCaptions> calculationTypeCaptions(int type);

} // namespace zarion::parameters
