#pragma once

#include <array>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

#include "core/db/Database.h"
#include "payroll/RecordFields.h"

namespace zarion::compensation {

using payroll::Field;

// "a, b, c" of the fields' names.
template <typename Record> std::string fieldNames(std::span<const Field<Record>> fields) {
    std::string names;
    for (const Field<Record>& field : fields)
        names += (names.empty() ? "" : ", ") + std::string(field.name);
    return names;
}

// Binds every field's value from `first` on, in the order of the table.
template <typename Record>
void bindFields(db::Statement& st, std::span<const Field<Record>> fields, const Record& record,
                int first = 1) {
    int index = first;
    for (const Field<Record>& field : fields)
        std::visit([&](auto member) { st.bind(index++, record.*member); }, field.member);
}

// Adds the record to the table with its key columns set to the keys, or writes it over the row
// those keys find.
template <typename Record, typename... Keys>
void addOrUpdate(db::Database& db, const std::string& table, std::span<const Field<Record>> fields,
                 const Record& record, const std::array<const char*, sizeof...(Keys)>& keyColumns,
                 const Keys&... keys) {
    std::string where;
    for (const char* key : keyColumns)
        where += (where.empty() ? "" : " AND ") + std::string(key) + " = ?";
    const bool exists =
        db.scalar("SELECT COUNT(*) FROM " + table + " WHERE " + where, keys...).value_or(0) > 0;
    std::string sql;
    if (exists) {
        for (const Field<Record>& field : fields)
            sql += (sql.empty() ? "" : ", ") + std::string(field.name) + " = ?";
        sql = "UPDATE " + table + " SET " + sql + " WHERE " + where;
    } else {
        std::string names = fieldNames(fields);
        std::string marks;
        for (std::size_t i = 0; i < fields.size() + keyColumns.size(); ++i)
            marks += i == 0 ? "?" : ", ?";
        for (const char* key : keyColumns)
            names += std::string(", ") + key;
        sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")";
    }
    db::Statement st = db.prepare(sql);
    bindFields(st, fields, record);
    int index = static_cast<int>(fields.size());
    (st.bind(++index, keys), ...);
    st.run();
}

} // namespace zarion::compensation
