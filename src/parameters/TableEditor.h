#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/Database.h"

namespace zarion::parameters {

// The single-row tables of calculation rates, accounts and settings that the generic editor
// shows column by column.
std::span<const std::string_view> editorTables();
bool isEditorTable(std::string_view table);

// The row of a table kept one row per key (the payment accounts of other income, one row per
// kind): the key column, which the editor does not show, and the key's value.
struct EditorRowKey {
    std::string column;
    std::int64_t value = 0;
};
// The tables the editor shows one keyed row of.
bool isKeyedEditorTable(std::string_view table);

// One column of the edited table with the text its input box starts with, and the operator's
// description of the column (empty when it has none).
struct EditorField {
    std::string name;
    std::string declType;
    std::string text;
    std::string description;
};

// The table as the editor opens it: its title (the table's Serbian name, or the table name when
// it has none) and every column in the template's order. While the table has no row the boxes
// are empty; otherwise each shows its value followed by one blank.
struct EditorContent {
    std::string table;
    std::string title;
    bool hasRow = false;
    std::vector<EditorField> fields;
};

// Throws std::invalid_argument for a table the editor does not edit. With a key, the row of that
// key of a keyed table, without the key column.
EditorContent loadEditorTable(db::Database& payrollDb, std::string_view table,
                              const std::optional<EditorRowKey>& key = std::nullopt);

// Empty when stored; otherwise the message that names the refused column, and its position.
struct EditorSaveResult {
    std::string refusal;
    int refusedColumn = -1;
    bool stored() const { return refusal.empty(); }
};

// Stores the inputs (one per column, in the order of loadEditorTable) into the table's first
// row, creating it when the table is empty. A value one column refuses stores nothing at all.
// With a key, into the row of that key, created with the key when there is none.
EditorSaveResult saveEditorTable(db::Database& payrollDb, std::string_view table,
                                 std::span<const std::string> inputs,
                                 const std::optional<EditorRowKey>& key = std::nullopt);

// Where the editor places the caption and box of column `index`: 40 rows to a column of boxes,
// column 40 (80, …) at the foot of the next column below its 39th row, the next ones from its
// top: a table of 45 columns shows column 40 at the foot of the second column and columns 41
// to 44 at its top.
struct EditorSlot {
    int column = 0;
    int row = 0;
};
constexpr int EditorRowsPerColumn = 40;
EditorSlot editorSlot(int index);

} // namespace zarion::parameters
