#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/PayrollList.h"

namespace zarion::outputs {

// What a treasury batch pays: the salaries of a month (one payment, one unit or all), the sick
// leave over 30 days or the maternity leave of a month, or one batch of other income.
enum class TreasurySource { Salaries, SickLeave, Maternity, OtherIncome };

struct TreasuryPayout {
    TreasurySource source = TreasurySource::Salaries;
    int year = 0;
    int month = 0;
    Payment payment = Payment::Whole; // salaries: which payment of the month
    std::int64_t unit = 0;            // salaries: one organisational unit, 0 for all
    std::int64_t batch = 0;           // other income: the batch (id_noz)
};

// One transfer of the payment batch.
struct TreasuryPayment {
    std::string text;
    Currency amount;
    std::string payee;
    std::string purpose;
    std::string paymentCode;
    std::string account; // digits only
    std::string model = "97";
    std::string reference;
    std::string externalId;
    std::string liabilityCode;
};

// A line of the payout's journal: what it books, on which accounts (one side may be empty for
// a line added by hand), and the amount.
struct TreasuryJournalLine {
    std::string text;
    std::string debitAccount;
    std::string creditAccount;
    Currency amount;
};

// A line of the commitment: an economic classification code (4… expenditure, 2… liability), the
// amount and the source of financing ("01", "04" or "07").
struct CommitmentLine {
    std::string code;
    Currency amount;
    std::string source = "01";

    bool expenditure() const { return !code.empty() && code.front() == '4'; }
    bool liability() const { return !code.empty() && code.front() == '2'; }
};

struct TreasuryBatch {
    std::vector<TreasuryPayment> payments;
    std::vector<TreasuryJournalLine> journal;
};

// The transfers and the journal of the payout: one row per public revenue (tax, the employee's
// PIO, health and unemployment, the employer's PIO and health) to the single payment account,
// one row per person for the net paid to his account, one row per creditor for the deductions
// of a salary payment (payment code 246 unless the deduction names its own). Refused with "POdesite
// konta!" when the journal accounts are not set up, or with the list's own message when the month
// has no parameters.
Outcome<TreasuryBatch> buildTreasuryBatch(db::Database& payroll, const TreasuryPayout& payout);

// The commitment made from the journal: the debit accounts beginning with 4 as expenditure lines
// and the credit accounts beginning with 2 as liability lines, summed per account.
std::vector<CommitmentLine> commitmentLines(const std::vector<TreasuryJournalLine>& journal);

// The liability accounts whose totals differ between the commitment and the payments, as the
// messages "Konto … nije jednak u COM i PAY fajlu! Com = … PAY = …".
std::vector<std::string> commitmentMismatches(const std::vector<CommitmentLine>& commitment,
                                              const std::vector<TreasuryPayment>& payments);

Currency paymentsTotal(const std::vector<TreasuryPayment>& payments);
Currency commitmentTotal(const std::vector<CommitmentLine>& commitment);

} // namespace zarion::outputs
