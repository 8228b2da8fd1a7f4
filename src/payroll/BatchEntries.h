#pragma once

#include <span>
#include <string>
#include <vector>

#include "payroll/RecordFields.h"
#include "payroll/SalaryInput.h"

namespace zarion::payroll {

// The month's entries the batch window lets the operator type: the grade, the price of work,
// the hours by kind, the average earnings per hour and the typed amounts (the employee's terms
// come from radnici, II_deo from the preceding month).
std::vector<const Field<SalaryInput>*> monthEntries();

// An entry as the window shows it: amounts "1.234,50", hours and rates as the number they are
// with a decimal comma ("7,5").
std::string entryText(const SalaryInput& input, const Field<SalaryInput>& field);
// Takes a typed entry written either way ("1.234,50", "1234,5", "1234.5"); any other text by the
// numeric-prefix rule (a text without a number reads as 0).
void setEntry(SalaryInput& input, const Field<SalaryInput>& field, const std::string& text);

} // namespace zarion::payroll
