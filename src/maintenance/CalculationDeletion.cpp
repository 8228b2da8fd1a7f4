#include "maintenance/CalculationDeletion.h"

#include <optional>

#include "core/Text.h"

namespace zarion::maintenance {
namespace {

std::optional<std::int64_t> salaryRow(db::Database& payroll, bool advance, std::int64_t employeeId,
                                      int year, int month) {
    const std::string table = advance ? "akontacija_obracuni" : "obracuni";
    return payroll.scalar("SELECT Id_obracun FROM " + table +
                              " WHERE ID_RADNIK = ? AND GODINA = ? AND MEsec = ?"
                              " ORDER BY Id_obracun",
                          employeeId, year, month);
}

std::optional<std::int64_t> compensationRow(db::Database& payroll, bool maternity,
                                            std::int64_t employeeId, int year, int month) {
    return payroll.scalar("SELECT rowid FROM bolovanja_obracuni"
                          " WHERE ID_RADNIK = ? AND GODINA = ? AND MEsec = ?"
                          " AND IFNULL(porodiljsko, 0) = ? ORDER BY rowid",
                          employeeId, year, month, maternity);
}

} // namespace

DeletionResult deleteCalculation(db::Database& payroll, CalculationKind kind,
                                 std::int64_t employeeId, int year, int month) {
    db::Transaction tx(payroll);
    const bool salary = kind == CalculationKind::Final || kind == CalculationKind::Advance;
    const bool advance = kind == CalculationKind::Advance;
    const auto row = salary ? salaryRow(payroll, advance, employeeId, year, month)
                            : compensationRow(payroll, kind == CalculationKind::Maternity,
                                              employeeId, year, month);
    if (!row)
        return {false, "Greska kod pronalazenja obracuna u bazi!"_yu};
    if (salary) {
        payroll.run("DELETE FROM obracun_obustava WHERE AKONTACIJA = ? AND Id_obracun = ?", advance,
                    *row);
        payroll.run(std::string("DELETE FROM ") + (advance ? "akontacija_obracuni" : "obracuni") +
                        " WHERE Id_obracun = ?",
                    *row);
    } else {
        payroll.run("DELETE FROM bolovanja_obracuni WHERE rowid = ?", *row);
    }
    tx.commit();
    return {true, "Brisanje je zavrseno!"_yu};
}

} // namespace zarion::maintenance
