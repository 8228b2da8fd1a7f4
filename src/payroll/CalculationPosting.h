#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/db/Database.h"
#include "employees/DeductionPricing.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryResult.h"

namespace zarion::payroll {

// Whose month is posted, and as which kind: an advance goes to akontacija_obracuni with its
// deductions as obracun_obustava rows with AKONTACIJA true, a final calculation to obracuni with
// AKONTACIJA false. A posting never touches the other kind's rows.
struct PostingTarget {
    std::int64_t employeeId = 0;
    int year = 0;
    int month = 0;
    CalculationKind kind = CalculationKind::Final;
};

// A column written beside the result's own, by the table's name (the individual window's
// osnovna_neto, na_ruke and m4dani).
struct ExtraColumn {
    std::string name;
    ColumnValue value;
};

// What a window posts beyond the result and its deductions.
struct PostingExtras {
    std::vector<ExtraColumn> columns;
    // Runs inside the posting's transaction once the row and its deductions are written, with
    // the row's Id_obracun (the individual window replaces its advance links here). A db::Error
    // it throws undoes the whole posting and comes back as the posting's message.
    std::function<void(db::Database&, std::int64_t idObracun)> dependants;
};

// What a batch reads once before it posts a month of one kind: the employees that exist and the
// Id_obracun of each one's posted row, so that no posting has to look them up. It must not be
// kept beyond the run: it learns only the rows posted through it.
class MonthPostings {
public:
    MonthPostings(db::Database& payrollDb, int year, int month, CalculationKind kind);

    bool employeeExists(std::int64_t employeeId) const { return employees_.contains(employeeId); }
    std::optional<std::int64_t> postedId(std::int64_t employeeId) const;
    bool covers(const PostingTarget& target) const {
        return target.year == year_ && target.month == month_ && target.kind == kind_;
    }
    void remember(std::int64_t employeeId, std::int64_t idObracun);

    // While a run posts a group of employees under one savepoint, a posting takes none of its
    // own and throws every database failure on: the run undoes the group and posts it again
    // employee by employee.
    void setGrouped(bool grouped) { grouped_ = grouped; }
    bool grouped() const { return grouped_; }
    // The rows learned since the mark are forgotten when their group is undone.
    std::size_t mark() const { return learned_.size(); }
    void forgetSince(std::size_t mark);

private:
    int year_;
    int month_;
    CalculationKind kind_;
    bool grouped_ = false;
    std::unordered_set<std::int64_t> employees_;
    std::unordered_map<std::int64_t, std::int64_t> posted_;
    std::vector<std::int64_t> learned_; // employees whose new row was remembered, in order
};

// Posts one employee's calculated month, whole or not at all:
//  - the employee must exist: id 0 gives "GRESKA!!!! ID Radnika je 0. Obracun nece biti
//    proknjizen!", an unknown id "GRESKA!!!! Nije pronadjen radnik sa unetim ID!"; nothing is
//    written then;
//  - the month's row of that kind is overwritten in place when there is one (its Id_obracun and
//    any column not written stay), otherwise a row is added; every column of the result that
//    the kind stores is written (resultColumns), then the extra columns;
//  - the row's deductions of that kind are replaced by `deductions`, in list order;
//  - then the extras' dependants run.
// All of it is one transaction; inside the caller's transaction (a batch run) it is a savepoint
// of its own, so an employee whose row the database refuses leaves the others posted. A database
// error comes back as the system's words, with nothing of this posting left behind; inside the
// caller's transaction any other database failure is thrown on, for it ends the caller's work.
// Returns the row's Id_obracun. Shows nothing: "Knjizenje je zavrseno!" is the window's.
// With `known` of the target's month and kind, the employee and his row are taken from it.
Outcome<std::int64_t> postCalculation(db::Database& payrollDb, const PostingTarget& target,
                                      const SalaryResult& result,
                                      const std::vector<employees::DeductionRow>& deductions,
                                      const PostingExtras& extras = {},
                                      MonthPostings* known = nullptr);

// The Id_obracun of the employee's posted row of that kind for the month, if any.
std::optional<std::int64_t> postedCalculationId(db::Database& payrollDb,
                                                const PostingTarget& target);

// The table a kind is posted to: "obracuni" or "akontacija_obracuni".
const char* calculationTable(CalculationKind kind);

} // namespace zarion::payroll
