#include "parameters/TableEditor.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

#include "core/Text.h"
#include "parameters/ColumnDescriptions.h"
#include "parameters/FieldValues.h"
#include "parameters/SqlNames.h"

namespace zarion::parameters {
namespace {

constexpr auto tables = std::to_array<std::string_view>({
    "parametri",
    "parametri2",
    "parametri3",
    "parametri_vlasnik",
    "parametri_porodilje",
    "parametri_bolovanje",
    "parametri_invalidi",
    "podaci_ppppd",
    "postavke",
    "kurs",
});

constexpr auto keyedTables = std::to_array<std::string_view>({"uplatni_racuni_ostale"});

std::string checkedTable(std::string_view table, const std::optional<EditorRowKey>& key) {
    if (key ? !isKeyedEditorTable(table) : !isEditorTable(table))
        throw std::invalid_argument("not an editable table: " + std::string(table));
    return quotedName(table);
}

// The table's columns the editor shows: all but the key.
std::vector<db::ColumnInfo> shownColumns(db::Database& db, std::string_view table,
                                         const std::optional<EditorRowKey>& key) {
    std::vector<db::ColumnInfo> columns = db.columns(table);
    if (key)
        std::erase_if(columns, [&](const db::ColumnInfo& c) {
            return equalsIgnoreCase(c.name, key->column);
        });
    return columns;
}

// " WHERE key = ?" for a keyed row, nothing otherwise.
std::string rowFilter(const std::optional<EditorRowKey>& key) {
    return key ? " WHERE " + quotedName(key->column) + " = ?" : std::string();
}

std::optional<std::int64_t> firstRowId(db::Database& db, const std::string& quotedTable,
                                       const std::optional<EditorRowKey>& key) {
    db::Statement st =
        db.prepare("SELECT rowid FROM " + quotedTable + rowFilter(key) + " ORDER BY rowid LIMIT 1");
    if (key)
        st.bind(1, key->value);
    if (!st.step())
        return std::nullopt;
    return st.integer(0);
}

std::string refusalMessage(const std::string& column, const std::string& reason) {
    return "Neispravna vrednost u polju " + column + " (" + reason + ")!\n" +
           "Ni{ta nije snimljeno."_yu;
}

} // namespace

std::span<const std::string_view> editorTables() {
    return tables;
}

bool isEditorTable(std::string_view table) {
    return std::any_of(tables.begin(), tables.end(),
                       [&](std::string_view t) { return equalsIgnoreCase(t, table); });
}

bool isKeyedEditorTable(std::string_view table) {
    return std::any_of(keyedTables.begin(), keyedTables.end(),
                       [&](std::string_view t) { return equalsIgnoreCase(t, table); });
}

EditorContent loadEditorTable(db::Database& payrollDb, std::string_view table,
                              const std::optional<EditorRowKey>& key) {
    const std::string quotedTable = checkedTable(table, key);
    const std::vector<db::ColumnInfo> columns = shownColumns(payrollDb, table, key);
    const ColumnDescriptions& words = ColumnDescriptions::standard();
    const std::string_view title = words.title(table);
    EditorContent content{
        std::string(table), std::string(title.empty() ? table : title), false, {}};
    std::string names;
    for (const db::ColumnInfo& column : columns) {
        names += (names.empty() ? "" : ", ") + quotedName(column.name);
        content.fields.push_back(
            {column.name, column.declType, {}, std::string(words.description(table, column.name))});
    }

    db::Statement row = payrollDb.prepare("SELECT " + names + " FROM " + quotedTable +
                                          rowFilter(key) + " ORDER BY rowid LIMIT 1");
    if (key)
        row.bind(1, key->value);
    content.hasRow = row.step();
    if (content.hasRow) {
        for (std::size_t i = 0; i < content.fields.size(); ++i) {
            EditorField& field = content.fields[i];
            field.text = displayText(row, static_cast<int>(i), fieldType(field.declType)) + " ";
        }
    }
    return content;
}

EditorSaveResult saveEditorTable(db::Database& payrollDb, std::string_view table,
                                 std::span<const std::string> inputs,
                                 const std::optional<EditorRowKey>& key) {
    const std::string quotedTable = checkedTable(table, key);
    const std::vector<db::ColumnInfo> columns = shownColumns(payrollDb, table, key);
    if (inputs.size() != columns.size())
        throw std::invalid_argument("one input per column of " + std::string(table));

    std::vector<StoredValue> values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        Conversion conversion = convertInput(inputs[i], fieldType(columns[i].declType));
        if (!conversion.accepted())
            return {refusalMessage(columns[i].name, conversion.refusal), static_cast<int>(i)};
        values.push_back(std::move(conversion.value));
    }

    db::Transaction tx(payrollDb);
    const std::optional<std::int64_t> rowId = firstRowId(payrollDb, quotedTable, key);
    std::string sql;
    if (rowId) {
        sql = "UPDATE " + quotedTable + " SET ";
        for (std::size_t i = 0; i < columns.size(); ++i)
            sql += (i ? ", " : "") + quotedName(columns[i].name) + " = ?";
        sql += " WHERE rowid = ?";
    } else {
        std::string names;
        std::string marks;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            names += (i ? ", " : "") + quotedName(columns[i].name);
            marks += i ? ", ?" : "?";
        }
        if (key) {
            names += ", " + quotedName(key->column);
            marks += ", ?";
        }
        sql = "INSERT INTO " + quotedTable + " (" + names + ") VALUES (" + marks + ")";
    }
    db::Statement statement = payrollDb.prepare(sql);
    for (std::size_t i = 0; i < values.size(); ++i)
        bindValue(statement, static_cast<int>(i) + 1, values[i]);
    if (rowId)
        statement.bind(static_cast<int>(values.size()) + 1, *rowId);
    else if (key)
        statement.bind(static_cast<int>(values.size()) + 1, key->value);
    statement.run();
    tx.commit();
    return {};
}

EditorSlot editorSlot(int index) {
    const int row = index % EditorRowsPerColumn;
    if (index > 0 && row == 0)
        return {index / EditorRowsPerColumn, EditorRowsPerColumn};
    return {index / EditorRowsPerColumn, row};
}

} // namespace zarion::parameters
