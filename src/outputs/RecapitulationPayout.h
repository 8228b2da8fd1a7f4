#pragma once

#include <string>
#include <vector>

#include "core/Currency.h"
#include "outputs/ListTable.h"
#include "outputs/PayrollList.h"
#include "outputs/Registers.h"
#include "payroll/SalaryResult.h"
#include "report/Document.h"

namespace zarion::outputs {

// One calculation a payout recapitulation sums: the posted result and what was withheld from it.
struct RecapCalculation {
    payroll::SalaryResult calc;
    Currency deductions;
    Currency toPay;
};

// What a payout list hands its recapitulation: the period, the part of the payment as the title
// names it, the unit, and its calculations. Every list of posted results (salaries, compensation)
// opens the recapitulation with one of these.
struct PayoutSource {
    int year = 0;
    int month = 0;
    std::string part; // "0. Konačna", "1. deo", "2. deo"
    std::string unitName;
    std::vector<RecapCalculation> calculations;
};

// The source of a payroll list: its employees and owners.
PayoutSource payoutSource(const PayrollList& list);
// The part of a payment as the recapitulations' titles name it.
std::string paymentPartName(Payment payment);

// A line of the recapitulation: its text and its columns "IZNOS", "ČASOVI", "BRUTO", "BRUTO2".
// A line of the two sides (employee / employer) keeps the employee's amount in `amount` and
// the employer's in `gross`.
struct RecapLine {
    std::string text{};
    Currency amount{};
    double hours = 0;
    Currency gross{};
    Currency gross2{};
    bool total = false; // printed in bold
    bool count = false; // "Broj zaposlenih": `people` stands in the amount column
    int people = 0;
};

// The lines of the payout, in the order of the recapitulation. The gross of an item is its net
// grossed up with each calculation's own ratio of gross to net (BRUTO2 with the employer's
// total); the public-sector variant names the items of its own pay elements.
std::vector<RecapLine> payoutRecapitulation(const PayoutSource& source, bool publicSector);

// "Rekapitulacija isplate za mesec: 3/2026 2. deo"
std::string payoutRecapitulationTitle(const PayoutSource& source);

report::Document payoutRecapitulationReport(const ListPrint& print, const PayoutSource& source,
                                            const std::vector<RecapLine>& lines);

} // namespace zarion::outputs
