#pragma once

#include <string>

#include "compensation/SickLeaveCases.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/BankList.h"
#include "outputs/PayrollList.h"
#include "outputs/RecapitulationAccounts.h"

namespace zarion::compensation {

// The month's compensations of one kind as a payout list (the unit of the selection, 0 for all):
// each posted row of bolovanja_obracuni under the result's column names, with its employee and
// the solidarity deduction as what is withheld; in Serbian alphabetical order. "Greska kod
// pronalazenja parametara za izabrani mesec!" when the month has no rates.
Outcome<outputs::PayrollList> loadLeaveList(db::Database& payroll, LeaveKind kind,
                                            const outputs::ListSelection& selection);

// The month's compensations of one kind paid to the recipients' accounts (the net less the
// solidarity deduction), grouped by bank, under "Isplata: 03/2026 - Bolovanje preko 30 dana".
Outcome<outputs::BankList> leaveBankList(db::Database& payroll, LeaveKind kind, int year,
                                         int month);

// The recapitulation of payment accounts of the list: its sums and nets with the accounts of the
// kind's settings.
Outcome<outputs::AccountsSource> leaveAccountsSource(db::Database& payroll, LeaveKind kind,
                                                     const outputs::PayrollList& list);

// "Radnici koji se nalaze na bolovanju preko 30 dana" or "... na porodiljskom odsustvu".
std::string leaveGroupTitle(LeaveKind kind);
// "Bolovanje preko 30 dana" or "Porodiljsko odsustvo": the part a compensation list pays.
std::string leavePartName(LeaveKind kind);

} // namespace zarion::compensation
