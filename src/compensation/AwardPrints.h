#pragma once

#include <filesystem>
#include <vector>

#include "compensation/AwardOrders.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::compensation {

// "SPISAK ZA ISPLATU OSTALIH ZARADA" of an order: every award with its net, non-taxable part,
// tax, gross and the amount paid, a line for the signature and the totals; jubilee awards show
// the employee's job too.
report::Document awardPaymentList(const report::CompanyData& company,
                                  const std::filesystem::path& logo, const AwardOrder& order,
                                  const std::vector<AwardPayment>& payments);

// The tax of the order's awards by the employees' municipality of residence.
report::Document awardTaxSpecification(db::Database& payroll, const report::CompanyData& company,
                                       const std::filesystem::path& logo,
                                       const std::vector<AwardPayment>& payments);

} // namespace zarion::compensation
