#include "parameters/CalculationMonth.h"

#include <stdexcept>

#include "parameters/FieldValues.h"
#include "parameters/MonthRows.h"
#include "parameters/SqlNames.h"

namespace zarion::parameters {
namespace {

// Equal by the column's kind, each side read by the numeric-prefix rule (null as 0 or "").
bool sameValue(const db::Statement& current, int currentColumn, const db::Statement& month,
               int monthColumn, FieldKind kind) {
    switch (kind) {
    case FieldKind::Currency:
        return current.money(currentColumn) == month.money(monthColumn);
    case FieldKind::YesNo:
    case FieldKind::Long:
    case FieldKind::Integer:
        return current.integer(currentColumn) == month.integer(monthColumn);
    case FieldKind::Double:
        return current.number(currentColumn) == month.number(monthColumn);
    case FieldKind::Date:
    case FieldKind::Text:
        break;
    }
    return current.text(currentColumn) == month.text(monthColumn);
}

std::vector<std::string> changedColumns(db::Database& db, std::int64_t monthRowId) {
    const std::vector<db::ColumnInfo> columns = db.columns("parametri");
    db::Statement current = db.prepare("SELECT * FROM parametri ORDER BY rowid LIMIT 1");
    db::Statement month = db.prepare("SELECT * FROM parametri_po_mesecima WHERE rowid = ?");
    month.bind(1, monthRowId);
    std::vector<std::string> changed;
    if (!current.step() || !month.step())
        return changed;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const int monthColumn = static_cast<int>(k) + MonthLeadingColumns;
        if (monthColumn >= month.columnCount())
            break;
        if (!sameValue(current, static_cast<int>(k), month, monthColumn,
                       fieldType(columns[k].declType).kind))
            changed.push_back(columns[k].name);
    }
    return changed;
}

// Adds the month's row with every column of parametri at its position plus three.
void copyCurrentParameters(db::Database& db, int month, int year) {
    const std::vector<db::ColumnInfo> current = db.columns("parametri");
    const std::vector<db::ColumnInfo> monthly = db.columns("parametri_po_mesecima");
    std::string targets = "MEsec, GODINA";
    std::string sources = "?, ?";
    for (std::size_t k = 0; k < current.size() && k + MonthLeadingColumns < monthly.size(); ++k) {
        targets += ", " + quotedName(monthly[k + MonthLeadingColumns].name);
        sources += ", " + quotedName(current[k].name);
    }
    db.run("INSERT INTO parametri_po_mesecima (" + targets + ") SELECT " + sources +
               " FROM parametri ORDER BY rowid LIMIT 1",
           month, year);
}

} // namespace

MonthProposal proposeCalculationMonth(const Date& today, bool twoParts) {
    MonthProposal proposal{today.month, today.year, today.day > 15, true};
    if (!twoParts) {
        proposal.final = true;
        proposal.kindChoosable = false;
    }
    return proposal;
}

bool paidInTwoParts(db::Database& payrollDb) {
    return payrollDb.scalar("SELECT na_pola_meseca FROM postavke ORDER BY rowid LIMIT 1")
               .value_or(0) != 0;
}

MonthStart startCalculationMonth(db::Database& payrollDb, int month, int year) {
    db::Transaction tx(payrollDb);
    if (const auto rowId = findMonthRow(payrollDb, month, year))
        return {MonthStart::Outcome::AlreadyStarted, changedColumns(payrollDb, *rowId)};
    if (!payrollDb.scalar("SELECT count(*) FROM parametri").value_or(0))
        return {MonthStart::Outcome::NoCurrentParameters, {}};
    copyCurrentParameters(payrollDb, month, year);
    tx.commit();
    return {MonthStart::Outcome::Copied, {}};
}

std::string parameterDiffersMessage(const std::string& column) {
    return "Parametar " + column + " se razlikuje od trenutne vrednosti!";
}

std::string setParametersFirstMessage() {
    return "Postavite osnovne parametre obracuna!";
}

} // namespace zarion::parameters
