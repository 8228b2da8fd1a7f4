#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/db/Database.h"

namespace zarion::parameters {

// What a column holds, by its declared type.
enum class FieldKind { YesNo, Currency, Long, Integer, Double, Date, Text };

struct FieldType {
    FieldKind kind = FieldKind::Text;
    std::size_t maxLength = 0; // TEXT(n): at most n characters; 0 when unlimited
};

// "CURRENCY" → Currency, "TEXT(30)" → Text of at most 30 characters; an unknown type is text.
FieldType fieldType(std::string_view declType);

// A value on its way into a column; nullptr stores NULL.
using StoredValue = std::variant<std::nullptr_t, std::int64_t, double, Currency, std::string, Date>;

void bindValue(db::Statement& statement, int index, const StoredValue& value);

// The text an input box shows for the column of the current row: numbers in their shortest
// form ("12.5"), Yes/No as "True"/"False", dates as DD.MM.YYYY, null as an empty text.
std::string displayText(const db::Statement& row, int column, FieldType type);

// The numeric value of a text by the numeric-prefix rule ("12,5" is 12), in the column's
// representation: money exact to 1/10000, whole numbers rounded half to even, Yes/No 0 or 1.
// Throws std::overflow_error when the value does not fit the column.
StoredValue numericStoredValue(std::string_view text, FieldKind kind);

// The outcome of turning an input box's text into a column's value: the value, or the reason
// the column refuses it (in the operator's words; empty when accepted).
struct Conversion {
    StoredValue value;
    std::string refusal;
    bool accepted() const { return refusal.empty(); }
};

// Converts an input as the table editor saves it. Yes/No: "TRUE" in any case and with blanks
// around stores true, otherwise the numeric value (non-zero is true). Currency, Long and Integer:
// the numeric value. Every other type takes the trimmed input whole: a double must be a number
// to its last character, a date DD.MM.YYYY (or YYYY-MM-DD), a text at most its declared length;
// an empty input stores NULL.
Conversion convertInput(std::string_view input, FieldType type);

} // namespace zarion::parameters
