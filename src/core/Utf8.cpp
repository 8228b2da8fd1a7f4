#include "core/Utf8.h"

namespace zarion::utf8 {

std::size_t length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();
         i += sequenceLength(static_cast<unsigned char>(text[i])))
        ++count;
    return count;
}

std::string left(std::string_view text, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t taken = 0; i < text.size() && taken < characters; ++taken)
        i += sequenceLength(static_cast<unsigned char>(text[i]));
    return std::string(text.substr(0, std::min(i, text.size())));
}

std::string encode(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    return out;
}

} // namespace zarion::utf8
