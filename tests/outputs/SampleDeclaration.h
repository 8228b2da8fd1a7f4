#pragma once

#include <string>
#include <vector>

#include "outputs/Declaration.h"

namespace zarion::test {

// A row with the identification, hours and amounts given in column order from JMBG on.
inline outputs::DeclarationRow declarationRow(const std::vector<std::string>& fromJmbg) {
    outputs::DeclarationRow row;
    row[outputs::Col::VrstaIdentifikatoraPrimaoca] = "1";
    for (std::size_t i = 0; i < fromJmbg.size(); ++i)
        row.texts[static_cast<std::size_t>(outputs::Col::IdentifikatorPrimaoca) + i] = fromJmbg[i];
    return row;
}

// A regular salary of 100,000.00 for March 2026 at 10 % tax on the gross less 34,221 and
// contributions of 24 %, 10.30 % and 0.75 % (both shares), worked out by hand.
inline outputs::DeclarationRow regularSalary() {
    return declarationRow(
        {"0101990710008", "Đurić",    "Željko",  "007",       "101101000", "31",    "176", "168",
         "100000.00",     "65779",    "6577.90", "100000.00", "24000",     "10300", "750", "34221",
         "50000.00",      "50000.00", "34221",   "150000",    "71000",     "1000",  "4"});
}

// 50,000.50 gross on the lowest base of 51,297: contributions on the base, tax on the gross.
inline outputs::DeclarationRow lowestBaseSalary() {
    return declarationRow({"0505985710010", "Šaković", "Ana",     "234",     "101101000", "30",
                           "160",           "168",     "50000.5", "15779.5", "1577.95",   "51297",
                           "12311.28",      "5283.59", "384.73",  "",        "",          "",
                           "34221",         "",        "36000",   "0",       "9"});
}

// The header of the March 2026 return of a company paid on 10 April.
inline outputs::DeclarationHeader marchHeader() {
    outputs::DeclarationHeader h;
    h.POD11 = "1 - Opšta prijava";
    h.POD121 = "03 - Mart";
    h.POD122 = "2026";
    h.POD14 = {2026, 4, 10};
    h.POD21 = "1 - Pravno lice";
    h.POD22 = "101234567";
    h.POD23 = "12";
    h.POD25 = "07654321";
    h.POD26 = "Šumadija & Đerdap d.o.o.";
    h.POD27 = "013";
    h.POD28 = "011/123-456";
    h.POD29 = "Žička 5";
    h.POD210 = "plate@firma.rs";
    return h;
}

} // namespace zarion::test
