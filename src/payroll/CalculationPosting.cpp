#include "payroll/CalculationPosting.h"

#include <utility>

#include "core/FailureWords.h"
#include "core/Text.h"
#include "core/trail/Trail.h"

namespace zarion::payroll {
namespace {

// The SQL of one posting, built once per kind and set of extra columns; the database keeps the
// prepared statements, so a batch prepares each text once.
struct PostingSql {
    std::string insert;
    std::string update;
};

PostingSql postingSql(CalculationKind kind, const std::vector<ResultColumn>& columns,
                      const std::vector<ExtraColumn>& extras) {
    const std::string table = calculationTable(kind);
    std::string names = "ID_RADNIK, MEsec, GODINA";
    std::string marks = "?, ?, ?";
    std::string assignments;
    auto add = [&](std::string_view name) {
        names.append(", ").append(name);
        marks.append(", ?");
        if (!assignments.empty())
            assignments.append(", ");
        assignments.append(name).append(" = ?");
    };
    for (const ResultColumn& column : columns)
        add(column.name);
    for (const ExtraColumn& extra : extras)
        add(extra.name);
    return {"INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")",
            "UPDATE " + table + " SET " + assignments + " WHERE Id_obracun = ?"};
}

void bindValue(db::Statement& statement, int index, const ColumnValue& value) {
    std::visit([&](const auto& v) { statement.bind(index, v); }, value);
}

// Binds the values from position `first` on; returns the next free position.
int bindValues(db::Statement& statement, int first, const std::vector<ResultColumn>& columns,
               const std::vector<ExtraColumn>& extras) {
    int index = first;
    for (const ResultColumn& column : columns)
        bindValue(statement, index++, column.value);
    for (const ExtraColumn& extra : extras)
        bindValue(statement, index++, extra.value);
    return index;
}

std::int64_t writeRow(db::Database& db, const PostingTarget& target,
                      std::optional<std::int64_t> existing, const SalaryResult& result,
                      const std::vector<ExtraColumn>& extras) {
    const std::vector<ResultColumn> columns = resultColumns(result, target.kind);
    // a batch posts thousands of rows with the same columns: their SQL is built once per kind
    static const PostingSql plain[2] = {
        postingSql(CalculationKind::Advance, resultColumns({}, CalculationKind::Advance), {}),
        postingSql(CalculationKind::Final, resultColumns({}, CalculationKind::Final), {})};
    const PostingSql built =
        extras.empty() ? PostingSql{} : postingSql(target.kind, columns, extras);
    const PostingSql& sql =
        extras.empty() ? plain[target.kind == CalculationKind::Final ? 1 : 0] : built;
    if (existing) {
        db::Statement update = db.prepare(sql.update);
        const int idIndex = bindValues(update, 1, columns, extras);
        update.bind(idIndex, *existing);
        update.run();
        return *existing;
    }
    db::Statement insert = db.prepare(sql.insert);
    insert.bindAll(target.employeeId, target.month, target.year);
    bindValues(insert, 4, columns, extras);
    insert.run();
    return db.lastInsertId();
}

bool employeeExists(db::Database& db, std::int64_t employeeId) {
    return db.scalar("SELECT 1 FROM radnici WHERE id_radnik = ?", employeeId).has_value();
}

} // namespace

const char* calculationTable(CalculationKind kind) {
    return kind == CalculationKind::Final ? "obracuni" : "akontacija_obracuni";
}

std::optional<std::int64_t> postedCalculationId(db::Database& payrollDb,
                                                const PostingTarget& target) {
    return payrollDb.scalar(std::string("SELECT Id_obracun FROM ") + calculationTable(target.kind) +
                                " WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ? "
                                "ORDER BY Id_obracun LIMIT 1",
                            target.employeeId, target.month, target.year);
}

MonthPostings::MonthPostings(db::Database& payrollDb, int year, int month, CalculationKind kind)
    : year_(year)
    , month_(month)
    , kind_(kind) {
    db::Statement employee = payrollDb.prepare("SELECT id_radnik FROM radnici");
    while (employee.step())
        employees_.insert(employee.integer(0));
    db::Statement row = payrollDb.prepare(std::string("SELECT ID_RADNIK, min(Id_obracun) FROM ") +
                                          calculationTable(kind) +
                                          " WHERE MEsec = ? AND GODINA = ? GROUP BY ID_RADNIK");
    row.bindAll(month, year);
    while (row.step())
        posted_.emplace(row.integer(0), row.integer(1));
}

std::optional<std::int64_t> MonthPostings::postedId(std::int64_t employeeId) const {
    const auto found = posted_.find(employeeId);
    if (found == posted_.end())
        return std::nullopt;
    return found->second;
}

void MonthPostings::remember(std::int64_t employeeId, std::int64_t idObracun) {
    if (posted_.emplace(employeeId, idObracun).second)
        learned_.push_back(employeeId);
}

void MonthPostings::forgetSince(std::size_t mark) {
    for (std::size_t i = mark; i < learned_.size(); ++i)
        posted_.erase(learned_[i]);
    learned_.resize(mark);
}

Outcome<std::int64_t> postCalculation(db::Database& payrollDb, const PostingTarget& target,
                                      const SalaryResult& result,
                                      const std::vector<employees::DeductionRow>& deductions,
                                      const PostingExtras& extras, MonthPostings* known) {
    if (target.employeeId == 0)
        return Failure{"GRESKA!!!! ID Radnika je 0. Obracun nece biti proknjizen!"_yu};
    if (known && !known->covers(target))
        known = nullptr;
    const bool insideRun = payrollDb.inTransaction();
    const bool grouped = known && known->grouped();
    try {
        if (known ? !known->employeeExists(target.employeeId)
                  : !employeeExists(payrollDb, target.employeeId))
            return Failure{"GRESKA!!!! Nije pronadjen radnik sa unetim ID!"_yu};
        std::optional<trail::PostingTransaction> tx; // a group's run has its own
        if (!grouped)
            tx.emplace(payrollDb);
        const auto existing =
            known ? known->postedId(target.employeeId) : postedCalculationId(payrollDb, target);
        const std::int64_t id = writeRow(payrollDb, target, existing, result, extras.columns);
        const bool advance = target.kind == CalculationKind::Advance;
        if (existing)
            employees::postDeductions(payrollDb, id, advance, deductions);
        else // a new number: it has no deduction rows to replace
            employees::addDeductions(payrollDb, id, advance, deductions);
        if (extras.dependants)
            extras.dependants(payrollDb, id);
        if (tx)
            tx->commit();
        if (known)
            known->remember(target.employeeId, id);
        return id;
    } catch (const db::Error& error) {
        // inside a run, a failure of the database ends the run; only a refused row is this
        // employee's own
        if (grouped || (insideRun && !error.concernsOneRow()))
            throw;
        return zarion::error(failureWords(error));
    }
}

} // namespace zarion::payroll
