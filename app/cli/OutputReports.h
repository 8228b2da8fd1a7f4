#pragma once

#include <span>

#include "cli/ReportRegistry.h"
#include "core/Dates.h"
#include "outputs/PayrollList.h"

namespace zarion::cli {

// The printouts of a month's payroll list: payslips, registers, lists, the tax by municipality
// and the bank lists.
std::span<const ReportEntry> outputReports();

// The list of --mesec of the year, --deo 0 (default), 1 or 2 and --rj (0 for all units); a
// ReportRefusal without the month or with another payment.
outputs::ListSelection listSelection(const Arguments& options, int year);
// The payroll list of that selection; a ReportRefusal when the month cannot give it.
outputs::PayrollList payrollList(const ReportSource& source);
// --datum as GGGG-MM-DD, today without it.
Date paymentDate(const Arguments& options, const Date& today);

} // namespace zarion::cli
