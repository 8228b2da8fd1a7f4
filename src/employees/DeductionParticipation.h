#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "employees/DeductionDefinitions.h"

namespace zarion::employees {

// Rows of obustave_radnici for standing deductions: an employee takes part in a deduction from
// 01/01/2000 to 31/12/2099 when the deduction windows set it.
inline constexpr Date StandingStart{2000, 1, 1};
inline constexpr Date StandingEnd{2099, 12, 31};

// An active employee beside one deduction: does he take part, and his note.
struct Participant {
    std::int64_t id_radnik = 0;
    std::string name; // "Prezime Ime"
    std::string Opis;
    bool takesPart = false;
};

// Every active employee (nije_u_ro false) by surname and name, marked when he has a row of the
// deduction.
std::vector<Participant> participants(db::Database& db, std::int64_t deductionId);

// Replaces every row of the deduction with one fresh row per active employee; one transaction.
void setForAll(db::Database& db, std::int64_t deductionId);
// Deletes every row of the deduction.
void removeFromAll(db::Database& db, std::int64_t deductionId);

bool takesPart(db::Database& db, std::int64_t deductionId, std::int64_t employeeId);
// Adds the employee's row for the standing period.
void addParticipation(db::Database& db, std::int64_t deductionId, std::int64_t employeeId);
// Deletes the employee's rows of the deduction; false when there was none.
bool removeParticipation(db::Database& db, std::int64_t deductionId, std::int64_t employeeId);
// Writes the note of the employee's row; false when he has none.
bool setNote(db::Database& db, std::int64_t deductionId, std::int64_t employeeId,
             const std::string& note);

// A standing deduction beside one employee: active when he has a row of it.
struct EmployeeDeduction {
    DeductionDefinition definition;
    bool active = false;
};
// Every standing deduction (types 0 to 2, not deleted) with the employee's state.
std::vector<EmployeeDeduction> standingDeductionsOf(db::Database& db, std::int64_t employeeId);

} // namespace zarion::employees
