#pragma once

#include <cstdint>
#include <filesystem>
#include <map>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "outputs/PayrollList.h"
#include "outputs/PayslipData.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::outputs {

// The company a printout of the list is headed with.
struct ListPrint {
    report::CompanyData company;
    std::filesystem::path logo;
};

// What a row shows in the register's summary columns.
Currency employeeContributions(const PayrollRow& row);
Currency employerContributions(const PayrollRow& row); // with the additional ones
Currency totalObligation(const PayrollRow& row);       // gross and the employer's contributions
Currency compensations(const PayrollRow& row);         // sick leave, annual leave, paid absence

// "MESEČNA EVIDENCIJA O ZARADI I NAKNADI ZARADA": one line per employee of the list, "UKUPNO",
// the signature lines; a compensation list names the group of its people under the title.
report::Document monthlyRegister(const ListPrint& print, const PayrollList& list,
                                 const std::string& group = {});

// The net of the first part of the month by employee.
std::map<std::int64_t, Currency> advancesOfMonth(db::Database& payroll, int year, int month);

// The extended register: the allowances, the performance bonus, the solidarity tax and the
// advances of the month beside the register's sums, and a block of the month's totals.
report::Document extendedRegister(const ListPrint& print, const PayrollList& list,
                                  const std::map<std::int64_t, Currency>& advances);

// The earnings list: hours and every element of the gross.
report::Document earningsList(const ListPrint& print, const PayrollList& list);

// The deductions list: from the gross through tax and contributions to the net, the first four
// deductions of each calculation and what is paid out.
report::Document deductionsList(const ListPrint& print, const PayrollList& list,
                                const PayslipLookups& lookups);

} // namespace zarion::outputs
