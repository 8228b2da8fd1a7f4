#pragma once

#include <stdexcept>
#include <string>

#include "core/Outcome.h"
#include "payroll/Messages.h"

namespace zarion::payroll {

// The system's message when a calculation cannot give a figure.
using Failure = zarion::Refusal;
using zarion::Outcome;

// Runs a calculation and turns an amount out of range, or a division by zero that slipped past
// the checks, into a message instead of an exception.
template <typename Calculation>
auto withinRange(Calculation&& calculation) -> decltype(calculation()) {
    try {
        return calculation();
    } catch (const std::overflow_error&) {
        return Failure{messages::amountTooLarge()};
    } catch (const std::domain_error&) {
        return Failure{messages::divisionByZero()};
    }
}

} // namespace zarion::payroll
