#pragma once

#include <filesystem>
#include <vector>

#include "outputs/PayrollList.h"
#include "outputs/PayslipData.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::outputs {

// What every payslip of a print shares: the company, its logo, the stamp and signature printed
// for the responsible person (none: a line to sign on), the payment status and the calculation
// method that chooses the payslip.
struct PayslipPrint {
    report::CompanyData company;
    std::filesystem::path logo;
    std::filesystem::path stamp;
    PaymentStatus status;
    bool coefficientPricing = false;
};

// The payslips of the given rows of the list, one to a page (a long one goes on to the next).
report::Document payslips(const PayslipPrint& print, const PayrollList& list,
                          const PayslipLookups& lookups,
                          const std::vector<const PayrollRow*>& rows);

// The rows of the list the way the print of all payslips walks them: unit by unit in the order
// of their numbers, by name within a unit, the owners left out.
std::vector<const PayrollRow*> unitByUnit(const PayrollList& list);

} // namespace zarion::outputs
