#pragma once

#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::outputs {

// Recomputes the employer's pension contribution of every final calculation of the month whose
// employee the register holds: the contribution base (or the gross without one) at the month's
// rate, rounded to 2 decimals half to even; the difference to the stored contribution is added to
// Doprinosi_PIO_F, ukupno_doprinosa_F and ukupno_obaveza. One transaction; gives the number of
// calculations changed, or the message of missing month parameters.
Outcome<int> repairEmployerTotals(db::Database& payroll, int year, int month);

} // namespace zarion::outputs
