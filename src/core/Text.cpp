#include "core/Text.h"

#include <algorithm>
#include <string_view>

#include "core/Utf8.h"

namespace zarion {
namespace {

// The YUSCII letter for each ASCII stand-in, as Unicode.
char32_t yusciiLetter(char c) {
    switch (c) {
    case '@':
        return U'Ž';
    case '`':
        return U'ž';
    case '[':
        return U'Š';
    case '{':
        return U'š';
    case ']':
        return U'Ć';
    case '}':
        return U'ć';
    case '^':
        return U'Č';
    case '~':
        return U'č';
    case '\\':
        return U'Đ';
    case '|':
        return U'đ';
    default:
        return 0;
    }
}

// The plain spelling of a Serbian letter, Latin or Cyrillic; nothing for any other character.
const char* plainLetter(char32_t cp) {
    switch (cp) {
    case U'Č':
    case U'Ć':
    case U'Ч':
    case U'Ћ':
        return "C";
    case U'č':
    case U'ć':
    case U'ч':
    case U'ћ':
        return "c";
    case U'Š':
    case U'Ш':
        return "S";
    case U'š':
    case U'ш':
        return "s";
    case U'Đ':
    case U'Ђ':
        return "Dj";
    case U'đ':
    case U'ђ':
        return "dj";
    case U'Ž':
    case U'Ж':
        return "Z";
    case U'ž':
    case U'ж':
        return "z";
    case U'Џ':
        return "Dz";
    case U'џ':
        return "dz";
    case U'Љ':
        return "Lj";
    case U'љ':
        return "lj";
    case U'Њ':
        return "Nj";
    case U'њ':
        return "nj";
    default:
        return nullptr;
    }
}

// The Latin letter of the Cyrillic letters that have one letter for one: А → A, ј → j.
char32_t latinOfCyrillic(char32_t cp) {
    static constexpr std::u32string_view cyrillic = U"АБВГДЕЗИЈКЛМНОПРСТУФХЦ";
    static constexpr std::string_view latin = "ABVGDEZIJKLMNOPRSTUFHC";
    const bool lower = cp >= U'а' && cp <= U'я';
    const char32_t upper = lower ? cp - (U'а' - U'А') : cp == U'ј' ? U'Ј' : cp;
    const std::size_t at = cyrillic.find(upper);
    if (at == std::u32string_view::npos)
        return 0;
    const char32_t letter = static_cast<unsigned char>(latin[at]);
    return lower || cp == U'ј' ? letter + (U'a' - U'A') : letter;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string padTo(std::string_view text, std::size_t n, char fill, bool inFront) {
    const std::string t = trim(text);
    const std::size_t length = utf8::length(t);
    if (length >= n)
        return utf8::left(t, n);
    const std::string padding(n - length, fill);
    return inFront ? padding + t : t + padding;
}

} // namespace

std::string yuscii(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char c : text) {
        if (const char32_t letter = yusciiLetter(c))
            out += utf8::encode(letter);
        else
            out.push_back(c);
    }
    return out;
}

std::string trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string toUpper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    utf8::forEachCodePoint(text, [&](char32_t cp) {
        if (cp >= U'a' && cp <= U'z')
            cp -= 32;
        else if (cp == U'š' || cp == U'ž' || cp == U'č' || cp == U'ć')
            cp = cp == U'š' ? U'Š' : cp == U'ž' ? U'Ž' : cp == U'č' ? U'Č' : U'Ć';
        else if (cp == U'đ')
            cp = U'Đ';
        out += utf8::encode(cp);
    });
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    // Column and field names are plain ASCII: compare them without building upper-case copies
    // (and without the locale, which may fold letters its own way).
    auto ascii = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
    };
    auto upper = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    if (ascii(a) && ascii(b))
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [&](char x, char y) { return upper(x) == upper(y); });
    return toUpper(a) == toUpper(b);
}

std::string PadLeft(std::string_view text, std::size_t n) {
    return padTo(text, n, ' ', true);
}
std::string PadRight(std::string_view text, std::size_t n) {
    return padTo(text, n, ' ', false);
}
std::string PadZeros(std::string_view text, std::size_t n) {
    return padTo(text, n, '0', true);
}

std::string AmountText(Currency amount) {
    const Currency rounded = amount.round2();
    const std::int64_t raw = rounded.raw();
    const std::uint64_t cents =
        (raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw)) / 100;
    std::string s = std::to_string(cents);
    if (s.size() < 3)
        s.insert(0, 3 - s.size(), '0');
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        out.push_back(s[i]);
        const std::size_t k = s.size() - i; // digits from this one to the end, itself included
        if (k == 3)
            out.push_back(',');
        else if (k > 3 && k % 3 == 0)
            out.push_back('.');
    }
    return raw < 0 ? "-" + out : out;
}

std::string YusciiToPlain(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    utf8::forEachCodePoint(text, [&](char32_t cp) {
        if (const char* plain = plainLetter(cp))
            out += plain;
        else if (const char32_t latin = latinOfCyrillic(cp))
            out.push_back(static_cast<char>(latin));
        else
            out += utf8::encode(cp);
    });
    return out;
}

std::string NameToPlain(std::string_view text) {
    std::string out = YusciiToPlain(trim(text));
    std::replace_if(
        out.begin(), out.end(),
        [](char c) { return c == '%' || c == '/' || c == '+' || c == '*' || c == '.' || c == '-'; },
        ' ');
    return out;
}

} // namespace zarion
