#include "parameters/CalculationType.h"

#include "core/Text.h"

namespace zarion::parameters {

std::optional<CalculationTypeCaptions> calculationTypeCaptions(int type) {
    switch (type) {
    case 0:
        return CalculationTypeCaptions{"REDOVNA ZARADA", "0 - Puno radno vreme"};
    case 1:
        return CalculationTypeCaptions{"REDOVNA ZARADA", "1 - Nepuno radno vreme"};
    case 2:
        return CalculationTypeCaptions{"SA OLAK[ICAMA"_yu, "2 - izmenjeni parametri"};
    case 3:
        return CalculationTypeCaptions{"MINIMALNA BRUTO", "3 - minimalna bruto"};
    case 4:
        return CalculationTypeCaptions{"MAKSIMALNA BRUTO", "4 - maksimalna bruto"};
    default:
        return std::nullopt;
    }
}

} // namespace zarion::parameters
