#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "payroll/MonthParameters.h"
#include "payroll/SalaryResult.h"

namespace zarion::outputs {

// Which payment of the month the list shows.
enum class Payment {
    Whole = 0, // the month in one payment (obracuni)
    First = 1, // the first part (akontacija_obracuni)
    Final = 2, // the second and final part (obracuni)
};

// What the operator chose: the month, the payment and one unit, or 0 for all units.
struct ListSelection {
    int year = 0;
    int month = 0;
    Payment payment = Payment::Whole;
    std::int64_t unit = 0;

    bool firstPart() const { return payment == Payment::First; }
};

// The employee of a listed calculation, as the register keeps them.
struct ListedEmployee {
    std::string Prezime;
    std::string Ime;
    std::string JMBG;
    std::string radno_mesto;
    std::string sss;
    std::string ADRESA;
    std::string vrsta; // the insured person's kind, a two-digit code
    std::int64_t id_rj = 0;
    std::int64_t ID_BAnka = 0;
    int sifra_opstine = 0;
    bool vlasnik = false;
};

// One calculated salary of the list: the posted row under its own column names, the employee it
// belongs to, and what the list adds to it.
struct PayrollRow {
    std::int64_t Id_obracun = 0;
    std::int64_t id_radnik = 0;
    ListedEmployee employee;
    payroll::SalaryResult calc; // every amount and hour of the posted row
    Currency na_ruke;           // paid in cash
    int days = 0;               // the insured days of the month when set (m4dani), else 0
    Currency deductions;        // the deductions withheld from this calculation
    Currency linkedOtherNet;    // net of the other income linked to this salary

    // "Prezime Ime"
    std::string fullName() const;
    // Hours actually worked: regular hours and overtime.
    double effectiveHours() const;
    // The contribution base: osnovica_doprinosa, or BRUTO when the row keeps no separate base.
    Currency contributionBase() const;
    // Years of service: with the company, or in all when prior service is kept.
    int serviceYears() const;
    // What is paid out: the net less the deductions.
    Currency toPay() const { return calc.NETO - deductions; }
    // Paid through the cash desk: the row names no current account.
    bool paidInCash() const { return calc.tekuci_Racun.empty(); }
};

// The month's sums over the listed rows of both lists.
struct PayrollTotals {
    Currency BRUTO;
    Currency porez_na_zaradu;
    Currency Doprinosi_PIO;
    Currency Doprinosi_zo;
    Currency doprinosi_nezaposlenost;
    Currency Doprinosi_PIO_F;
    Currency Doprinosi_zo_F;
    Currency doprinosi_nezaposlenost_f;
    Currency doprinosi_ro_f;
    Currency doprinosi_ro_f2;
    Currency doprinosi_ro_f3;
    Currency NETO;
    Currency deductions;
    Currency toPay;
    Currency solidarni_porez;
    Currency Oslobodjenje;
    Currency contributionBase;

    void add(const PayrollRow& row);
};

// The payroll list of one selection: the employees, the owners apart, the sums, the month's
// rates the payslips print, and the employees the register no longer holds.
struct PayrollList {
    ListSelection selection;
    std::string unitName; // the unit's name, "Sve radne jedinice" for all
    payroll::MonthParameters rates;
    std::vector<PayrollRow> employees; // in Serbian alphabetical order of surname and name
    std::vector<PayrollRow> owners;
    PayrollTotals totals;
    std::vector<std::int64_t> missingEmployees; // their calculations are left out

    // Both lists, the employees first.
    std::vector<const PayrollRow*> allRows() const;
};

// The list of the selection, or "Greska kod pronalazenja parametara za izabrani mesec!" when the
// month has no parameters.
Outcome<PayrollList> loadPayrollList(db::Database& payroll, const ListSelection& selection);

// The register's columns of a listed employee, for a statement that joins radnici as r, and the
// employee read from a row of it (a row whose r_id is null has lost its employee).
std::string listedEmployeeColumns();
ListedEmployee readListedEmployee(const db::Statement& row);
// The columns of a posted row that the result record keeps, by position in the statement.
std::vector<std::pair<int, const payroll::Field<payroll::SalaryResult>*>>
resultColumns(const db::Statement& row);
// The unit's name, "Sve radne jedinice" for 0.
std::string listUnitName(db::Database& payroll, std::int64_t unit);

// "Greska kod pronalazenja ranika sa ID: <id> u bazi!"
std::string missingEmployeeMessage(std::int64_t id_radnik);

} // namespace zarion::outputs
