#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "compensation/SickLeaveCalculation.h"
#include "compensation/SickLeaveCases.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "payroll/MonthParameters.h"
#include "payroll/RecordFields.h"

namespace zarion::compensation {

// The columns of bolovanja_obracuni beside the employee, the month and the kind.
std::span<const payroll::Field<LeaveAmounts>> leaveAmountFields();

// The employee's compensation of the month as posted, nothing when none is.
std::optional<LeaveAmounts> postedLeave(db::Database& payroll, LeaveKind kind,
                                        std::int64_t id_radnik, int year, int month);

// A posted compensation of the month with its employee.
struct PostedLeave {
    std::int64_t ID_RADNIK = 0;
    LeaveAmounts amounts;
};
// Every compensation of the month and kind, in the order of the employees' ids.
std::vector<PostedLeave> postedLeavesOfMonth(db::Database& payroll, LeaveKind kind, int year,
                                             int month);

// Stores the month's compensation in one transaction: adds the row, or updates the one posted
// before for the employee, month and kind. Needs an employee ("Niste uneli potrebne podatke!").
Refused postLeave(db::Database& payroll, LeaveKind kind, std::int64_t id_radnik, int year,
                  int month, const LeaveAmounts& amounts);

// The hours of a full month: the fixed hours of the settings, else the calendar's fund.
int fullMonthHours(db::Database& payroll, int year, int month);

// The month's compensation from the case's net for the hours on leave, as the calculation window
// gives it from the net: the month's rates, the hours of a full month, the solidarity setting and
// the employee's account. Refuses a month without rates and an unknown employee.
Outcome<LeaveAmounts> calculateLeaveMonth(db::Database& payroll, std::int64_t id_radnik,
                                          Currency caseNet, double hours, int year, int month);

// The current rates of table parametri in place of the month's, for one calculation; the
// month's fields parametri lacks stay 0.
payroll::MonthParameters currentRates(db::Database& payroll);

// What the calculation window starts from when a case is chosen: the posted row for review, or
// the full month at the case's net, with the warning to type the hours when the case closes
// within the month.
struct LeaveStart {
    std::optional<LeaveAmounts> posted;
    double hours = 0;
    Currency net;
    std::string account; // the employee's current account
    bool askHours = false;
};
LeaveStart startLeaveMonth(db::Database& payroll, LeaveKind kind, const LeaveCase& leave, int year,
                           int month);

// "PAZNJA! Bolovanje se zavrsava u izabranom mesecu. Unesite ispravan broj sati!"
std::string hoursWarning();

} // namespace zarion::compensation
