#pragma once

#include <cstdint>
#include <optional>

#include "core/db/Database.h"

namespace zarion::maintenance {

// What turning a month's final calculations into advances did.
struct AdvanceConversion {
    int converted = 0; // final rows copied into new advance rows
    int setAside = 0;  // advance rows already there, moved to akontacija_obracuni_obrisani
    int deductionRowsMoved = 0;
};

// Turns the final calculations of a month (of one employee when `employeeId` is given) into
// advances, in one transaction:
// - an advance the employee already has for that month is set aside first: it moves to
//   akontacija_obracuni_obrisani under its own Id_obracun, so its deduction rows (which name
//   that Id_obracun) stay with it and out of the month's live advance;
// - each final row is copied by column name into a new advance row;
// - the final row's deduction rows are moved to the new advance (Id_obracun → new id,
//   AKONTACIJA → 1);
// - with `deleteFinal` the final row is removed, otherwise it stays without deduction rows.
AdvanceConversion convertFinalToAdvance(db::Database& payroll, int year, int month,
                                        bool deleteFinal,
                                        std::optional<std::int64_t> employeeId = std::nullopt);

// Removes the final calculations that name no employee (id_radnik 0 or empty) with their
// deduction rows, in one transaction. Returns how many calculations were removed.
int removeOrphanCalculations(db::Database& payroll);

} // namespace zarion::maintenance
