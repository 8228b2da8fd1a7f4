#include "compensation/AwardPrints.h"

#include "compensation/SummedTable.h"
#include "compensation/TaxSpecification.h"
#include "core/Text.h"
#include "outputs/ListTable.h"

namespace zarion::compensation {

using report::Align;
using report::ListCell;

report::Document awardPaymentList(const report::CompanyData& company,
                                  const std::filesystem::path& logo, const AwardOrder& order,
                                  const std::vector<AwardPayment>& payments) {
    const bool jubilee = order.tip_noz == static_cast<int>(AwardKind::Jubilee);
    TablePage page;
    page.title = "SPISAK ZA ISPLATU OSTALIH ZARADA " +
                 awardKindCaption(static_cast<AwardKind>(order.tip_noz)).substr(4);
    page.lines = {"Nalog: " + order.caption()};
    page.fontSize = 8;
    std::vector<TableColumn> columns{{{5, Align::Left, {"Red.br"}}},
                                     {{18, Align::Left, {"ID", "radnika"}}},
                                     {{35, Align::Left, {"Prezime i ime"}}}};
    std::vector<std::function<ListCell(const AwardPayment&)>> cells{
        [](const AwardPayment& p) -> ListCell { return std::to_string(p.ID_RADNIK); },
        [](const AwardPayment& p) -> ListCell {
            return p.name;
        }};
    if (jubilee) {
        columns.push_back({{95, Align::Left, {"Radno mesto"}}});
        cells.push_back([](const AwardPayment& p) -> ListCell { return p.jobTitle; });
    }
    const std::pair<const char*, Currency AwardFigures::*> amounts[] = {
        {"NETO", &AwardFigures::net},       {"Neoporezivo", &AwardFigures::nonTaxable},
        {"Porez", &AwardFigures::tax},      {"BRUTO", &AwardFigures::gross},
        {"ZA ISPLATU", &AwardFigures::net},
    };
    double x = 160;
    for (const auto& [heading, member] : amounts) {
        columns.push_back({{x, Align::Right, {heading}}, true});
        cells.push_back([member](const AwardPayment& p) -> ListCell { return p.figures.*member; });
        x += 22;
    }
    columns.push_back({{x - 8, Align::Left, {"Potpis radnika"}}});
    cells.push_back([](const AwardPayment&) -> ListCell { return std::string("______________"); });
    return summedTable(company, logo, page, columns, tableCells(payments, cells),
                       [](report::ListFlow& list) { outputs::signatures(list); });
}

report::Document awardTaxSpecification(db::Database& payroll, const report::CompanyData& company,
                                       const std::filesystem::path& logo,
                                       const std::vector<AwardPayment>& payments) {
    std::vector<EmployeeTax> taxes;
    for (const AwardPayment& p : payments)
        taxes.emplace_back(p.ID_RADNIK, p.figures.tax);
    return outputs::municipalityTaxList({company, logo}, taxByResidence(payroll, taxes));
}

} // namespace zarion::compensation
