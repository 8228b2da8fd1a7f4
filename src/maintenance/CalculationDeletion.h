#pragma once

#include <cstdint>
#include <string>

#include "core/CalculationKind.h"
#include "core/db/Database.h"

namespace zarion::maintenance {

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
