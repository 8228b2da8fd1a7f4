#include "outputs/SerbianOrder.h"

#include <algorithm>
#include <array>

#include "core/Utf8.h"

namespace zarion::outputs {
namespace {

// A letter of the alphabet: its first character and, for the three digraphs, its second.
struct Letter {
    char32_t first;
    char32_t second;
};

constexpr std::array<Letter, 34> Alphabet{{
    {U'a', 0},         {U'b', 0},      {U'c', 0}, {U'\u010D', 0}, {U'\u0107', 0}, {U'd', 0},
    {U'd', U'\u017E'}, {U'\u0111', 0}, {U'e', 0}, {U'f', 0},      {U'g', 0},      {U'h', 0},
    {U'i', 0},         {U'j', 0},      {U'k', 0}, {U'l', 0},      {U'l', U'j'},   {U'm', 0},
    {U'n', 0},         {U'n', U'j'},   {U'o', 0}, {U'p', 0},      {U'q', 0},      {U'r', 0},
    {U's', 0},         {U'\u0161', 0}, {U't', 0}, {U'u', 0},      {U'v', 0},      {U'w', 0},
    {U'x', 0},         {U'y', 0},      {U'z', 0}, {U'\u017E', 0},
}};

constexpr int LetterBase = 100; // digits rank below it
constexpr int OtherBase = 1000; // characters outside the alphabet rank above it

char32_t small(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    switch (c) {
    case U'\u010C':
        return U'\u010D'; // Č
    case U'\u0106':
        return U'\u0107'; // Ć
    case U'\u0110':
        return U'\u0111'; // Đ
    case U'\u0160':
        return U'\u0161'; // Š
    case U'\u017D':
        return U'\u017E'; // Ž
    default:
        return c;
    }
}

int letterRank(char32_t c, char32_t next, bool& digraph) {
    digraph = false;
    int single = -1;
    for (std::size_t i = 0; i < Alphabet.size(); ++i) {
        if (Alphabet[i].first != c)
            continue;
        if (Alphabet[i].second == 0)
            single = static_cast<int>(i);
        else if (Alphabet[i].second == next) {
            digraph = true;
            return LetterBase + static_cast<int>(i);
        }
    }
    return single < 0 ? -1 : LetterBase + single;
}

} // namespace

std::vector<int> serbianSortKey(std::string_view text) {
    std::vector<char32_t> characters;
    utf8::forEachCodePoint(text, [&](char32_t c) { characters.push_back(small(c)); });
    std::vector<int> key;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        const char32_t next = i + 1 < characters.size() ? characters[i + 1] : 0;
        bool digraph = false;
        const int rank = letterRank(c, next, digraph);
        if (rank >= 0) {
            key.push_back(rank);
            if (digraph)
                ++i;
        } else if (c >= U'0' && c <= U'9') {
            key.push_back(static_cast<int>(c - U'0'));
        } else {
            key.push_back(OtherBase + static_cast<int>(c));
        }
    }
    return key;
}

bool serbianLess(std::string_view a, std::string_view b) {
    const std::vector<int> ka = serbianSortKey(a);
    const std::vector<int> kb = serbianSortKey(b);
    return std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end());
}

} // namespace zarion::outputs
