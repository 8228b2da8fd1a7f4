#include "parameters/IncomeCodeLists.h"

#include "core/Text.h"

namespace zarion::parameters {

const std::array<IncomeCodeList, 4>& incomeCodeLists() {
    // The lists hold the entries of the tax authority's tables the program relies on: the ends
    // of each table, and of the income kinds those the program writes into its returns.
    static const std::array<IncomeCodeList, 4> lists{{
        {IncomeCodePart::Recipient,
         "Vrsta primanja"_yu,
         {"01 Zaposleni"_yu, "11 Lice kome se isplaciju prihodi van radnog odnosa"_yu}},
        {IncomeCodePart::Income,
         "Oznaka vrste prihoda"_yu,
         {"101 Zarada zaposlenog"_yu, "106 Zarada vlasnika - preduzetnika"_yu}},
        {IncomeCodePart::Relief,
         "Oznaka olak{ice"_yu,
         {"00 bez poreske olaksice"_yu, "07 subvencija stariji od 30 i mladji od 45 godina"_yu}},
        {IncomeCodePart::Benefit,
         "Oznaka beneficije"_yu,
         {"0 bez beneficiranog staza"_yu, "1 beneficirani staz 12/14"_yu,
          "2 beneficirani staz 12/15"_yu, "3 beneficirani staz 12/16"_yu,
          "4 beneficirani staz 12/18"_yu}},
    }};
    return lists;
}

std::string incomeCodeHelp(IncomeCodePart part) {
    for (const IncomeCodeList& list : incomeCodeLists()) {
        if (list.part != part)
            continue;
        std::string text = list.heading;
        for (const std::string& line : list.lines)
            text += "\n" + line;
        return text;
    }
    return {};
}

std::string joinedIncomeCode(const std::array<std::string, 9>& boxes) {
    std::string code;
    for (const std::string& box : boxes)
        code += trim(box);
    return code;
}

} // namespace zarion::parameters
