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

// The text an input box shows for the column of the current row, as a Serbian reader writes it
// and exact enough to read back as the same value: money grouped with two decimals, or the
// three or four it has ("25.000,50", "0,1234"), other numbers with a decimal comma and the
// decimals they have ("117,2"), whole numbers plain ("2026"), Yes/No as "True"/"False", dates
// as DD.MM.YYYY, null as an empty text.
std::string displayText(const db::Statement& row, int column, FieldType type);
// Nought as displayText shows it for the type: "0,00" for money, "0" for other numbers.
std::string zeroText(FieldType type);

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

// Converts an input as the table editor saves it; an empty (or blank) input stores 0 in a Yes/No,
// money or whole-number column and NULL in any other. A number
// is read as the box shows it ("1.234,56") or as typed with a decimal point ("1234.56").
// Yes/No: "TRUE" in any case and with blanks around stores true, otherwise the numeric value
// (non-zero is true). Currency, Long and Integer: the number, or by the numeric-prefix rule the
// leading number of any other text. Every other type takes the trimmed input whole: a double
// must be a number to its last character, a date DD.MM.YYYY (or YYYY-MM-DD), a text at most its
// declared length.
Conversion convertInput(std::string_view input, FieldType type);

} // namespace zarion::parameters
