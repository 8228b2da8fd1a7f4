#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarion::report {

// A list as the window shows it: the column headings and, per row, the texts of its columns.
struct SheetList {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

struct SpreadsheetResult {
    std::filesystem::path path; // the file written (or meant to be written)
    std::string error;          // empty on success
    bool ok() const { return error.empty(); }
    // "Zavrsen je izvoz u excel fajl " and the full path, or the error.
    std::string message() const;
};

// Writes the list to <baseFolder>/IzvozExcel/<name>.xlsx, creating the folder and replacing an
// existing file: headings in row 1, the list's rows from row 2, list column n in spreadsheet
// column n. A text that is an amount as the lists show it ("1234.50", "-1,234.50": two decimals,
// grouped or not) becomes a number cell formatted "#,##0.00", so the sheet can sum it; every other
// text (names, ID numbers, JMBG, accounts, whole numbers) stays text exactly as shown.
SpreadsheetResult ExportListToSpreadsheet(const SheetList& list,
                                          const std::filesystem::path& baseFolder,
                                          const std::string& name);

} // namespace zarion::report
