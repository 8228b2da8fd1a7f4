#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"
#include "report/ListFlow.h"

namespace zarion::compensation {

// What stands above a printed list and how the list is set: the title and its lines under the
// company header (or a top of the printout's own), the line that sums the amounts, the font.
struct TablePage {
    std::string title;
    std::vector<std::string> lines;
    report::Orientation orientation = report::Orientation::Landscape;
    double fontSize = 7;
    std::string totalCaption = "UKUPNO";
    // Numbers the columns 1, 2, … under their headings, from the column `numberedFrom` on.
    bool numberedColumns = false;
    std::size_t numberedFrom = 0;
    // Prints the top of the first page in place of the company header and the title, and returns
    // the y where the list starts.
    std::function<double(report::Painter&)> top;
};

// A column of the list; a summed column's amounts add up into the totals line.
struct TableColumn {
    report::ListColumn column;
    bool summed = false;
};

// The company header, the title, the list with a running number in its first column, the totals
// line, then what `after` prints below it (a closing request, the signatures).
report::Document summedTable(const report::CompanyData& company, const std::filesystem::path& logo,
                             const TablePage& page, const std::vector<TableColumn>& columns,
                             const std::vector<std::vector<report::ListCell>>& rows,
                             const std::function<void(report::ListFlow&)>& after = {});

// The cells of every row by the column functions.
template <typename Row>
std::vector<std::vector<report::ListCell>>
tableCells(const std::vector<Row>& rows,
           const std::vector<std::function<report::ListCell(const Row&)>>& cells) {
    std::vector<std::vector<report::ListCell>> table;
    for (const Row& row : rows) {
        std::vector<report::ListCell> line;
        for (const auto& cell : cells)
            line.push_back(cell(row));
        table.push_back(std::move(line));
    }
    return table;
}

// The sum of a summed column over the rows, as the totals line shows it.
Currency columnSum(const std::vector<std::vector<report::ListCell>>& rows, std::size_t column);

} // namespace zarion::compensation
