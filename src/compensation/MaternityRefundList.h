#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "compensation/MaternityAccount.h"
#include "core/Currency.h"
#include "core/db/Database.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::compensation {

// One line of the refund list of a month's maternity compensations. The full amount the person
// would have earned is the gross of the compensation; the reductions by length of service are
// left for the operator to write in.
struct RefundLine {
    std::string name; // "Ime Prezime"
    Currency amount;  // BRUTO
    Currency taxBase; // BRUTO less the tax-free amount, not below 0
    Currency tax;
    Currency paid;          // NETO less the solidarity deduction
    Currency contributions; // the employee's and the employer's
    Currency obligations() const { return tax + paid + contributions; }
};

struct RefundList {
    int year = 0;
    int month = 0;
    std::vector<RefundLine> lines; // in Serbian order of the names
    MaternityAccount account;
};

// The month's maternity calculations as the refund list shows them.
RefundList loadRefundList(db::Database& payroll, int year, int month);

// "Obrazac NZ1": the payer's data, the numbered columns, "SVEGA", and the blocks for the
// signatures and the municipal certification.
report::Document refundListReport(const report::CompanyData& company, const RefundList& list);

} // namespace zarion::compensation
