#pragma once

#include <array>
#include <string>
#include <vector>

namespace zarion::parameters {

// The parts of the nine-character income type code of a tax return row, each with the code list
// the editor shows as help.
enum class IncomeCodePart { Recipient, Income, Relief, Benefit };

struct IncomeCodeList {
    IncomeCodePart part;
    std::string heading;            // "Vrsta primanja", ...
    std::vector<std::string> lines; // "01 Zaposleni", one entry a line
};

// The four help lists: the insured-person kinds, the income kinds this program writes into its
// returns, the tax reliefs and the pension-service benefits.
const std::array<IncomeCodeList, 4>& incomeCodeLists();

// The help text of a list: its heading, then its entries, one a line.
std::string incomeCodeHelp(IncomeCodePart part);

// The income type code of the nine boxes, each holding one character (an empty box adds
// nothing).
std::string joinedIncomeCode(const std::array<std::string, 9>& boxes);

} // namespace zarion::parameters
