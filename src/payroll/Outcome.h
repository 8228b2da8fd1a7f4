#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

#include "payroll/Messages.h"

namespace zarion::payroll {

// The system's message when a calculation cannot give a figure.
struct Failure {
    std::string message;
};

// A calculated value, or the message that says why there is none. Errors are values here: the
// calculation never throws across its boundary, the window shows the message.
template <typename T> class Outcome {
public:
    Outcome(T value)
        : state_(std::move(value)) {}
    Outcome(Failure failure)
        : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T* operator->() const { return &value(); }
    const T& operator*() const& { return value(); }

    // Empty when there is a value.
    std::string message() const { return ok() ? std::string() : std::get<Failure>(state_).message; }

private:
    std::variant<T, Failure> state_;
};

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
