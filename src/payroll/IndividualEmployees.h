#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/db/Database.h"

namespace zarion::payroll {

// A row of the individual window's employee list.
struct IndividualListRow {
    std::int64_t id = 0;
    std::string name;    // surname and first name
    bool posted = false; // has a final calculation for the month
};

// The employees in employment (nije_u_ro false) and any other with a final calculation for the
// month, by surname and name, each marked whether the month is posted for them.
std::vector<IndividualListRow> individualEmployeeList(db::Database& payrollDb, int year, int month);

} // namespace zarion::payroll
