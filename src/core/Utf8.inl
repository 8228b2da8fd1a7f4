#pragma once

namespace zarion::utf8 {

inline std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

template <typename F> void forEachCodePoint(std::string_view text, F&& f) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t n = sequenceLength(lead);
        if (n == 1 || i + n > text.size()) {
            f(static_cast<char32_t>(lead));
            ++i;
            continue;
        }
        char32_t cp = lead & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        f(cp);
        i += n;
    }
}

} // namespace zarion::utf8
