#pragma once

#include <string>
#include <vector>

#include "outputs/M4Data.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::outputs {

// The payer of the M-4K: the company and its registration number with the pension fund.
struct M4Payer {
    report::CompanyData company;
    std::string reg_broj_pio;
};

// Form M-4K of the year for the employees of the list: the payer block, one line per person
// with his insurance period, earnings, paid contribution and sick-leave compensation, the
// totals and the footer of the applicant.
report::Document m4kForm(const M4Payer& payer, int year, const std::vector<M4Row>& rows);

} // namespace zarion::outputs
