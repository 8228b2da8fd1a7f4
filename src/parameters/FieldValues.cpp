#include "parameters/FieldValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"
#include "core/Utf8.h"

namespace zarion::parameters {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::int64_t wholeWithin(std::string_view text, double lowest, double highest) {
    const double rounded = std::nearbyint(numericValue(text)); // halves to even
    if (!(rounded >= lowest && rounded <= highest))
        throw std::overflow_error("whole number out of range");
    return static_cast<std::int64_t>(rounded);
}

// A double written whole: "12.5", "-3", "1e3"; "12,5" and "12x" are not numbers.
bool parseDouble(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

// Money with two decimals, or with the three or four a finer amount has.
std::string amountText(Currency amount) {
    const std::int64_t raw = amount.raw();
    const NumberFormat form = raw % 100 == 0  ? NumberFormat::Grouped2
                              : raw % 10 == 0 ? NumberFormat::Grouped3
                                              : NumberFormat::Grouped4;
    return format(amount, form);
}

// A rate with the decimals it has, behind a decimal comma and without grouping: "0,75", "117,2",
// "20". Written out in full, so that it reads back as the same double.
std::string rateText(double value) {
    char digits[400];
    const auto [end, ec] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    std::string text(digits, ec == std::errc{} ? end : digits);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

bool readNumber(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

// DD.MM.YYYY as the windows show dates, or YYYY-MM-DD as they are stored.
bool parseDate(std::string_view text, Date& date) {
    const bool display = text.size() == 10 && text[2] == '.' && text[5] == '.';
    const bool iso = text.size() == 10 && text[4] == '-' && text[7] == '-';
    if (display) {
        if (!readNumber(text.substr(0, 2), date.day) ||
            !readNumber(text.substr(3, 2), date.month) || !readNumber(text.substr(6, 4), date.year))
            return false;
    } else if (iso) {
        if (!readNumber(text.substr(0, 4), date.year) ||
            !readNumber(text.substr(5, 2), date.month) || !readNumber(text.substr(8, 2), date.day))
            return false;
    } else {
        return false;
    }
    return date.year >= 1 && date.day >= 1 && date.day <= DaysInMonth(date.month, date.year);
}

} // namespace

FieldType fieldType(std::string_view declType) {
    const std::string type = toUpper(trim(declType));
    if (type == "YESNO")
        return {FieldKind::YesNo};
    if (type == "CURRENCY")
        return {FieldKind::Currency};
    if (type == "LONG")
        return {FieldKind::Long};
    if (type == "INTEGER")
        return {FieldKind::Integer};
    if (type == "DOUBLE")
        return {FieldKind::Double};
    if (type == "DATE")
        return {FieldKind::Date};
    FieldType text{FieldKind::Text};
    if (startsWith(type, "TEXT(") && type.back() == ')') {
        int length = 0;
        if (readNumber(std::string_view(type).substr(5, type.size() - 6), length) && length > 0)
            text.maxLength = static_cast<std::size_t>(length);
    }
    return text;
}

void bindValue(db::Statement& statement, int index, const StoredValue& value) {
    std::visit([&](const auto& v) { statement.bind(index, v); }, value);
}

std::string displayText(const db::Statement& row, int column, FieldType type) {
    if (row.isNull(column))
        return {};
    switch (type.kind) {
    case FieldKind::YesNo:
        return row.flag(column) ? "True" : "False";
    case FieldKind::Currency:
        return amountText(row.money(column));
    case FieldKind::Long:
    case FieldKind::Integer:
        return std::to_string(row.integer(column));
    case FieldKind::Double:
        return rateText(row.number(column));
    case FieldKind::Date:
        return toDisplayText(row.date(column));
    case FieldKind::Text:
        break;
    }
    return row.text(column);
}

std::string zeroText(FieldType type) {
    return type.kind == FieldKind::Currency ? amountText(Currency{}) : "0";
}

StoredValue numericStoredValue(std::string_view text, FieldKind kind) {
    switch (kind) {
    case FieldKind::YesNo:
        return std::int64_t{numericValue(text) != 0.0 ? 1 : 0};
    case FieldKind::Currency:
        return Currency::parse(text);
    case FieldKind::Long:
        return wholeWithin(text, std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max());
    case FieldKind::Integer:
        return wholeWithin(text, std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max());
    case FieldKind::Double:
    case FieldKind::Date:
    case FieldKind::Text:
        break;
    }
    return numericValue(text);
}

Conversion convertInput(std::string_view input, FieldType type) {
    const std::string text = trim(input);
    // A number typed as the windows show it (1.234,56) or with a decimal point (1234.56).
    const std::string number = plainNumber(text).value_or(text);
    switch (type.kind) {
    case FieldKind::YesNo:
        if (toUpper(text) == "TRUE")
            return {std::int64_t{1}, {}};
        [[fallthrough]];
    case FieldKind::Currency:
    case FieldKind::Long:
    case FieldKind::Integer:
        try {
            return {numericStoredValue(number, type.kind), {}};
        } catch (const std::overflow_error&) {
            return {nullptr, "broj je van dozvoljenog opsega"_yu};
        }
    case FieldKind::Double:
    case FieldKind::Date:
    case FieldKind::Text:
        break;
    }
    if (text.empty()) // an empty yes/no, money or whole-number box has stored 0 above
        return {nullptr, {}};
    if (type.kind == FieldKind::Double) {
        double value = 0;
        if (!parseDouble(number, value))
            return {nullptr, "o~ekuje se broj, npr. 1.234,56"_yu};
        return {value, {}};
    }
    if (type.kind == FieldKind::Date) {
        Date date;
        if (!parseDate(text, date))
            return {nullptr, "o~ekuje se datum oblika DD.MM.GGGG"_yu};
        return {date, {}};
    }
    if (type.maxLength > 0 && utf8::length(text) > type.maxLength)
        return {nullptr, "najvi{e "_yu + std::to_string(type.maxLength) + " znakova"};
    return {text, {}};
}

} // namespace zarion::parameters
