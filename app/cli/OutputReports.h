#pragma once

#include <span>

#include "cli/ReportRegistry.h"

namespace zarion::cli {

// The printouts of a month's payroll list: payslips, registers, lists and the specification of
// tax by municipality.
std::span<const ReportEntry> outputReports();

} // namespace zarion::cli
