#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "employees/Refusal.h"

// The figures of the per-employee statements: the months of a period with the salary and the
// compensation calculated for them, and the year's income for the certificate of withheld taxes.
namespace zarion::employees {

struct StatementPeriod {
    int fromMonth = 0;
    int fromYear = 0;
    int toMonth = 0;
    int toYear = 0;
};

// "Niste dobro odabrali period!" when a month or year is out of range, "Niste izbrali dobar
// period!" when the period ends before it starts.
Refused checkPeriod(const StatementPeriod& period);

struct StatementMonth {
    int month = 0;
    int year = 0;
    double hours = 0; // Ef. sati
    Currency bruto;
    Currency porez;
    Currency pioEmployee;
    Currency pioEmployer;
    Currency healthEmployee;
    Currency healthEmployer;
    Currency unemploymentEmployee;
    Currency unemploymentEmployer;
    Currency neto;
    Currency nonTaxable; // Neoporezivo: the tax relief (Oslobodjenje)
};

// One row per month of the period that has a final salary calculation or a sick-leave or
// maternity compensation, the two added together, in time order.
std::vector<StatementMonth> statementMonths(db::Database& db, std::int64_t employee,
                                            const StatementPeriod& period);
// The sums of the months (month and year left 0).
StatementMonth statementTotals(const std::vector<StatementMonth>& months);

// The columns of the window's list and their texts (amounts "#,##0.00").
const std::vector<std::string>& statementHeadings();
std::string statementText(const StatementMonth& month, int column);

// "U navedenom periodu zaposleni je ostvario pravo na ukupno …" with the right grammatical form.
std::string incomeCountSentence(int months);

// One row of the certificate of withheld taxes and contributions.
struct AnnualIncome {
    Currency gross;         // 3.1
    Currency standardCosts; // 3.2
    Currency reliefs;       // 3.3 tax reliefs and reductions
    Currency taxBase;       // 3.4
    Currency tax;           // 3.5
    Currency contributions; // 3.6 compulsory social-insurance contributions withheld
    Currency total() const { return tax + contributions; } // 3.7
};

struct AnnualIncomes {
    AnnualIncome employment; // salaries, sick-leave and maternity compensation of the year
    AnnualIncome other;      // income outside employment paid in the year's orders
};
AnnualIncomes annualIncomes(db::Database& db, std::int64_t employee, int year);

} // namespace zarion::employees
