#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "employees/DeductionPricing.h"
#include "payroll/AdvanceLinks.h"
#include "payroll/GrossBasedCalculation.h"
#include "payroll/IndividualEntry.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryResult.h"

// Posting the individual calculation: the final row of the month with the window's own columns
// (osnovna_neto, na_ruke, m4dani), its deductions and its advance links, and posting every
// ticked employee in one go.
namespace zarion::payroll {

// An employee's posted final calculation of the month as the individual window reads it back.
struct PostedIndividual {
    std::int64_t Id_obracun = 0;
    SalaryResult result;
    Currency osnovna_neto; // the whole-dinar net of the quick conversion; 0 when not used
    Currency na_ruke;
    std::optional<int> m4dani;
};

// Nothing when the employee has no final row for the month ("Nije pronadjen obracun u bazi!" is
// the window's when it was asked to show one).
std::optional<PostedIndividual> loadPostedIndividual(db::Database& payrollDb,
                                                     std::int64_t employeeId, int year, int month);
std::string calculationNotFound();

// The days in employment typed for the M-4 form: a whole number of days of the month (1 up to
// the month's length); anything else gives wrongM4Days() and the whole month counts (nothing).
std::optional<int> m4DaysOf(Currency typed, int year, int month);
std::string wrongM4Days();
// " - dana" after the number, "0 - dana" when unset.
std::string m4DaysText(std::optional<int> days);

// Cash in hand may not exceed the amount to pay: the message, and the window puts the amount to
// pay back into the field.
Outcome<Currency> checkCashInHand(Currency cashInHand, Currency amountToPay);

// Everything one posting writes.
struct IndividualPosting {
    SalaryResult result;
    std::vector<employees::DeductionRow> deductions;
    std::vector<AdvanceLine> advances;
    Currency basicNet;        // osnovna_neto
    bool intoAccount = false; // isplata_preko_racuna: the account and the cash in hand are written
    std::string account;      // the employee's tekuci_Racun
    Currency cashInHand;      // na_ruke when paid into the account
    std::optional<int> m4Days;
};

// Writes the month's final row (added, or overwritten in place), its deductions (akontacija
// false) and its advance links in one transaction; nothing of it stays when a part fails.
// na_ruke is the cash in hand when paid into the account, otherwise the whole amount to pay
// (net − deductions); the row carries the account only when paid into it.
Outcome<std::int64_t> postIndividual(db::Database& payrollDb, std::int64_t employeeId, int year,
                                     int month, const IndividualPosting& posting);

// The question after a calculation from gross whose net is below the minimum net.
std::string belowMinimumNetQuestion();

// The question before a posted calculation whose figures are not those its hours and gross give
// (calculated from net, with rates or amounts typed over them, or under rates changed since) is
// priced again from gross and hours.
std::string staleCalculationQuestion(const std::string& employeeName);

// Why post all leaves out an owner whose month has not been posted yet.
std::string ownerCalculatedAloneMessage();

// What the window asks while it loads and calculates an employee.
struct IndividualQuestions {
    employees::VariableAmountAsker variableAmount;
    // "…Da li zelite novi obracun po minimalnoj NETO zaradi?": true calculates on the minimum.
    std::function<bool(const MinimumNetCheck&)> calculateOnMinimum;
    // staleCalculationQuestion for the employee ("<surname name>"): true prices the month again,
    // false keeps it as posted. Without it the month is priced again.
    std::function<bool(const std::string& employeeName)> repriceStale;
};

// Loads an employee's month as the window does when the id is typed (the posted row over the
// proposal, the linked advances): what "post all" posts for each ticked employee. A posted month
// whose figures are those its hours and gross give stands as posted, and so does one whose
// figures differ when the operator keeps it; any other is calculated from gross with the minimum
// net check and its deductions priced against the net. An owner is priced only through the
// owner's calculation of the window: his posted month stands as posted, and without one he is
// refused with ownerCalculatedAloneMessage().
Outcome<IndividualPosting> calculateEmployee(db::Database& payrollDb,
                                             std::span<db::Database* const> history,
                                             const IndividualMonth& month, std::int64_t employeeId,
                                             const IndividualQuestions& questions);

// The employee the window shows, with what it shows for him.
struct ShownPosting {
    std::int64_t employeeId = 0;
    IndividualPosting posting;
};

// What post all did: the employees left out, each with its message ("<surname name>:
// <message>"), or, when the database failed, the one message that says nothing was posted.
struct PostAllReport {
    std::vector<std::string> skipped;
    std::optional<std::string> stopped;
};

// Post all (cmdSviODjednom): each ticked employee posted as calculateEmployee gives him, the one
// the window shows as it shows him, all in one transaction; an employee that cannot be calculated
// or posted is left out and the others are posted.
PostAllReport postAllTicked(db::Database& payrollDb, std::span<db::Database* const> history,
                            const IndividualMonth& month, std::span<const std::int64_t> employeeIds,
                            const IndividualQuestions& questions,
                            const ShownPosting* shown = nullptr);

} // namespace zarion::payroll
