#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/db/Database.h"
#include "employees/PaymentOrderForm.h"
#include "outputs/PayrollList.h"
#include "outputs/Registers.h"
#include "report/Document.h"

namespace zarion::outputs {

// Where one public revenue is paid: code, account, reference, debit reference and model, as the
// settings of the payout keep them.
struct RevenueAccount {
    std::string code;
    std::string account;
    std::string reference;
    std::string debitReference;
    std::string model;
};

// The public revenues of a payout in the order of the recapitulation.
enum class Revenue { Tax, Pio, Zo, Nez, PioF, ZoF, NezF, Additional };
constexpr std::size_t RevenueCount = 8;

// The payout's sums the recapitulation shows.
struct PayoutSums {
    Currency net;
    Currency gross;
    std::array<Currency, RevenueCount> revenues{}; // by Revenue
    Currency reduction;                            // net reductions over 60000
};

// A payee of the net: a bank with its employees' pay, or a creditor with its deductions.
struct Payee {
    std::string name;
    std::string code;
    std::string account;
    std::string reference;
    std::string model;
    Currency amount;
};

// What a payout hands its recapitulation of payment accounts. The payroll list makes one with
// salaryAccountsSource, an other-income batch with otherIncomeAccountsSource, a compensation list
// with compensationAccountsSource; the recapitulation window shows any of them.
struct AccountsSource {
    int year = 0;
    int month = 0;
    std::string part; // "1. deo", "2. deo", "0. Konačna"
    PayoutSums sums;
    std::array<RevenueAccount, RevenueCount> accounts;
    std::string payoutAccount;
    std::vector<Payee> banks;
    std::vector<Payee> deductions;
    std::int64_t otherIncomeBatch = 0; // the batch of other income, 0 for any other payout
};

// One recipient's net paid into his current account; without an account the cash desk pays it
// and no bank is paid for him.
struct NetTransfer {
    std::int64_t id_radnik = 0;
    std::string account;
    Currency amount;
};

// What a list paid in its month: its sums and the net of each recipient, which the recapitulation
// pays to the bank the register gives the recipient (radnici.ID_BAnka).
struct PaidOut {
    int year = 0;
    int month = 0;
    PayoutSums sums;
    std::vector<NetTransfer> transfers;
};

// The sums of a list of posted results, as its totals give them.
PayoutSums payoutSums(const PayrollTotals& totals);

// What a list of posted results paid: each calculation's net less what was withheld from it, to
// the account the calculation was posted with.
PaidOut paidOut(const PayrollList& list);

// The source of a payroll list: its sums, the accounts of parametri2, the net by the employees'
// banks and the month's deductions by creditor; "Niste uneli uplatne racune!" without settings.
Outcome<AccountsSource> salaryAccountsSource(db::Database& payroll, const PayrollList& list);

// The source of an other-income batch of a kind: what its list paid and the kind's own accounts
// (uplatni_racuni_ostale); "Niste uneli uplatne racune!" when the kind has none.
Outcome<AccountsSource> otherIncomeAccountsSource(db::Database& payroll, std::int64_t kind,
                                                  const PaidOut& paid);

// The compensation lists whose payouts have settings of their own.
enum class CompensationKind { SickLeave, Maternity, Disabled };

// The source of a compensation payout: what its list paid and the accounts of its settings
// (parametri_bolovanje, parametri_porodilje, parametri_invalidi); without them "Niste uneli
// uplatne racune!", for the disabled "Nisu postavljeni parametri za invalide!". Nothing is
// withheld from a compensation but the solidarity tax, so it has no deduction lines.
Outcome<AccountsSource> compensationAccountsSource(db::Database& payroll, CompensationKind kind,
                                                   const PaidOut& paid);

// A line of the recapitulation; a group line has no number and no account.
struct AccountLine {
    int number = 0;
    std::string text{};
    std::optional<Currency> amount{};
    std::string code{};
    std::string account{};
    std::string reference{};
    bool print = false; // printed as a payment order
    std::string purpose{};
    std::string debitReference{};
    std::string model{};
    bool group() const { return number == 0; }
};

std::vector<AccountLine> accountLines(const AccountsSource& source);

// "REKAPITULACIJA UPLATNIH RAČUNA JAVNIH PRIHODA" with the obligation, the net and the public
// revenues summed at the end.
report::Document accountsRecapitulationReport(const ListPrint& print, const AccountsSource& source,
                                              const std::vector<AccountLine>& lines);

// The payment orders of the lines marked for printing, on the bank's form, paid from the
// payout account; `shift` moves the form right by that many millimetres (the printer's offset).
struct OrderPrint {
    std::string payer;
    std::string place;
    Date date;
    double shift = 0;
};
// Whether any line is marked for printing as an order: "Nema ozna~enih naloga za {tampu!" when
// none is.
Refused ordersToPrint(const std::vector<AccountLine>& lines);
report::Document accountOrders(const OrderPrint& print, const AccountsSource& source,
                               const std::vector<AccountLine>& lines);

// The printer's offset of the orders (postavke.x_pomeranje_nalog), in millimetres.
double orderShift(db::Database& payroll);

} // namespace zarion::outputs
