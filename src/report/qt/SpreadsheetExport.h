#pragma once

#include <filesystem>
#include <string>

#include "report/Spreadsheet.h"

class QAbstractItemModel;

namespace zarion::report {

// A list view's contents as headings and rows of texts: the horizontal header of every column,
// hidden ones included, and the display text of every top-level row. A QTreeWidget gives its
// model with model().
SheetList sheetFromModel(const QAbstractItemModel& model);

// Writes the list to <baseFolder>/IzvozExcel/<name>.xlsx; the window shows result.message():
// "Zavrsen je izvoz u excel fajl " and the full path, or the error.
SpreadsheetResult ExportListToSpreadsheet(const QAbstractItemModel& model,
                                          const std::filesystem::path& baseFolder,
                                          const std::string& name);

} // namespace zarion::report
