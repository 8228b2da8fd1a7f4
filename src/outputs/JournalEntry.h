#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "outputs/JournalSettings.h"
#include "outputs/PayrollList.h"

namespace zarion::outputs {

// An item of the posting order: "OPIS", "Konto Dug", "Konto Pot", "Iznos", "ID", "Opis Dug",
// "Opis Pot".
struct JournalItem {
    std::string label;
    std::string debit;
    std::string credit;
    Currency amount;
    int id = 0; // the item's place in the order, from 1
    std::string debitName;
    std::string creditName;
};

// A double-entry line of the order. The analytic code names the employee whose net pay the line
// carries when the net is posted employee by employee; otherwise it is empty.
struct JournalLine {
    std::string konto;
    std::string analitika;
    std::string text; // what the line books
    std::string opis_konta;
    Currency duguje;
    Currency potrazuje;

    // "Ceo konto": the account with its analytic code.
    std::string fullAccount() const;
};

// The order of a payroll: its items (the free mapping only) and its lines.
struct JournalEntry {
    std::vector<JournalItem> items;
    std::vector<JournalLine> lines;
};

// The account's name in the chart of table konto, empty when the chart has no such account.
std::string accountName(db::Database& payroll, const std::string& konto);

// The order of the list: with the free mapping the items of gk_nalog with the list's sums (the
// owner's items when the list has owners) and their lines; with a scheme of the eight-digit
// chart its lines straight from the rows. `netByEmployee` posts the employees' net pay each on
// its own analytic card (the customer's own switch of the working context).
JournalEntry buildJournal(db::Database& payroll, const JournalSettings& settings,
                          const PayrollList& list, bool netByEmployee);

// The lines of the items: one debit and one credit line each, items without an amount left
// out; the net item credited employee by employee when `netByEmployee` names the list.
std::vector<JournalLine> itemLines(const std::vector<JournalItem>& items,
                                   const PayrollList* netByEmployee);

} // namespace zarion::outputs
