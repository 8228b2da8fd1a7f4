#pragma once

#include <span>

#include "cli/ReportRegistry.h"

namespace zarion::cli {

// The printouts of the year's forms (M-4K, PPP) and of a payout's treasury batch.
std::span<const ReportEntry> annualReports();

} // namespace zarion::cli
