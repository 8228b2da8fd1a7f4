#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "employees/DeductionCurrency.h"

namespace zarion::employees {

// A loan: a row of obustave_radnici whose deduction is a creditor (Tip 3). The repayment runs
// from the first day of the start month to the first day of the end month.
struct Loan {
    std::int64_t id_or = 0; // 0 for a loan not yet saved
    std::int64_t id_obustava = 0;
    std::int64_t ID_RADNIK = 0;
    int startMonth = 0;
    int startYear = 0;
    int endMonth = 0;
    int endYear = 0;
    int valuta = 0; // 0 RSD, 1 EUR, 2 CHF, 3 USD
    Currency Iznos; // monthly instalment in the loan's currency
    Currency prvi_deo;
    Currency drugi_deo;
    int ukupno_meseci = 0;
    std::string sifra_placanja;
    std::string model;
    std::string POziv_na_broj;
    std::string Opis;
};

std::optional<Loan> findLoan(db::Database& db, std::int64_t id_or);

// What saving the loan window came to.
struct LoanSave {
    enum class Outcome {
        Saved,
        NoEmployee,     // "Niste izabrali radnika!"
        NoCreditor,     // "Niste izabrali kreditnu partiju!"
        ZeroInstalment, // "Niste uneli iznos!"; saved only when the operator confirms
        BadPeriod,      // "Nije dobar period otplate!"
        Missing,        // "Greska kod pronalazenja kredita za azuriranje!"
    };
    Outcome outcome = Outcome::Saved;
    std::int64_t id_or = 0;
    std::string message() const; // the system's text for the outcome, empty when saved
};

// Checks and writes the loan: a new row when id_or is 0, else that row. The number of months is
// computed from the period and stored; texts are trimmed. A zero instalment is refused unless
// allowZeroInstalment (the operator answered yes to "Da li zelite da snimite kredit sa iznosom
// 0?").
LoanSave saveLoan(db::Database& db, const Loan& loan, bool allowZeroInstalment = false);

// Deletes a loan that no calculation has withheld yet.
enum class LoanDeletion { Deleted, Used, Missing };
LoanDeletion deleteLoan(db::Database& db, std::int64_t id_or);
// "Obustava je obrisana!", "Nije moguce obrisati obustavu! Vec je koriscena u obracunu!",
// "Greska kod pronalazenja obustave!".
std::string deletionMessage(LoanDeletion deletion);

// Dinars withheld so far: the sum of every obracun_obustava row of the loan.
Currency loanPaid(db::Database& db, std::int64_t id_or);

// A loan as the lists show it, with its employee, creditor and what was withheld.
struct LoanLine {
    Loan loan;
    std::string employee; // "Prezime Ime"
    std::string creditor; // the creditor's name
    Currency paid;        // dinars withheld so far
};
// The employee's loans, by number.
std::vector<LoanLine> loansOfEmployee(db::Database& db, std::int64_t employeeId);
// The loans of one creditor by employee name; for a month only those whose period covers the
// month's first day.
struct MonthOfYear {
    int year = 0;
    int month = 0;
};
std::vector<LoanLine> loansOfCreditor(db::Database& db, std::int64_t creditorId,
                                      std::optional<MonthOfYear> month);

// The period as the lists show it: "11/2024 do 2/2025".
std::string loanPeriodText(const Loan& loan);

// The loan's total value in dinars: instalment × months, a foreign-currency loan valued at the
// current rate.
Currency loanValueInDinars(const Loan& loan, const ExchangeRates& rates);
// How much of that value was withheld, in percent; 0 for a loan without value.
double repaidPercent(const LoanLine& line, const ExchangeRates& rates);

} // namespace zarion::employees
