#pragma once

#include <string>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

// The short-term interest-free loan the owner gives his company, printed as a contract.
namespace zarion::other_income {

// The court named for disputes: nadlezni_sud of the owner's parameters, trimmed; empty when it
// has not been entered.
std::string competentCourt(db::Database& payrollDb);

// "UGOVOR O KRATKOROČNOM ZAJMU" between the owner (the lender) and the company (the borrower),
// concluded on that day: four articles, the amount left blank, and the two signature lines. A
// court not entered is left as a blank line to fill in by hand.
report::Document loanContractDocument(const report::CompanyData& company, const std::string& court,
                                      const Date& day);

// The contract of the company whose master data is open; "Niste uneli podatke o firmi!" when
// there is none.
Outcome<report::Document> loanContract(db::Database& payrollDb, db::Database* companyMaster,
                                       const Date& day);

} // namespace zarion::other_income
