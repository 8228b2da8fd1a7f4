#include "payroll/BatchPreload.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace zarion::payroll {
namespace {

// Each employee's first row of the query (by the order it gives), with the fields its columns
// hold read into a record; the statement's first column is the employee's id. The columns are
// matched to the fields once, not on every row. A row with an amount out of range adds its
// employee to `outOfRange`.
template <typename Record>
std::unordered_map<std::int64_t, Record>
firstRowEach(db::Statement row, std::span<const Field<Record>> fields,
             std::unordered_set<std::int64_t>& outOfRange) {
    std::vector<std::pair<int, const Field<Record>*>> present;
    for (int column = 1; column < row.columnCount(); ++column)
        if (const Field<Record>* field = findField(fields, row.columnName(column)))
            present.emplace_back(column, field);
    std::unordered_map<std::int64_t, Record> rows;
    while (row.step()) {
        const auto [at, added] = rows.try_emplace(row.integer(0));
        if (!added)
            continue;
        try {
            for (const auto& [column, field] : present)
                readField(row, column, *field, at->second);
        } catch (const std::overflow_error&) {
            outOfRange.insert(at->first);
        }
    }
    return rows;
}

// The month's rows of a kind, each employee's first by Id_obracun.
db::Statement monthRows(db::Database& db, const CalculationPeriod& period, CalculationKind kind) {
    db::Statement row =
        db.prepare(std::string("SELECT ID_RADNIK AS employee_of_row, * FROM ") +
                   calculationTable(kind) + " WHERE MEsec = ? AND GODINA = ? ORDER BY Id_obracun");
    row.bindAll(period.month, period.year);
    return row;
}

} // namespace

BatchPreload::BatchPreload(const BatchMonth& month)
    : deductions(month.db(), month.period().year, month.period().month, month.deductionPart())
    , postings(month.db(), month.period().year, month.period().month, month.period().kind) {
    db::Database& db = month.db();
    const CalculationPeriod& period = month.period();
    deductions.preloadAllEmployees();
    terms_ = firstRowEach(
        db.prepare(std::string("SELECT id_radnik, ") + employeeTermsColumns + " FROM radnici"),
        employeeFields(), outOfRange_);
    posted_ = firstRowEach(monthRows(db, period, period.kind), salaryInputFields(), outOfRange_);
    if (month.isFinal())
        advances_ = firstRowEach(monthRows(db, period, CalculationKind::Advance),
                                 salaryResultFields(), outOfRange_);
}

void BatchPreload::throwOutOfRange() {
    throw std::overflow_error("amount out of range");
}

std::optional<SalaryResult> BatchPreload::advance(std::int64_t employeeId) const {
    if (const SalaryResult* found = find(advances_, employeeId))
        return *found;
    return std::nullopt;
}

} // namespace zarion::payroll
