#include "other_income/IncomeKinds.h"

#include <array>

#include "core/Text.h"

namespace zarion::other_income {
namespace {

constexpr auto Kinds = std::to_array<IncomeKind>({
    {99, "99 - Akontacije"},
    {11, "11 - Otpremnina za odlazak u penziju"},
    {3, "3 - Ugovor o privremenim i povremenim poslovima"},
    {4, "4 - Autorska naknada"},
    {5, "5 - Ugovor o dopunskom radu"},
    {6, "6 - Ugovor o delu"},
    {7, "7 - Stru~na praksa"},
    {8, "8 - Javni radovi"},
    {9, "9 - Obracun zakupa"},
    {10, "10 - Putni tro{kovi"},
    {12, "12 - Odvojeni `ivot"},
    {13, "13 - Dnevnice"},
});

} // namespace

std::span<const IncomeKind> incomeKinds() {
    return Kinds;
}

std::string incomeKindText(int tip_noz) {
    for (const IncomeKind& kind : Kinds)
        if (kind.tip_noz == tip_noz)
            return yuscii(kind.text);
    return std::to_string(tip_noz);
}

} // namespace zarion::other_income
