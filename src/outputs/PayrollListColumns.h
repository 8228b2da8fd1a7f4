#pragma once

#include <string>
#include <vector>

#include "outputs/PayrollList.h"
#include "report/Spreadsheet.h"

namespace zarion::outputs {

// The payroll list as the window shows it: 75 columns by position (0 the row's own text, 1 the
// name, 27 the gross, 32 the net, 47 and 74 the calculation, 72 left empty), amounts as
// "##0.00", hours and rates as plain numbers.
constexpr int PayrollListColumnCount = 75;
std::vector<std::string> payrollListTexts(const PayrollRow& row);
std::vector<std::string> payrollListHeadings();

// The owners' list: 13 columns (1 the name, 2 "PREDUZETNIK", 3 the gross … 12 the unit).
std::vector<std::string> ownerListTexts(const PayrollRow& row);
std::vector<std::string> ownerListHeadings();

// The list for the spreadsheet: JMBG, name and surname of each employee and owner, then the
// list's amounts as "##0.00".
report::SheetList payrollSheet(const PayrollList& list);

} // namespace zarion::outputs
