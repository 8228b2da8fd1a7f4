#pragma once

#include <span>

#include "cli/ReportRegistry.h"
#include "core/Outcome.h"
#include "outputs/RecapitulationAccounts.h"

namespace zarion::cli {

// The printouts that close a payout: the recapitulations, the orders of the payment accounts and
// the bookkeeping journal of the month.
std::span<const ReportEntry> booksReports();

// The recapitulation of payment accounts of a payout's source, or the source's refusal.
report::Document accountsRecapitulation(const ReportSource& source,
                                        Outcome<outputs::AccountsSource> accounts);

} // namespace zarion::cli
