#pragma once

#include <string>
#include <vector>

// The kinds of income paid outside the salary run (tip_noz of nalozi_ostale_zarade): the menu
// command that opens each, the window's title and heading, and how the kind lists show it.
namespace zarion::other_income {

struct OtherIncomeKind {
    int number = 0;
    std::string command;  // the menu command that opens the window
    std::string listText; // "3 - Ugovor o privremenim i povremenim poslovima"
    std::string title;
    std::string heading;
    std::string incomeLine; // the line of the pay list naming the kind of income
};

// Kinds 3 to 13 in the order of their numbers, then the advances (99).
const std::vector<OtherIncomeKind>& otherIncomeKinds();
// The kind of the number; nullptr for a number that is no kind of this window.
const OtherIncomeKind* findKind(int number);

constexpr int SeveranceKind = 11;
constexpr int AdvanceKind = 99;
constexpr int PerDiemKind = 13;

// The kinds the window of a kind offers: severance and advances put their own kind at the top of
// the common list.
std::vector<const OtherIncomeKind*> kindList(int windowKind);

// Travel costs, separate-living allowance and per diems bear no standardized costs.
bool withoutStandardizedCosts(int kind);
// Professional practice and public works, whose people are insured on the minimum base.
bool insuredOnMinimumBase(int kind);

} // namespace zarion::other_income
