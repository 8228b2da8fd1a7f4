#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarion::demo {

// Control digit of a personal number (JMBG) from its first twelve digits: the digits weighted
// 7 6 5 4 3 2 7 6 5 4 3 2, m = 11 − (sum mod 11), and an m above 9 gives 0.
inline int jmbgControlDigit(std::string_view firstTwelve) {
    static constexpr int weights[12] = {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (std::size_t i = 0; i < 12; ++i)
        sum += weights[i] * (firstTwelve[i] - '0');
    const int m = 11 - sum % 11;
    return m > 9 ? 0 : m;
}

// Thirteen digits whose last one is the control digit of the first twelve.
inline bool isValidJmbg(std::string_view jmbg) {
    if (jmbg.size() != 13)
        return false;
    for (const char c : jmbg)
        if (c < '0' || c > '9')
            return false;
    return jmbg[12] - '0' == jmbgControlDigit(jmbg.substr(0, 12));
}

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
