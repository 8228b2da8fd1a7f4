#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "outputs/PayrollList.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"
#include "report/ListFlow.h"

namespace zarion::outputs {

// One column of a printout of the payroll list: where it stands, what it shows of a row, and
// whether the line "UKUPNO" sums it. A text longer than `characters` (when above 0) is cut there.
struct TableColumn {
    report::ListColumn column;
    std::function<report::ListCell(const PayrollRow&)> cell;
    bool summed = false;
    std::size_t characters = 0;
};

// What stands above the table: the title and the lines under it.
struct TableHeading {
    std::string title;
    std::vector<std::string> lines;
    report::Orientation orientation = report::Orientation::Landscape;
    double fontSize = 7;
};

// The company header, the title centred under it and the lines under the title; returns the y
// below the last line.
double tableTop(report::Painter& p, const report::CompanyData& company,
                const std::filesystem::path& logo, const std::string& title,
                const std::vector<std::string>& lines);

// The common frame of the list printouts: the company header, the title, the table with its
// running number and the line "UKUPNO", then what `after` prints below it (a totals block, the
// signatures). Returns the document and leaves the list's position after the table to `after`.
report::Document tablePrintout(const report::CompanyData& company,
                               const std::filesystem::path& logo, const TableHeading& heading,
                               const std::vector<TableColumn>& columns,
                               const std::vector<const PayrollRow*>& rows,
                               const std::function<void(report::ListFlow&)>& after = {});

// The signature lines "Obračunao:" (or the first caption given), "Šef računovodstva:",
// "Direktor:" across the page.
void signatures(report::ListFlow& list);
void signaturesWith(report::ListFlow& list, const std::string& first);

} // namespace zarion::outputs
