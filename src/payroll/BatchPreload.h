#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "employees/DeductionPricing.h"
#include "payroll/BatchMonth.h"
#include "payroll/CalculationPosting.h"
#include "payroll/SalaryInput.h"
#include "payroll/SalaryResult.h"

namespace zarion::payroll {

// The columns of radnici that hold an employee's terms (employeeFields).
inline constexpr const char* employeeTermsColumns =
    "KOEFICIJENT, funkcijski_dodatak, otezani_uslovi, pg, Pm, Datum, tip_obracuna, tekuci_Racun";

// What a run over the month's employees reads in one pass each instead of once per employee: the
// employees' terms, the month's posted rows of the window's kind and, for a final month, its
// advances; the deductions of the kind's part and what the postings look up. A run changes none
// of it for an employee before it takes him up, so it holds for the whole run and no longer.
class BatchPreload {
public:
    explicit BatchPreload(const BatchMonth& month);

    // The employee's terms (the employee fields of the entries); null for an unknown employee.
    // These readers throw std::overflow_error for an employee one of whose rows holds an amount
    // out of range: that employee fails, as when his rows are read on their own.
    const SalaryInput* terms(std::int64_t employeeId) const { return find(terms_, employeeId); }
    // The entries of the employee's posted row of the kind; null when he has none.
    const SalaryInput* postedEntries(std::int64_t employeeId) const {
        return find(posted_, employeeId);
    }
    // The month's posted advance of the employee (read for a final month only).
    std::optional<SalaryResult> advance(std::int64_t employeeId) const;

    employees::MonthDeductionPricer deductions;
    MonthPostings postings;

private:
    template <typename Record>
    const Record* find(const std::unordered_map<std::int64_t, Record>& rows,
                       std::int64_t employeeId) const {
        if (outOfRange_.contains(employeeId))
            throwOutOfRange();
        const auto found = rows.find(employeeId);
        return found == rows.end() ? nullptr : &found->second;
    }
    [[noreturn]] static void throwOutOfRange();

    std::unordered_map<std::int64_t, SalaryInput> terms_;
    std::unordered_map<std::int64_t, SalaryInput> posted_;
    std::unordered_map<std::int64_t, SalaryResult> advances_;
    std::unordered_set<std::int64_t> outOfRange_;
};

} // namespace zarion::payroll
