#pragma once

#include <optional>
#include <span>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "employees/EmployeeRecord.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryInput.h"
#include "payroll/SalaryResult.h"
#include "payroll/Settings.h"

// What the individual calculation works from: the month it was opened for and what the operator
// entered for one employee.
namespace zarion::payroll {

// The month's rates, the settings and the hour fund, read once when the window opens.
struct IndividualMonth {
    int year = 0;
    int month = 0;
    MonthParameters parameters;
    Settings settings;
    HourFund fund;
};

// "Greska kod pronalazenja parametara za izabrani mesec!" when the month has no rates.
Outcome<IndividualMonth> loadIndividualMonth(db::Database& payrollDb, int year, int month);

// One employee's month as the window holds it: the hours and typed amounts, the rates and the
// non-taxable amount shown (the month's, or typed over them for this calculation), the gross of
// the basic pay typed in the quick conversion, and the amounts typed over priced ones.
struct IndividualEntry {
    SalaryInput input;
    ContributionRates rates;
    Currency nonTaxable;                       // PO as shown
    Currency basicGross;                       // 0: basic pay is priced from the hours
    std::optional<Currency> annualLeaveAmount; // "Unesite iznos god.odmora!"
    std::optional<Currency> seniorityAmount;   // "Unesite iznos gmi.rada!"
};

// A new calculation: the employee's coefficient, service and kind, the month's price of work,
// rates and non-taxable amount, the regular hours of the fund, and the average gross per hour
// from the employee's history (history databases: the current year's first), else from the form.
IndividualEntry proposeEntry(std::span<db::Database* const> history,
                             const employees::Employee& employee, const IndividualMonth& month);

// The entry a posted row was calculated from: its hours, typed amounts, kind, average and the
// full month's non-taxable amount behind the one it applied, over the proposal; the basic gross
// when the row was calculated from one (osnovna_neto set).
IndividualEntry entryFromPosted(const IndividualEntry& proposal, const SalaryResult& posted,
                                Currency basicNet, int hourFund);

} // namespace zarion::payroll
