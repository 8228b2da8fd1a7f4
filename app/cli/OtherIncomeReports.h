#pragma once

#include <span>

#include "cli/ReportRegistry.h"
#include "other_income/OtherIncomePrints.h"

namespace zarion::cli {

// The printouts of an order of other income, chosen by --nalog, or by --vrsta and --mesec (the
// newest order of the kind paid in that month): the pay list, the report of the contributions
// paid on --datum, the tax return and the tax by municipality.
std::span<const ReportEntry> otherIncomeReports();

// The order --nalog, or the newest order of --vrsta paid in --mesec of the year, with its people;
// a ReportRefusal when there is none.
other_income::PaidOrder chosenOrder(db::Database& payroll, const Arguments& options, int year);

} // namespace zarion::cli
