#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace zarion {

// The system's message when a command cannot be carried out, with the kind of box a window shows
// it in: a warning when the operator can put it right, an error when data or the database fails.
struct Refusal {
    enum class Kind { Warning, Error };
    std::string message;
    Kind kind = Kind::Warning;
};

inline Refusal warning(std::string message) {
    return {std::move(message), Refusal::Kind::Warning};
}
inline Refusal error(std::string message) {
    return {std::move(message), Refusal::Kind::Error};
}

// Nothing when the command went through.
using Refused = std::optional<Refusal>;

// A value, or the refusal that says why there is none. Logic entry points return this (or
// Refused) and never let an exception cross into a window.
template <typename T> class Outcome {
public:
    Outcome(T value)
        : state_(std::move(value)) {}
    Outcome(Refusal refusal)
        : state_(std::move(refusal)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const T& operator*() const& { return value(); }

    // Empty when there is a value.
    std::string message() const { return ok() ? std::string() : refusal().message; }
    const Refusal& refusal() const { return std::get<Refusal>(state_); }

private:
    std::variant<T, Refusal> state_;
};

} // namespace zarion
