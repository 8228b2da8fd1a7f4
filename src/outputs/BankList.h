#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/PayrollList.h"

namespace zarion::outputs {

// One employee's net paid to his current account in the chosen payment.
struct BankTransfer {
    std::int64_t id_radnik = 0;
    std::string name;    // "Prezime Ime"
    std::string account; // the current account the calculation was posted with
    std::string JMBG;
    Currency amount;
};

// The transfers to the employees of one bank, in Serbian alphabetical order.
struct BankGroup {
    std::int64_t ID_BAnka = 0; // 0 for the employees without a bank
    std::string bank;
    std::string account; // the bank's account for collective salary payments
    std::vector<BankTransfer> transfers;
    Currency total;
};

// The month's net pay of one payment grouped by the employees' banks: the banks by name, the
// employees without a bank last under "**** NEMA DODELJENU BANKU ****".
struct BankList {
    ListSelection selection; // the month paid (other income: the month of the order's date)
    std::string payout;      // the payout as the printed list names it: "Isplata: 03/2026 - …"
    std::vector<BankGroup> banks;
    std::vector<std::int64_t> missingEmployees; // calculations whose employee the register lacks
};

// What a transfer pays: the net less the solidarity tax and the deductions withheld in that
// payment; the final part of a month paid in two parts also less the first part's net (after its
// solidarity tax), which went out with the first payment.
Outcome<BankList> loadBankList(db::Database& payroll, const ListSelection& selection);

// A payout's transfers, each with the recipient's bank (ID_BAnka), grouped by bank: the banks
// by name and the recipients without a bank last, each group in Serbian alphabetical order.
std::vector<BankGroup> groupByBank(db::Database& payroll,
                                   std::vector<std::pair<std::int64_t, BankTransfer>> transfers);

// The group of the bank, or nothing when no employee of the list banks there.
const BankGroup* findBank(const BankList& list, std::int64_t ID_BAnka);

} // namespace zarion::outputs
