#include "core/ControlDigits.h"

#include <algorithm>
#include <array>

namespace zarion {
namespace {

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int digit(char c) {
    return c - '0';
}

} // namespace

int registrationControlDigit(std::string_view firstSeven) {
    static constexpr std::array<int, 7> weights = {8, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        sum += weights[i] * digit(firstSeven[i]);
    const int control = 11 - sum % 11;
    return control > 9 ? 0 : control;
}

bool isValidRegistrationNumber(std::string_view number) {
    return number.size() == 8 && allDigits(number) &&
           digit(number[7]) == registrationControlDigit(number.substr(0, 7));
}

int taxNumberControlDigit(std::string_view firstEight) {
    int product = 10;
    for (std::size_t i = 0; i < 8; ++i) {
        int sum = (product + digit(firstEight[i])) % 10;
        if (sum == 0)
            sum = 10;
        product = sum * 2 % 11;
    }
    return (11 - product) % 10;
}

bool isValidTaxNumber(std::string_view number) {
    return number.size() == 9 && allDigits(number) &&
           digit(number[8]) == taxNumberControlDigit(number.substr(0, 8));
}

std::optional<std::string> fullBankAccount(std::string_view account) {
    std::string_view bank;
    std::string_view number;
    std::string_view control;
    const std::size_t first = account.find('-');
    if (first == std::string_view::npos) {
        if (account.size() != 18)
            return std::nullopt;
        bank = account.substr(0, 3);
        number = account.substr(3, 13);
        control = account.substr(16);
    } else {
        const std::size_t second = account.find('-', first + 1);
        if (second == std::string_view::npos)
            return std::nullopt;
        bank = account.substr(0, first);
        number = account.substr(first + 1, second - first - 1);
        control = account.substr(second + 1);
    }
    if (bank.size() != 3 || number.size() > 13 || control.size() != 2 || !allDigits(bank) ||
        !allDigits(number) || !allDigits(control))
        return std::nullopt;

    const std::string full = std::string(bank) + std::string(13 - number.size(), '0') +
                             std::string(number) + std::string(control);
    int rest = 0;
    for (const char c : full)
        rest = (rest * 10 + digit(c)) % 97;
    if (rest != 1)
        return std::nullopt;
    return full.substr(0, 3) + "-" + full.substr(3, 13) + "-" + full.substr(16);
}

} // namespace zarion
