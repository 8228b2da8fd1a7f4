#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/PersonalNumber.h"

namespace zarion::demo {

using zarion::isValidJmbg;
using zarion::jmbgControlDigit;

// A bank account in the form the banks print, "160-0000000123456-54": the bank's three digits,
// the account's thirteen digits and the two control digits of ISO 7064 MOD 97-10 over both.
inline std::string bankAccount(std::string_view bank, std::int64_t number) {
    std::string body = std::to_string(number);
    body.insert(0, 13 - body.size(), '0');
    int rest = 0;
    for (const char c : std::string(bank) + body + "00")
        rest = (rest * 10 + (c - '0')) % 97;
    const int control = 98 - rest;
    return std::string(bank) + "-" + body + "-" + (control < 10 ? "0" : "") +
           std::to_string(control);
}

} // namespace zarion::demo
