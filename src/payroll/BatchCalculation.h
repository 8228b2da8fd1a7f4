#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Currency.h"
#include "employees/DeductionPricing.h"
#include "payroll/BatchMonth.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryInput.h"
#include "payroll/SalaryResult.h"

namespace zarion::payroll {

// What the operator set beside the employee's month in the batch window.
struct BatchOptions {
    bool withoutMinimumNet = false;        // "Bez min. NETO zarade": no minimum basic pay
    bool withoutDeductions = false;        // WithoutDeductions: the final calculation prices none
    std::optional<Currency> averageHourly; // A typed over ("Unesite godisnji prosek po satu!")
    std::optional<Currency> seniority;     // typed over ("Unesite vrednost za minuli rad!")
};

// One employee's calculated month in the batch window.
struct BatchCalculation {
    std::int64_t employeeId = 0;
    SalaryInput input;
    // What is posted: the advance, or in a final window the month's totals (column K).
    SalaryResult result;
    // Column A of a final window: the month's posted advance; all zero when there is none.
    SalaryResult advance;
    bool hasAdvance = false;
    // The deductions of the kind's part, priced against the net still to be paid.
    std::vector<employees::DeductionRow> deductions;
    std::vector<std::string> deductionErrors; // "Greska kod pronalazenja kreditora!" per row

    // The net still to be paid: the advance's net, or K − A of a final.
    Currency netToPay() const;
    Currency deductionsTotal() const;
    Currency payout() const { return netToPay() - deductionsTotal(); }
};

class BatchPreload;

// The employee's month as the window takes it up: the terms of radnici, and the month's entries
// of the posted calculation of the kind when there is one; otherwise a new calculation with the
// proposed regular hours, the month's price of work, average grade, meal and holiday allowance,
// and the settings' decree supplement. A comes from the history, else from the form. For an
// advance with the solidarity tax on, II_deo is the preceding month's final net minus its
// advance net (January reaches back to December of the year before, in the same database).
// "GRESKA!!!! Nije pronadjen radnik sa unetim ID!" for an unknown employee, "GRESKA!!!! ID
// Radnika je 0. Obracun nece biti proknjizen!" for none.
// A run passes what it read for all employees at once: the posted row and the terms come from it.
Outcome<SalaryInput> employeeMonth(const BatchMonth& month, std::int64_t employeeId,
                                   const BatchPreload* preload = nullptr);

// The average earnings per hour A of the employee's month (cmdTromesecni): from the history of
// the twelve months before, else from the form (coefficient, price, seniority, regular hours).
Currency batchAverage(const BatchMonth& month, std::int64_t employeeId, const SalaryInput& input);

// The second part of the preceding month: its final net minus its advance net.
Currency secondPartOfPrecedingMonth(db::Database& payrollDb, std::int64_t employeeId, int year,
                                    int month);

// The net-based calculation of the kind (hours to net). A final calculation adds the
// price floor, the minimum basic pay (razlika_do_min), column A from the month's advance and
// the employer pension contribution of the final part; its deductions are those of the second
// part on K − A unless withoutDeductions, an advance's those of the first part. With a run's
// preload the advance and the deductions come from what it read once.
Outcome<BatchCalculation> calculateEmployee(const BatchMonth& month, std::int64_t employeeId,
                                            const SalaryInput& input, const BatchOptions& options,
                                            const employees::VariableAmountAsker& ask = {},
                                            BatchPreload* preload = nullptr);

// Posts the calculation with its deductions as one transaction; returns the row's Id_obracun.
// With a run's preload the employee and his row are not looked up again.
Outcome<std::int64_t> postEmployee(const BatchMonth& month, const BatchCalculation& calculation,
                                   BatchPreload* preload = nullptr);

// The employer pension contribution of the final part. When the advance gross is below the
// minimum base the advance used (scaled by its hours worked over the fund, as its calculation
// scaled it), the advance paid it on that base and the part still due is round2((K gross −
// that base) × rate / 100); otherwise round2(working gross × rate / 100); never below 0.
// Column K of it is the part + A; the employer total and the total cost of K follow.
void employerPensionOfFinalPart(SalaryResult& total, const SalaryResult& advance,
                                const MonthParameters& month, int hourFund);

// The employer pension contribution re-posted by Ctrl+J: 0.1 × the working gross, then K and the
// totals as above.
void correctedEmployerPension(SalaryResult& total, const SalaryResult& advance);

// The company's total obligation entered by hand: gross = C / (1 + employer rates / 100), tax =
// (gross − non-taxable) × PZ / 100, each contribution gross × rate / 100, all to 2 decimals; net
// is gross less the employee contributions and tax.
Outcome<SalaryResult> fromTotalCost(const SalaryResult& calculated, Currency totalCost,
                                    const MonthParameters& month);

// The month's price of work (cmdCena), or "Greska kod pronalazenja parametara!".
Outcome<Currency> monthPriceOfWork(db::Database& payrollDb, int year, int month);

// A month's posted calculation of the kind as it was stored.
std::optional<SalaryResult> postedResult(db::Database& payrollDb, std::int64_t employeeId, int year,
                                         int month, CalculationKind kind);

// One line of the window's amounts: column A, column K and the working field K − A (for an
// advance window A is 0 and the working field is the advance itself).
struct AmountLine {
    std::string_view name;
    ColumnKind kind;
    Currency advance;
    Currency total;
    Currency working;
};
std::vector<AmountLine> amountLines(const BatchCalculation& calculation);

} // namespace zarion::payroll
