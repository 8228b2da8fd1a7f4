#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compensation/SickLeavePosting.h"
#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "payroll/MonthParameters.h"

namespace zarion::compensation {

// A compensation paid month by month on behalf of a fund from a monthly net set for the case:
// sick leave over 30 days or maternity leave. Both are kept in bolovanja_obracuni, told apart by
// porodiljsko.
// The case net of a full month for the hours of leave in the month, in whole dinars; the full
// net when the full-month hours are 0.
Currency scaledNet(Currency caseNet, double hours, double fullMonthHours);
// The month's tax-free amount, scaled by hours / full-month hours (2 decimals) when fewer hours
// than a full month are on leave.
Currency proratedTaxFree(Currency monthTaxFree, double hours, double fullMonthHours);

// One row of bolovanja_obracuni.
struct LeaveCompensationRow {
    std::int64_t ID_RADNIK = 0;
    int MEsec = 0;
    int GODINA = 0;
    bool porodiljsko = false;
    double broj_sati = 0;
    Currency BRUTO;
    Currency porez_na_zaradu;
    Currency Doprinosi_PIO;
    Currency Doprinosi_zo;
    Currency doprinosi_nezaposlenost;
    Currency ukupno_doprinosa;
    Currency Doprinosi_PIO_F;
    Currency Doprinosi_zo_F;
    Currency doprinosi_nezaposlenost_f;
    Currency ukupno_doprinosa_F;
    Currency ukupno_obaveza;
    Currency NETO;
    std::string tekuci_Racun;
    Currency Oslobodjenje;
    Currency solidarni_porez;

    // What the employee receives: the net less the solidarity deduction.
    Currency paidOut() const { return NETO - solidarni_porez; }
};

// Grosses the net up with the month's rates: gross = (net × 100 − tax-free × t) / (100 − t − p −
// z − n), tax on the gross above the tax-free amount, the six contributions on the gross, and the
// solidarity deduction on the net when it applies. Fills the amounts of `row`.
Outcome<LeaveCompensationRow> compensationFromNet(LeaveCompensationRow row, Currency taxFree,
                                                  const payroll::MonthParameters& rates,
                                                  bool solidarity);

// The employee's compensation of the month from the case net for the hours of leave: the net and
// the tax-free amount scaled by the hours, grossed up with the month's rates, the solidarity
// deduction when the settings call for it, the employee's account. Refuses a month without rates.
Outcome<LeaveCompensationRow> calculateLeaveMonth(db::Database& payroll, std::int64_t employeeId,
                                                  Currency caseNet, double hours, int year,
                                                  int month, LeaveKind kind);

// The month's row of the employee and kind, when one is posted.
std::optional<LeaveCompensationRow> loadLeaveCompensation(db::Database& payroll,
                                                          std::int64_t employeeId, int year,
                                                          int month, LeaveKind kind);
// Every row of the month and kind, in the order of the employees' ids.
std::vector<LeaveCompensationRow> leaveCompensationsOfMonth(db::Database& payroll, int year,
                                                            int month, LeaveKind kind);
// Adds the row, or updates the one of the same employee, month and kind, in one transaction.
void postLeaveCompensation(db::Database& payroll, const LeaveCompensationRow& row);

} // namespace zarion::compensation
