#include "payroll/BatchEntries.h"

#include <algorithm>
#include <type_traits>
#include <variant>

#include "core/NumberFormat.h"
#include "core/NumericText.h"

namespace zarion::payroll {

std::vector<const Field<SalaryInput>*> monthEntries() {
    std::vector<const Field<SalaryInput>*> entries;
    for (const Field<SalaryInput>& field : salaryInputFields())
        if (!findField(employeeFields(), field.name) && field.name != "II_deo")
            entries.push_back(&field);
    return entries;
}

std::string entryText(const SalaryInput& input, const Field<SalaryInput>& field) {
    return std::visit(
        [&](auto member) -> std::string {
            using Value = std::remove_cvref_t<decltype(input.*member)>;
            if constexpr (std::is_same_v<Value, Currency>) {
                return format(input.*member, NumberFormat::Grouped2);
            } else if constexpr (std::is_same_v<Value, double>) {
                std::string text = shortestDecimal(input.*member);
                std::replace(text.begin(), text.end(), '.', ',');
                return text;
            } else if constexpr (std::is_same_v<Value, int>)
                return std::to_string(input.*member);
            else
                return {};
        },
        field.member);
}

void setEntry(SalaryInput& input, const Field<SalaryInput>& field, const std::string& text) {
    const Currency amount = parseAmount(text).value_or(Currency::fromDouble(numericValue(text)));
    std::visit(
        [&](auto member) {
            using Value = std::remove_cvref_t<decltype(input.*member)>;
            if constexpr (std::is_same_v<Value, Currency>)
                input.*member = amount;
            else if constexpr (std::is_same_v<Value, double>)
                input.*member = amount.toDouble();
            else if constexpr (std::is_same_v<Value, int>)
                input.*member = static_cast<int>(wholeValue(text));
        },
        field.member);
}

} // namespace zarion::payroll
