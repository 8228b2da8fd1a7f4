#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/trail/History.h"

namespace zarion::maintenance {

// The operator's words for a column of a changed table: the description of a rates or settings
// column (a month's rates described as the current ones), the caption of a register's column in
// the window that edits it, else the caption of a calculation's column, else the column's name.
// The stored history keeps the names; the window, the printout and the spreadsheet show these
// words.
std::string historyColumnCaption(std::string_view table, std::string_view column);

// The operator's words for a table the history records: the menu command that edits it, or
// what its rows are; the table's own name for any other.
std::string historyTableCaption(std::string_view table);

// The entry's changes, each column named by its caption.
std::vector<trail::ColumnChange> captionedChanges(const trail::HistoryEntry& entry);

} // namespace zarion::maintenance
