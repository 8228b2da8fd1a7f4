#pragma once

#include "core/Dates.h"

namespace zarion::payroll {

// Whole years of service at a calculation month, rounded down.
struct ServiceYears {
    int withCompany = 0; // since the employment date (god_staza)
    int total = 0;       // with prior service pg/Pm (ukradni_staz)
    int counted = 0;     // the years seniority is paid for (radni_staz)
    int before2019 = 0;  // the counted years split at 1 January 2019 (minuli_do19 …
    int from2019 = 0;    // … and minuli_od19)
};

// M = months from the employment month to the calculation month; years = floor(M / 12), with
// prior service floor((pg × 12 + Pm + M) / 12). The counted years are the total when
// countPriorService is on. A missing employment date, or one after the month, counts as M = 0.
ServiceYears serviceYears(const Date& employed, int priorYears, int priorMonths, int year,
                          int month, bool countPriorService);

} // namespace zarion::payroll
