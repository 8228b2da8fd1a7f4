#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "outputs/PayrollList.h"
#include "outputs/Registers.h"
#include "report/Document.h"

namespace zarion::outputs {

// The tax of the listed salaries whose employees live in one municipality.
struct MunicipalityTax {
    int code = 0; // sifra_opstine
    std::string name;
    Currency tax;
};

// One line per municipality of the sums of tax by municipality code, named from the code list.
std::vector<MunicipalityTax> municipalityLines(const std::map<int, Currency>& taxByCode,
                                               const std::map<int, std::string>& municipalities);

// The tax of both lists summed by the employee's municipality of residence, by code.
std::vector<MunicipalityTax> taxByMunicipality(const PayrollList& list,
                                               const std::map<int, std::string>& municipalities);

// "SPECIFIKACIJA UZ PORESKU PRIJAVU" for the form "PP OPJ": one line per municipality, the
// total and the signature lines.
report::Document municipalityTaxList(const ListPrint& print,
                                     const std::vector<MunicipalityTax>& lines);

} // namespace zarion::outputs
