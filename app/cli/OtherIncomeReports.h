#pragma once

#include <span>

#include "cli/ReportRegistry.h"

namespace zarion::cli {

// The printouts of an order of other income, chosen by --nalog, or by --vrsta and --mesec (the
// newest order of the kind paid in that month): the pay list, the report of the contributions
// paid on --datum, the tax return and the tax by municipality.
std::span<const ReportEntry> otherIncomeReports();

} // namespace zarion::cli
