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

std::string checkedTable(std::string_view table) {
    if (!isEditorTable(table))
        throw std::invalid_argument("not an editable table: " + std::string(table));
    return quotedName(table);
}

std::optional<std::int64_t> firstRowId(db::Database& db, const std::string& quotedTable) {
    return db.scalar("SELECT rowid FROM " + quotedTable + " ORDER BY rowid LIMIT 1");
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

EditorContent loadEditorTable(db::Database& payrollDb, std::string_view table) {
    const std::string quotedTable = checkedTable(table);
    const ColumnDescriptions& words = ColumnDescriptions::standard();
    const std::string_view title = words.title(table);
    EditorContent content{
        std::string(table), std::string(title.empty() ? table : title), false, {}};
    for (const db::ColumnInfo& column : payrollDb.columns(table))
        content.fields.push_back(
            {column.name, column.declType, {}, std::string(words.description(table, column.name))});

    db::Statement row =
        payrollDb.prepare("SELECT * FROM " + quotedTable + " ORDER BY rowid LIMIT 1");
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
                                 std::span<const std::string> inputs) {
    const std::string quotedTable = checkedTable(table);
    const std::vector<db::ColumnInfo> columns = payrollDb.columns(table);
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
    const std::optional<std::int64_t> rowId = firstRowId(payrollDb, quotedTable);
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
        sql = "INSERT INTO " + quotedTable + " (" + names + ") VALUES (" + marks + ")";
    }
    db::Statement statement = payrollDb.prepare(sql);
    for (std::size_t i = 0; i < values.size(); ++i)
        bindValue(statement, static_cast<int>(i) + 1, values[i]);
    if (rowId)
        statement.bind(static_cast<int>(values.size()) + 1, *rowId);
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
