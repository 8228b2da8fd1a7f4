#pragma once

#include <string>
#include <vector>

#include "core/Dates.h"
#include "outputs/Treasury.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::outputs {

// What the treasury printouts name: the budget user, its code, the batch and the day.
struct TreasuryPrint {
    report::CompanyData company;
    std::string jibk;
    std::string batchNumber;
    Date today;
};

// The request for payment without a commitment taken over: one line per transfer, the total and
// the lines for signatures and the treasury's decision.
report::Document treasuryRequest(const TreasuryPrint& print,
                                 const std::vector<TreasuryPayment>& payments);

// The report for the ministry: the journal lines of the payout with their accounts.
report::Document ministryReport(const TreasuryPrint& print,
                                const std::vector<TreasuryJournalLine>& journal);

} // namespace zarion::outputs
