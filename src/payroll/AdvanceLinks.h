#pragma once

#include <cstdint>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/db/Database.h"

// Advances paid through the other-income orders and taken into an employee's final salary
// calculation: the link table obracuni_ostale_zarade_veza (ID_obracun, ID_OOz).
namespace zarion::payroll {

// A line of the calculation's advances list.
struct AdvanceLine {
    std::int64_t id_ooz = 0; // the advance's row of obracun_ostale_zarade
    Date Datum;              // of its order (nalozi_ostale_zarade)
    Currency NETO;           // its net
};

// The advances linked to a posted calculation, in the order they were linked. A link whose
// advance is gone still shows, with no date and a net of 0.
std::vector<AdvanceLine> linkedAdvances(db::Database& payrollDb, std::int64_t idObracun);

// The total under the list.
Currency advancesTotal(const std::vector<AdvanceLine>& lines);

// Replaces the calculation's links by one row per line; an empty list leaves none. Runs inside
// the caller's transaction (the posting).
void replaceAdvanceLinks(db::Database& payrollDb, std::int64_t idObracun,
                         const std::vector<AdvanceLine>& lines);

} // namespace zarion::payroll
