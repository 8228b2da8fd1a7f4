#pragma once

#include <optional>
#include <string>

namespace zarion::employees {

// The system's message when a command of the registers cannot be carried out, with the kind of
// box the window shows it in (warning: the operator can put it right; error: data is missing).
struct Refusal {
    enum class Kind { Warning, Error };
    std::string message;
    Kind kind = Kind::Warning;
};

// Nothing when the command went through.
using Refused = std::optional<Refusal>;

inline Refusal warning(std::string message) {
    return {std::move(message), Refusal::Kind::Warning};
}
inline Refusal error(std::string message) {
    return {std::move(message), Refusal::Kind::Error};
}

} // namespace zarion::employees
