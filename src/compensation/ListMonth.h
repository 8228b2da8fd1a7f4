#pragma once

#include "compensation/SickLeaveCases.h"
#include "core/AppContext.h"

namespace zarion::compensation {

// The month a list of compensations opens on: in the working year (the calendar year while none
// is chosen) the latest month that has compensations to list, else the current month.
struct ListMonth {
    int year = 0;
    int month = 0;
    LeaveKind kind = LeaveKind::SickLeave; // the leave whose month it is
};

// The current month of the working year, where a list opens when its months cannot be read.
ListMonth workingMonth(const AppContext& context);
// The month of the leave's list.
ListMonth leaveListMonth(const AppContext& context, LeaveKind kind);
// The month of the list of both leaves: the later of their latest months, and the leave with
// compensations in it (sick leave when both have).
ListMonth anyLeaveListMonth(const AppContext& context);
// The month of the disabled persons' list.
ListMonth disabledListMonth(const AppContext& context);

} // namespace zarion::compensation
