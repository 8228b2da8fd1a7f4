#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "payroll/AdvanceLinks.h"
#include "payroll/OwnerFigures.h"

class QWidget;

namespace zarion::payroll {

// The windows of other income that the individual calculation opens, supplied by the program
// when it starts; a command whose window is not supplied stays disabled.
struct IndividualHelpers {
    // The employee's advances to choose from: the ones chosen, none when the operator cancels.
    std::function<std::vector<AdvanceLine>(QWidget* parent, std::int64_t employeeId)> pickAdvances;
    // The owner's salary for a month of that many hours: its figures when the window closes
    // after a calculation, nothing otherwise.
    std::function<std::optional<OwnerFigures>(QWidget* parent, int hourFund)> calculateOwner;
};

IndividualHelpers& individualHelpers();

} // namespace zarion::payroll
