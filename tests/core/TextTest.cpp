#include "core/Text.h"

#include <gtest/gtest.h>
#include <string>

#include "core/Utf8.h"

namespace zarion {
namespace {

struct PadCase {
    std::string (*pad)(std::string_view, std::size_t);
    const char* text;
    std::size_t n;
    const char* padded;
};

TEST(Pad, FillsOrCutsTheTrimmedText) {
    const PadCase cases[] = {
        {PadLeft, " 42 ", 5, "   42"},    {PadZeros, "7", 3, "007"},
        {PadRight, "ABCDEFG", 4, "ABCD"}, {PadLeft, "ABCDEFG", 4, "ABCD"},
        {PadZeros, "12345", 3, "123"},    {PadRight, " ab ", 4, "ab  "},
        {PadZeros, " 42\t", 5, "00042"},  {PadLeft, "", 3, "   "},
        {PadRight, "   ", 2, "  "},       {PadLeft, "abc", 3, "abc"},
        {PadRight, "abc", 0, ""},         {PadLeft, "a b", 5, "  a b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pad(c.text, c.n), c.padded) << '"' << c.text << "\" to " << c.n;
}

TEST(Pad, CountsCharactersNotBytes) {
    const PadCase cases[] = {
        {PadRight, "Šić", 5, "Šić  "},        {PadLeft, "Šić", 5, "  Šić"},
        {PadZeros, "Šić", 4, "0Šić"},         {PadLeft, "Đorđević", 4, "Đorđ"},
        {PadRight, " Šćepanović ", 3, "Šće"}, {PadRight, "ŽŽ", 1, "Ž"},
    };
    for (const auto& c : cases) {
        const std::string padded = c.pad(c.text, c.n);
        EXPECT_EQ(padded, c.padded) << '"' << c.text << "\" to " << c.n;
        EXPECT_EQ(utf8::length(padded), c.n) << padded;
    }
}

TEST(Trim, RemovesBlanksTabsAndLineEndsAtBothEnds) {
    EXPECT_EQ(trim("\t a b \r\n"), "a b");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim(" Šić "), "Šić");
}

TEST(Case, SerbianLettersCompareWithoutRegardToCase) {
    EXPECT_EQ(toUpper("šćepanović đorđe žarko čedo"), "ŠĆEPANOVIĆ ĐORĐE ŽARKO ČEDO");
    EXPECT_TRUE(equalsIgnoreCase("MEsec", "mesec"));
    EXPECT_TRUE(equalsIgnoreCase("id_Radnik", "ID_RADNIK"));
    EXPECT_TRUE(equalsIgnoreCase("Šić", "šIĆ"));
    EXPECT_FALSE(equalsIgnoreCase("mesec", "meseca"));
    EXPECT_FALSE(equalsIgnoreCase("Sic", "Šić"));
}

TEST(Yuscii, FixedTextsBecomeUnicode) {
    EXPECT_EQ("A`uriraj"_yu, "Ažuriraj");
    EXPECT_EQ("Ve} postoji baza u godini: "_yu, "Već postoji baza u godini: ");
    EXPECT_EQ("[ifra delatnosti: "_yu, "Šifra delatnosti: ");
    EXPECT_EQ("@iro ra~un: "_yu, "Žiro račun: ");
    EXPECT_EQ("@`[{]}^~\\|"_yu, "ŽžŠšĆćČčĐđ");
    EXPECT_EQ("Tarlen 2026 (ok)"_yu, "Tarlen 2026 (ok)");
    EXPECT_EQ(yuscii(""), "");
}

struct PlainCase {
    const char* text;
    const char* plain;
};

TEST(YusciiToPlain, MakesTheSerbianLettersPlainAndLeavesEveryOtherCharacter) {
    const PlainCase cases[] = {
        {"ČćĐđŽžŠš", "CcDjdjZzSs"},
        {"Đorđe Šćepanović", "Djordje Scepanovic"},
        {"Ђорђе Шћепановић", "Djordje Scepanovic"},
        {"Љиљана Њего Џаковић, ул. Јована Жујовића",
         "Ljiljana Njego Dzakovic, ul. Jovana Zujovica"},
        {"plate@firma-[rs].com {x} | ^ ~ ` \\", "plate@firma-[rs].com {x} | ^ ~ ` \\"},
        {"  d.o.o. 50% ", "  d.o.o. 50% "},
        {"Müller Ωmega", "Müller Ωmega"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(YusciiToPlain(c.text), c.plain) << c.text;
}

TEST(NameToPlain, TrimsAndBlanksOutPunctuation) {
    const PlainCase cases[] = {
        {"  Preduzeće Mičić d.o.o.  ", "Preduzece Micic d o o "},
        {"Trg [1] @ {2}", "Trg [1] @ {2}"},
        {"A%B/C+D*E-F", "A B C D E F"},
        {"Šumadija-Prevoz a.d.", "Sumadija Prevoz a d "},
        {"Đurđevak", "Djurdjevak"},
        {"  ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameToPlain(c.text), c.plain) << c.text;
}

} // namespace
} // namespace zarion
