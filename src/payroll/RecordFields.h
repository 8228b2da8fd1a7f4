#pragma once

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/Text.h"
#include "core/db/Database.h"

namespace zarion::payroll {

// What a column holds, for writing it generically (posting, the command line).
enum class ColumnKind { Money, Rate, Hours, Whole, Text, Date };

// One column of a record: its name as the table spells it, what it holds, and the member that
// keeps it. The records of the calculation are described by tables of these, so a row is read
// from the database, from a JSON object or written out by name without a list per caller.
template <typename Record> struct Field {
    using Member = std::variant<double Record::*, Currency Record::*, int Record::*,
                                std::string Record::*, zarion::Date Record::*>;
    std::string_view name;
    ColumnKind kind;
    Member member;
};

template <typename Record>
const Field<Record>* findField(std::span<const Field<Record>> fields, std::string_view name) {
    for (const Field<Record>& field : fields)
        if (equalsIgnoreCase(field.name, name))
            return &field;
    return nullptr;
}

// Reads one field from the given column of the statement's current row (numeric-prefix rule,
// null as 0 or as an empty text).
template <typename Record>
void readField(const db::Statement& row, int column, const Field<Record>& field, Record& record) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(record.*member)>;
            if constexpr (std::is_same_v<Value, double>)
                record.*member = row.number(column);
            else if constexpr (std::is_same_v<Value, Currency>)
                record.*member = row.money(column);
            else if constexpr (std::is_same_v<Value, int>)
                record.*member = static_cast<int>(row.integer(column));
            else if constexpr (std::is_same_v<Value, std::string>)
                record.*member = row.text(column);
            else
                record.*member = row.date(column);
        },
        field.member);
}

// Reads every field from the statement's current row by column name.
template <typename Record>
void readFields(const db::Statement& row, std::span<const Field<Record>> fields, Record& record) {
    for (const Field<Record>& field : fields)
        readField(row, row.column(field.name), field, record);
}

} // namespace zarion::payroll
