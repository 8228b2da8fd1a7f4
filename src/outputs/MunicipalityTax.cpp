#include "outputs/MunicipalityTax.h"

#include "core/Text.h"
#include "outputs/ListTable.h"
#include "report/ListFlow.h"

namespace zarion::outputs {

std::vector<MunicipalityTax> taxByMunicipality(const PayrollList& list,
                                               const std::map<int, std::string>& municipalities) {
    std::map<int, Currency> sums;
    for (const PayrollRow* row : list.allRows())
        sums[row->employee.sifra_opstine] += row->calc.porez_na_zaradu;
    return municipalityLines(sums, municipalities);
}

std::vector<MunicipalityTax> municipalityLines(const std::map<int, Currency>& taxByCode,
                                               const std::map<int, std::string>& municipalities) {
    std::vector<MunicipalityTax> lines;
    for (const auto& [code, tax] : taxByCode) {
        const auto name = municipalities.find(code);
        lines.push_back({code, name == municipalities.end() ? std::string() : name->second, tax});
    }
    return lines;
}

report::Document municipalityTaxList(const ListPrint& print,
                                     const std::vector<MunicipalityTax>& lines) {
    using report::Align;
    report::Painter p(report::Orientation::Portrait, "Specifikacija uz poresku prijavu"_yu);
    report::PrintHeader(p, print.company, print.logo);
    p.setFont("yuoptimar", 11, true);
    p.PrintCentered("SPECIFIKACIJA UZ PORESKU PRIJAVU:________________________________"_yu, 105,
                    40);
    p.setFont("yuoptimar", 9);
    p.PrintLeft("Naziv obrasca Poreske uprave: PP OPJ"_yu, 15, 50);
    p.PrintLeft("PIB isplatioca: "_yu + print.company.PIB, 15, 55);

    report::ListFlow list(p,
                          {{22, Align::Right, {"Redni"_yu, "broj"_yu}},
                           {45, Align::Right, {"[ifra"_yu, "op{tine"_yu}},
                           {55, Align::Left, {"Naziv op{tine"_yu}},
                           {195, Align::Right, {"Porez na dohodak", "gra|ana"_yu}}},
                          report::ListLayout{});
    list.start(64);
    Currency total;
    int number = 0;
    for (const MunicipalityTax& line : lines) {
        list.row({std::to_string(++number) + ".", std::to_string(line.code), line.name, line.tax});
        total += line.tax;
    }
    list.rule();
    p.setFontBold(true);
    list.row({std::string(), std::string(), "UKUPNO"_yu, total});
    p.setFontBold(false);
    signatures(list);
    list.finish();
    return p.take();
}

} // namespace zarion::outputs
