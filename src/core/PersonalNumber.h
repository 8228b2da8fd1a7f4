#pragma once

#include <string_view>

namespace zarion {

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

} // namespace zarion
