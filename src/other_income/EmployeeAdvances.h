#pragma once

#include <cstdint>
#include <vector>

#include "core/db/Database.h"
#include "payroll/AdvanceLinks.h"

namespace zarion::other_income {

// The employee's advances (the rows of the advance orders, kind 99), newest first, each with the
// date of its order, its key and its net. An advance already taken into a calculation is offered
// again: the link table records where it was taken.
std::vector<payroll::AdvanceLine> employeeAdvances(db::Database& payrollDb,
                                                   std::int64_t employeeId);

} // namespace zarion::other_income
