#include "compensation/SummedTable.h"

#include <algorithm>

#include "core/Text.h"
#include "outputs/ListTable.h"
#include "report/Painter.h"

namespace zarion::compensation {
namespace {

// Every heading as deep as the deepest, with its column's number on the last line.
std::vector<report::ListColumn> numberedHeadings(std::vector<report::ListColumn> columns,
                                                 std::size_t from) {
    std::size_t depth = 0;
    for (const report::ListColumn& c : columns)
        depth = std::max(depth, c.heading.size());
    int number = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i].heading.resize(depth);
        columns[i].heading.push_back(i >= from ? std::to_string(++number) : std::string());
    }
    return columns;
}

} // namespace

Currency columnSum(const std::vector<std::vector<report::ListCell>>& rows, std::size_t column) {
    Currency sum;
    for (const auto& row : rows)
        if (column < row.size())
            if (const auto* amount = std::get_if<Currency>(&row[column]))
                sum += *amount;
    return sum;
}

report::Document summedTable(const report::CompanyData& company, const std::filesystem::path& logo,
                             const TablePage& page, const std::vector<TableColumn>& columns,
                             const std::vector<std::vector<report::ListCell>>& rows,
                             const std::function<void(report::ListFlow&)>& after) {
    report::Painter p(page.orientation, page.title);
    const double width = p.document().pageWidth();
    const double y =
        page.top ? page.top(p) : outputs::tableTop(p, company, logo, page.title, page.lines) + 2;

    std::vector<report::ListColumn> layout;
    for (const TableColumn& c : columns)
        layout.push_back(c.column);
    if (page.numberedColumns)
        layout = numberedHeadings(std::move(layout), page.numberedFrom);
    report::ListLayout flow;
    flow.right = width - 5;
    flow.bottom = p.document().pageHeight() - 17;
    flow.rowHeight = page.fontSize * 0.55;
    p.setFont("yuoptimar", page.fontSize);
    report::ListFlow list(p, layout, flow);
    list.start(y);

    int number = 0;
    for (const auto& row : rows) {
        std::vector<report::ListCell> cells = row;
        cells.insert(cells.begin(), std::to_string(++number) + ".");
        list.row(cells);
    }
    list.rule();
    std::vector<report::ListCell> totals{page.totalCaption};
    for (std::size_t i = 1; i < columns.size(); ++i)
        totals.push_back(columns[i].summed ? report::ListCell(columnSum(rows, i - 1))
                                           : report::ListCell(std::string()));
    p.setFontBold(true);
    list.row(totals);
    p.setFontBold(false);
    if (after)
        after(list);
    list.finish();
    return p.take();
}

} // namespace zarion::compensation
