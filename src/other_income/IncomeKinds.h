#pragma once

#include <span>
#include <string>

// The kinds of other income, as the operator chooses them.
namespace zarion::other_income {

struct IncomeKind {
    int tip_noz;
    const char* text; // "3 - Ugovor o privremenim i povremenim poslovima", the kinds' own text
};

// Advances and severance first, then the kinds of the other-income orders in the order of their
// numbers.
std::span<const IncomeKind> incomeKinds();

// The kind's text in Unicode; the number alone for a kind not in the list.
std::string incomeKindText(int tip_noz);

} // namespace zarion::other_income
