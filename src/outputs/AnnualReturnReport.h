#pragma once

#include "outputs/AnnualReturn.h"
#include "report/Document.h"

namespace zarion::outputs {

// Form PPP of the year: the payer's part I, the recipients employed (part II) and outside
// employment (part III), the empty part IV of legal persons, amounts in whole dinars.
report::Document pppForm(const report::CompanyData& payer, int year, const AnnualReturn& annual);

} // namespace zarion::outputs
