#pragma once

#include <vector>

#include "outputs/PayrollList.h"
#include "parameters/PaperReturns.h"

namespace zarion::outputs {

// The entrepreneur's contribution return (PP OD-P) from the owners' rows of the payroll list, in
// the return's three columns: on the salary paid, on the lowest base (kind 3) and on the highest
// base (kind 4).
std::vector<parameters::ContributionFigures> ownerContributionFigures(const PayrollList& list);

} // namespace zarion::outputs
