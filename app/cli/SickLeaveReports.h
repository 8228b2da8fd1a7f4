#pragma once

#include <span>

#include "cli/ReportRegistry.h"

namespace zarion::cli {

// The printouts of a month's sick-leave list and the compensations' bank lists.
std::span<const ReportEntry> sickLeaveReports();

} // namespace zarion::cli
