#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/db/Database.h"
#include "employees/LoanCreditorOverview.h"
#include "employees/PaymentOrderForm.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::employees {

// What the printed lists of the creditor overview stand on.
struct OverviewPrint {
    report::CompanyData company;
    std::filesystem::path logo;
    std::string place; // the place of the signature block
    Date date;         // the day of printing
    OverviewPeriod period;
};

// The list of one creditor's payments: "Spisak uplaćenih obaveza po kreditima" with the
// instalment, period, loan value and remaining amount for a creditor of loans, otherwise
// "Spisak uplaćenih obaveza" with each employee's note; then "UKUPNO", the signatures, the place
// and date, and the closing request.
report::Document CreditorPaymentList(const OverviewPrint& print, const CreditorTotal& creditor,
                                     const std::vector<CreditorPayment>& payments);

// The company as payer of the creditors: its name (podaci), its payout account and place
// (parametri2).
struct Payer {
    std::string name;
    std::string account;
    std::string place;
};
Payer loadPayer(db::Database& payrollDb, db::Database& masterDb);

// One transfer per creditor of the overview: the creditor's name, account, reference and total,
// payment code "246".
std::vector<PaymentOrder> creditorPaymentOrders(const Payer& payer,
                                                const std::vector<CreditorTotal>& creditors,
                                                const OverviewPeriod& period, const Date& date);

} // namespace zarion::employees
