#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/db/Database.h"
#include "outputs/PayrollList.h"

namespace zarion::outputs {

// Whether the salary was paid, and when; an unpaid salary carries its due date and the reason.
struct PaymentStatus {
    bool paid = true;
    Date paidOn;
    Date due;
    std::string reason; // "Tekuća nelikvidnost" unless the operator wrote another
};

// The reason an unpaid salary gives unless the operator writes another.
std::string defaultUnpaidReason();

// One deduction withheld from a calculation, and for a loan its period and what is left of it.
struct DeductionLine {
    std::string creditor;
    Currency amount;
    bool loan = false; // a loan with its number of instalments, else a permanent deduction
    Date from;
    Date to;
    Currency instalment;
    Currency total;     // instalment × number of instalments
    Currency remaining; // total less everything withheld for it so far
};

// What the payslips look up beside the list: municipality and bank names, the deductions of each
// calculation.
struct PayslipLookups {
    std::map<int, std::string> municipalities;                     // by sifra_opstine
    std::map<std::int64_t, std::string> banks;                     // by ID_BAnka
    std::map<std::int64_t, std::vector<DeductionLine>> deductions; // by Id_obracun
};

PayslipLookups loadPayslipLookups(db::Database& payroll, const ListSelection& selection);

} // namespace zarion::outputs
