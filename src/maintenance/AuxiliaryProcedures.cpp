#include "maintenance/AuxiliaryProcedures.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/Text.h"
#include "core/trail/Trail.h"

namespace zarion::maintenance {
namespace {

constexpr const char* FinalTable = "obracuni";
constexpr const char* AdvanceTable = "akontacija_obracuni";
constexpr const char* SetAsideTable = "akontacija_obracuni_obrisani";

// The history's entry of a procedure on the final calculations.
trail::Entry procedureEntry(const std::string& description) {
    trail::Entry entry;
    entry.kind = trail::kind::Procedure;
    entry.table = FinalTable;
    entry.description = description;
    return entry;
}

std::string quoted(const std::string& name) {
    std::string out = "\"";
    for (char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// The columns both tables have (names from the schema, matched without regard to case), as a
// quoted list in the source table's order, leaving out the named ones.
std::string sharedColumns(db::Database& payroll, const char* from, const char* to,
                          const std::vector<std::string>& leftOut) {
    std::string list;
    for (const auto& column : payroll.columns(from)) {
        const bool skipped = std::any_of(leftOut.begin(), leftOut.end(), [&](const auto& name) {
            return equalsIgnoreCase(name, column.name);
        });
        if (skipped || !payroll.hasColumn(to, column.name))
            continue;
        list += (list.empty() ? "" : ", ") + quoted(column.name);
    }
    return list;
}

// Copies one row by column name; returns the new row's Id_obracun.
std::int64_t copyRow(db::Database& payroll, const std::string& columns, const char* from,
                     const char* to, std::int64_t id) {
    payroll.run("INSERT INTO " + std::string(to) + " (" + columns + ") SELECT " + columns +
                    " FROM " + from + " WHERE Id_obracun = ?",
                id);
    return payroll.lastInsertId();
}

// The employee's advance rows of the month.
std::vector<std::int64_t> advanceRows(db::Database& payroll, int year, int month,
                                      std::int64_t employee) {
    auto st = payroll.prepare("SELECT Id_obracun FROM akontacija_obracuni"
                              " WHERE GODINA = ? AND MEsec = ? AND ID_RADNIK = ?");
    st.bindAll(year, month, employee);
    std::vector<std::int64_t> found;
    while (st.step())
        found.push_back(st.integer(0));
    return found;
}

struct FinalRow {
    std::int64_t id;
    std::int64_t employee;
};

std::vector<FinalRow> finalRows(db::Database& payroll, int year, int month,
                                std::optional<std::int64_t> employeeId) {
    auto st = payroll.prepare("SELECT Id_obracun, ID_RADNIK FROM obracuni"
                              " WHERE GODINA = ? AND MEsec = ? AND (? OR ID_RADNIK = ?)"
                              " ORDER BY Id_obracun");
    st.bindAll(year, month, !employeeId.has_value(), employeeId.value_or(0));
    std::vector<FinalRow> rows;
    while (st.step())
        rows.push_back({st.integer(0), st.integer(1)});
    return rows;
}

} // namespace

AdvanceConversion convertFinalToAdvance(db::Database& payroll, int year, int month,
                                        bool deleteFinal, std::optional<std::int64_t> employeeId) {
    trail::PostingTransaction tx(payroll);
    AdvanceConversion done;
    const std::vector<FinalRow> finals = finalRows(payroll, year, month, employeeId);

    // The advances these employees already have for the month make way for the new ones.
    const std::string setAsideColumns = sharedColumns(payroll, AdvanceTable, SetAsideTable, {});
    std::vector<std::int64_t> employees;
    for (const auto& row : finals)
        if (std::find(employees.begin(), employees.end(), row.employee) == employees.end())
            employees.push_back(row.employee);
    for (std::int64_t employee : employees) {
        for (std::int64_t advance : advanceRows(payroll, year, month, employee)) {
            copyRow(payroll, setAsideColumns, AdvanceTable, SetAsideTable, advance);
            payroll.run("DELETE FROM akontacija_obracuni WHERE Id_obracun = ?", advance);
            ++done.setAside;
        }
    }

    const std::string advanceColumns =
        sharedColumns(payroll, FinalTable, AdvanceTable, {"Id_obracun", "II_Deo"});
    for (const auto& row : finals) {
        const std::int64_t advance =
            copyRow(payroll, advanceColumns, FinalTable, AdvanceTable, row.id);
        payroll.run("UPDATE obracun_obustava SET Id_obracun = ?, AKONTACIJA = 1"
                    " WHERE AKONTACIJA = 0 AND Id_obracun = ?",
                    advance, row.id);
        done.deductionRowsMoved += payroll.changes();
        if (deleteFinal)
            payroll.run("DELETE FROM obracuni WHERE Id_obracun = ?", row.id);
        ++done.converted;
    }
    trail::Entry entry = procedureEntry(
        "Prebacivanje konacnog obracuna u akontaciju: " + std::to_string(done.converted) +
        " obracuna" + (deleteFinal ? ", konacni obrisan" : ""));
    entry.employeeId = employeeId.value_or(0);
    entry.month = month;
    entry.year = year;
    trail::record(payroll, entry);
    tx.commit();
    return done;
}

int removeOrphanCalculations(db::Database& payroll) {
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM obracun_obustava WHERE AKONTACIJA = 0 AND Id_obracun IN"
                " (SELECT Id_obracun FROM obracuni WHERE IFNULL(ID_RADNIK, 0) = 0)");
    payroll.run("DELETE FROM obracuni WHERE IFNULL(ID_RADNIK, 0) = 0");
    const int removed = payroll.changes();
    trail::record(payroll,
                  procedureEntry("Brisanje obracuna bez radnika: " + std::to_string(removed)));
    tx.commit();
    return removed;
}

} // namespace zarion::maintenance
