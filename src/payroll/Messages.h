#pragma once

#include <string>

namespace zarion::payroll::messages {

// The month has no row of rates.
std::string parametersMissing();
// A rule would divide by the hour fund, and it is 0.
std::string hourFundZero();
// The employee's contribution rates and the tax rate add up to 100, so no gross yields the net.
std::string ratesSumToHundred();
// The tax rate is 100, so the tax on a net has no gross.
std::string taxRateHundred();
// A figure would leave the range of money.
std::string amountTooLarge();
// A divisor the rules use is 0 (any not named above).
std::string divisionByZero();

} // namespace zarion::payroll::messages
