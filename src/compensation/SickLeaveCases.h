#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::compensation {

// The two registers of long leaves the compensation windows work on: sick leave over 30 days
// (bolovanja) and maternity leave (bolovanjaPOR), told apart in the calculations by porodiljsko.
enum class LeaveKind { SickLeave, Maternity };

// One long leave: the employee, the first and last day, and the net the fund set for a full
// month.
struct LeaveCase {
    std::int64_t id = 0; // 0 for a case not yet stored
    std::int64_t ID_RADNIK = 0;
    std::string name; // "Prezime Ime", filled when the case is read
    Date datum_otvaranja;
    Date datum_zatvaranja;
    Currency NETO;
};

// The last day of a leave still open: 31.12.2099.
Date openLeaveEnd();
// The last day as the lists show it: dd.MM.yyyy, nothing while the leave is open.
std::string shownEnd(const LeaveCase& leave);

// The cases not removed whose period overlaps the interval (opened on or before its last day,
// closed on or after its first), in Serbian alphabetical order of the employee's name.
std::vector<LeaveCase> overlappingCases(db::Database& payroll, LeaveKind kind, Date from, Date to);
// The same for the calendar month.
std::vector<LeaveCase> casesOfMonth(db::Database& payroll, LeaveKind kind, int year, int month);

// Adds the case, or updates the stored one; needs an employee ("Niste uneli potrebne podatke!").
// Returns the case's number; "GRESKA! Nije pronadjeno otvoreno bolovanje u bazi!" when the case
// to update is gone.
Outcome<std::int64_t> saveCase(db::Database& payroll, LeaveKind kind, const LeaveCase& leave);

// Marks the case removed; "Greska kod pronalazenja bolovanja!" when there is no such case.
Refused removeCase(db::Database& payroll, LeaveKind kind, std::int64_t id);

// "Da li ste sigurni da zelite da obrisete bolovanje: <name> od:<dd.MM.yyyy> do:<dd.MM.yyyy>"
std::string removalQuestion(const LeaveCase& leave);

// The case closes before the month's last day, so the month's hours are to be typed.
bool endsWithinMonth(const LeaveCase& leave, int year, int month);

} // namespace zarion::compensation
