#pragma once

#include <string>
#include <string_view>

#include "core/Currency.h"

namespace zarion {

// Fixed texts of the program are written in YUSCII notation and turned into Unicode:
// "A`uriraj"_yu is "Ažuriraj". Only fixed texts take it; data and paths never do.
std::string yuscii(std::string_view text);
inline std::string operator""_yu(const char* text, std::size_t size) {
    return yuscii(std::string_view(text, size));
}

// Blanks, tabs and line ends removed at both ends.
std::string trim(std::string_view text);
std::string toUpper(std::string_view text); // ASCII and the Serbian letters
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The trimmed text padded to n characters (blanks in front, blanks behind, zeros in front);
// a longer text is cut to its first n characters.
std::string PadLeft(std::string_view text, std::size_t n);
std::string PadRight(std::string_view text, std::size_t n);
std::string PadZeros(std::string_view text, std::size_t n);

// 1234567.891 → "1.234.567,89", -12 → "-12,00"; rounded to 2 decimals, halves to even.
std::string AmountText(Currency amount);

// The Serbian letters made plain, Latin and Cyrillic alike (Š → S, đ → dj, Љ → Lj, ж → z), so that
// each of them is one byte; every other character, "@" and "[" of an address among them, unchanged.
std::string YusciiToPlain(std::string_view text);
// As YusciiToPlain on the trimmed text, with "%", "/", "+", "*", ".", "-" turned into blanks.
std::string NameToPlain(std::string_view text);

} // namespace zarion
