#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "outputs/Declaration.h"

namespace zarion::outputs {

// The supervisor's code that opens the two overrides of the return.
bool supervisorCodeAccepted(const std::optional<Currency>& entered);

// A new monthly fund of hours for every row; a row's overtime above the old fund stays above
// the new one (hours = new fund + the excess), hours below the fund stay as they are.
void overrideHoursFund(std::vector<DeclarationRow>& rows, double newFund);

// One income code for every row; with `clearBase` the contribution base becomes "0.00".
void overrideIncomeCode(std::vector<DeclarationRow>& rows, const std::string& code, bool clearBase);

} // namespace zarion::outputs
