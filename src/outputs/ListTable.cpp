#include "outputs/ListTable.h"

#include <variant>

#include "core/Text.h"
#include "core/Utf8.h"

namespace zarion::outputs {

double tableTop(report::Painter& p, const report::CompanyData& company,
                const std::filesystem::path& logo, const std::string& title,
                const std::vector<std::string>& lines) {
    const double width = p.document().pageWidth();
    report::PrintHeader(p, company, logo);
    p.setFont("yuoptimar", 11, true);
    p.PrintCenteredWithin(title, width / 2, 39, width - 10);
    p.setFont("yuoptimar", 9);
    double y = 45;
    for (const std::string& line : lines) {
        p.PrintCentered(line, width / 2, y);
        y += 4.5;
    }
    return y;
}

report::Document tablePrintout(const report::CompanyData& company,
                               const std::filesystem::path& logo, const TableHeading& heading,
                               const std::vector<TableColumn>& columns,
                               const std::vector<const PayrollRow*>& rows,
                               const std::function<void(report::ListFlow&)>& after) {
    report::Painter p(heading.orientation, heading.title);
    const double width = p.document().pageWidth();
    const double y = tableTop(p, company, logo, heading.title, heading.lines);

    std::vector<report::ListColumn> layout{{5, report::Align::Left, {"Red.", "br"}, 2}};
    for (const TableColumn& c : columns)
        layout.push_back(c.column);
    report::ListLayout flow;
    flow.right = width - 5;
    flow.bottom = p.document().pageHeight() - 17;
    flow.rowHeight = heading.fontSize * 0.55;
    p.setFont("yuoptimar", heading.fontSize);
    report::ListFlow list(p, layout, flow);
    list.start(y + 2);

    std::vector<Currency> sums(columns.size());
    int number = 0;
    for (const PayrollRow* row : rows) {
        std::vector<report::ListCell> cells{std::to_string(++number) + "."};
        for (std::size_t i = 0; i < columns.size(); ++i) {
            report::ListCell cell = columns[i].cell(*row);
            if (const auto* amount = std::get_if<Currency>(&cell))
                sums[i] += *amount;
            else if (columns[i].characters > 0)
                cell = utf8::left(std::get<std::string>(cell), columns[i].characters);
            cells.push_back(std::move(cell));
        }
        list.row(cells);
    }
    list.rule();
    std::vector<report::ListCell> total{"UKUPNO"_yu};
    for (std::size_t i = 0; i < columns.size(); ++i)
        total.push_back(columns[i].summed ? report::ListCell(sums[i])
                                          : report::ListCell(std::string()));
    list.row(total);
    if (after)
        after(list);
    list.finish();
    return p.take();
}

void signatures(report::ListFlow& list) {
    signaturesWith(list, "Obra~unao:"_yu);
}

void signaturesWith(report::ListFlow& list, const std::string& first) {
    report::Painter& p = list.painter();
    const double y = list.reserve(16) + 10;
    const double width = p.document().pageWidth();
    p.setFont("yuoptimar", 9);
    p.PrintLeft(first, 15, y);
    p.PrintLeft("[ef ra~unovodstva:"_yu, width / 2 - 30, y);
    p.PrintLeft("Direktor:"_yu, width - 75, y);
    p.HLine(15, 70, y + 9);
    p.HLine(width / 2 - 30, width / 2 + 25, y + 9);
    p.HLine(width - 75, width - 20, y + 9);
    list.moveTo(y + 12);
}

} // namespace zarion::outputs
