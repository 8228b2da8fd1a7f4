#include "payroll/AverageReport.h"

#include "core/Text.h"
#include "report/ListFlow.h"

namespace zarion::payroll {
namespace {

using report::Align;
using report::ListColumn;

std::vector<ListColumn> columns() {
    return {{15, Align::Left, {"MESEC"_yu}},
            {90, Align::Right, {"Broj zaposlenih"_yu}},
            {145, Align::Right, {"Ukupno BRUTO"_yu}},
            {195, Align::Right, {"Ukupno NETO"_yu}}};
}

std::string periodText(const AveragePeriod& period) {
    return "Period: "_yu + std::to_string(period.fromMonth) + "/" +
           std::to_string(period.fromYear) + " - " + std::to_string(period.toMonth) + "/" +
           std::to_string(period.toYear);
}

void averagesLine(report::ListFlow& list, const std::string& label,
                  const std::optional<Averages>& averages) {
    if (!averages)
        return;
    list.row({label, std::string(), averages->gross, averages->net});
}

void printTable(report::Painter& p, report::ListFlow& list, const AverageTable& table) {
    if (!table.title.empty()) {
        const double y = list.reserve(12);
        p.setFont("yuoptimar", 11, true);
        p.PrintLeft(table.title, 15, y + 3);
        p.setFont("yuoptimar", 9);
        list.moveTo(y + 10);
    }
    list.start(list.y());
    for (const AverageRow& row : table.rows)
        list.row({monthText(row), std::to_string(row.employees), row.gross, row.net});
    list.rule();
    p.setFontBold(true);
    list.row({"UKUPNO:"_yu, std::to_string(table.employees), table.gross, table.net});
    averagesLine(list, "PROSE^NO:"_yu, table.averages);
    p.setFontBold(false);
    list.skip(6);
}

} // namespace

report::Document averageEarningsReview(const report::CompanyData& company,
                                       const std::filesystem::path& logo,
                                       const AveragePeriod& period, const AverageTable& first,
                                       const std::optional<AverageTable>& second) {
    const std::string title = "Pregled prose~nih zarada"_yu;
    report::Painter p(report::Orientation::Portrait, title);
    report::PrintHeader(p, company, logo);
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered(title, 105, 41);
    p.setFont("yuoptimar", 10);
    p.PrintCentered(periodText(period), 105, 48);

    p.setFont("yuoptimar", 9);
    report::ListFlow list(p, columns(), report::ListLayout{});
    list.moveTo(58);
    printTable(p, list, first);
    if (second) {
        printTable(p, list, *second);
        p.setFontBold(true);
        averagesLine(list, "PROSE^NO ZA OBE TABELE:"_yu, commonAverages(first, *second));
        p.setFontBold(false);
    }
    list.finish();
    return p.take();
}

} // namespace zarion::payroll
