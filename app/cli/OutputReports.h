#pragma once

#include <functional>
#include <span>

#include "cli/ReportRegistry.h"
#include "core/Dates.h"
#include "outputs/BankList.h"
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
// The list of transfers to the accounts at --banka of the payout `load` gives, as the bank
// lists' windows print it, dated --datum.
report::Document bankTransfers(const ReportSource& source,
                               const std::function<Outcome<outputs::BankList>()>& load);

// --datum as GGGG-MM-DD, today without it.
Date paymentDate(const Arguments& options, const Date& today);

} // namespace zarion::cli
