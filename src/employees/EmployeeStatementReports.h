#pragma once

#include <filesystem>
#include <vector>

#include "core/Dates.h"
#include "employees/EmployeeRecord.h"
#include "employees/EmployeeStatements.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

// The printed per-employee statements.
namespace zarion::employees {

// "POTVRDA O VISINI ZARADE": the company header, the employee, the period, a row per month
// (employee's contributions over the employer's), the totals, the count sentence and the
// average gross and net.
report::Document salaryCertificate(const report::CompanyData& company,
                                   const std::filesystem::path& logo, const Employee& employee,
                                   const StatementPeriod& period,
                                   const std::vector<StatementMonth>& months);

// "Obrazac PPP-PO": the certificate of taxes and contributions withheld in a year, with the
// income from employment in row 1 and the income outside employment in row 2.
report::Document pppPoForm(const report::CompanyData& company, const Employee& employee, int year,
                           const AnnualIncomes& incomes, const Date& issueDate);

} // namespace zarion::employees
