#include "core/ReferenceNumber.h"

#include <cctype>

namespace zarion {
namespace {

// The remainder by 97 of the digits (letters as two digits each), or nothing on a stray character.
std::optional<int> remainder97(std::string_view text, bool& anyDigit) {
    int remainder = 0;
    for (const char raw : text) {
        const auto c = static_cast<unsigned char>(raw);
        if (c == ' ' || c == '-')
            continue;
        if (std::isdigit(c)) {
            remainder = (remainder * 10 + (c - '0')) % 97;
        } else if (std::isalpha(c)) {
            remainder = (remainder * 100 + (std::toupper(c) - 'A' + 10)) % 97;
        } else {
            return std::nullopt;
        }
        anyDigit = true;
    }
    return remainder;
}

} // namespace

std::optional<std::string> model97ControlDigits(std::string_view rest) {
    bool anyDigit = false;
    const auto remainder = remainder97(rest, anyDigit);
    if (!remainder || !anyDigit)
        return std::nullopt;
    const int control = 98 - (*remainder * 100) % 97;
    return std::string{static_cast<char>('0' + control / 10),
                       static_cast<char>('0' + control % 10)};
}

std::optional<std::string> model97Reference(std::string_view rest) {
    const auto control = model97ControlDigits(rest);
    if (!control)
        return std::nullopt;
    return *control + std::string(rest);
}

bool isValidModel97(std::string_view reference) {
    std::string digits;
    for (const char c : reference)
        if (c != ' ' && c != '-')
            digits += c;
    if (digits.size() < 3)
        return false;
    const auto control = model97ControlDigits(std::string_view(digits).substr(2));
    return control && *control == digits.substr(0, 2);
}

} // namespace zarion
