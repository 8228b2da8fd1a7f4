#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/db/Database.h"

namespace zarion::maintenance {

// Where a calculation window keeps its calculations.
enum class CalculationKind {
    Final,     // obracuni
    Advance,   // akontacija_obracuni
    SickLeave, // bolovanja_obracuni, porodiljsko false
    Maternity, // bolovanja_obracuni, porodiljsko true
};

// The kind by the window: frmObracunJed always posts finals, frmObracunBolovanje sick leave or
// maternity, any other calculation window a final or an advance as it was opened.
CalculationKind calculationKindOf(std::string_view windowName, bool isFinal, bool isMaternity);

struct DeletionResult {
    bool deleted = false;
    std::string message; // "Brisanje je zavrseno!" or the error when nothing was found
};

// Deletes the employee's calculation of the month of that kind, in one transaction; a salary
// calculation (final or advance) takes its own deduction rows with it. Sick-leave and
// maternity calculations have no deduction rows.
DeletionResult deleteCalculation(db::Database& payroll, CalculationKind kind,
                                 std::int64_t employeeId, int year, int month);

} // namespace zarion::maintenance
