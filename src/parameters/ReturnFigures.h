#pragma once

#include "core/db/Database.h"
#include "parameters/PaperReturns.h"

// The figures of the returns summed from a month's posted calculations, for printing a return
// without its payout list.
namespace zarion::parameters {

// The month's rates of tax and contributions (parametri_po_mesecima, else the current
// parametri).
ContributionRates monthContributionRates(db::Database& payrollDb, int month, int year);
double monthTaxRate(db::Database& payrollDb, int month, int year);

// Which payment of a month's salaries: the month paid at once (obracuni), its advance
// (akontacija_obracuni), or the rest paid with the final calculation (obracuni less the advance).
enum class SalaryPart { Whole, Advance, Rest };

// The salaries of the payment: tax figures, and contributions on paid salaries, on the lowest
// base and on the highest base.
TaxReturnInput salaryTaxFigures(db::Database& payrollDb, int month, int year, SalaryPart part);
std::vector<ContributionFigures> salaryContributionFigures(db::Database& payrollDb, int month,
                                                           int year, SalaryPart part);

// The compensations of the month: maternity and sick leave (bolovanja_obracuni) and disability
// (invalidi_obracuni), one column each.
TaxReturnInput compensationTaxFigures(db::Database& payrollDb, int month, int year);
std::vector<ContributionFigures> compensationContributionFigures(db::Database& payrollDb, int month,
                                                                 int year);

} // namespace zarion::parameters
