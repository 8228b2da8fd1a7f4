#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "core/db/Database.h"

namespace zarion::startup {

struct Operator {
    std::int64_t id = 0;
    std::string login;
    std::string name;
    std::string surname;
    std::string lk;
    std::int64_t olId = 0;
    std::string receiptPrinter;
    int companyAccess = 0; // 0 = every company, else the one company with that number
};

// The refusal shown to the operator, as the system's own text.
struct SignInRefused {
    std::string message;
};

// Signs an operator in against operateri of the register: the name matched without regard to
// case (as typed, not trimmed), the password trimmed and compared exactly. A null password
// accepts any; a plain password of an older register is accepted once and replaced by its hash.
std::variant<Operator, SignInRefused> signIn(db::Database& registerDb, const std::string& login,
                                             const std::string& typedPassword);

// The number of the operator who signs in under this name (matched without regard to case).
std::optional<std::int64_t> operatorNumber(db::Database& registerDb, const std::string& login);

// The access code for changing a filed month: the operator's own password, trimmed and compared
// as at sign-in. An empty code never matches, nor does any code of an operator without one.
bool accessCodeMatches(db::Database& registerDb, std::int64_t operatorId,
                       const std::string& typedCode);

// Adds an operator, or changes the password (and names, when given) of an existing one.
// Returns the operator's number.
std::int64_t saveOperator(db::Database& registerDb, const std::string& login,
                          const std::string& password, const std::optional<std::string>& name,
                          const std::optional<std::string>& surname,
                          std::optional<int> companyAccess);

} // namespace zarion::startup
