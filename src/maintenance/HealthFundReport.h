#pragma once

#include "core/db/Database.h"

namespace zarion::maintenance {

// What filling the health-fund sheet did.
struct HealthFundFill {
    int filled = 0;   // rows of izvestaj given the month's figures
    int notFound = 0; // rows whose person has no calculation in the month
};

// Fills the prepared sheet `izvestaj` (one row per person, keyed by JMBG) with the person's
// final calculation of the month, in one transaction. A person without a calculation gets
// "Nije pronadjen obracun za: " + surname + " " + name in `napomena` and nothing else; the
// columns the program does not fill are left as prepared.
HealthFundFill fillHealthFundReport(db::Database& payroll, int year, int month);

} // namespace zarion::maintenance
