#include "other_income/IncomeKinds.h"

#include <vector>

#include "other_income/OtherIncomeKinds.h"

namespace zarion::other_income {

std::span<const IncomeKind> incomeKinds() {
    static const std::vector<IncomeKind> kinds = [] {
        std::vector<IncomeKind> list{{AdvanceKind, findKind(AdvanceKind)->listText.c_str()}};
        for (const OtherIncomeKind* kind : kindList(SeveranceKind))
            list.push_back({kind->number, kind->listText.c_str()});
        return list;
    }();
    return kinds;
}

std::string incomeKindText(int tip_noz) {
    const OtherIncomeKind* kind = findKind(tip_noz);
    return kind ? kind->listText : std::to_string(tip_noz);
}

} // namespace zarion::other_income
