#pragma once

#include <span>

#include "cli/ReportRegistry.h"

namespace zarion::cli {

// The printouts that close a payout: the recapitulations, the orders of the payment accounts and
// the bookkeeping journal of the month.
std::span<const ReportEntry> booksReports();

} // namespace zarion::cli
