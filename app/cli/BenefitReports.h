#pragma once

#include <span>

#include "cli/ReportRegistry.h"

namespace zarion::cli {

// The printouts of the compensations and awards: the maternity refund list, the disabled
// persons' lists, an award order's payment list and the annual-leave overview.
std::span<const ReportEntry> benefitReports();

} // namespace zarion::cli
