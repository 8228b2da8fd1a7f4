#pragma once

#include "core/Currency.h"
#include "payroll/SalaryResult.h"

namespace zarion::payroll {

// What the owner's salary calculation hands back to the individual calculation: the owner's
// gross, net, tax and the three contributions, and the non-taxable amount it applied.
struct OwnerFigures {
    Currency BRUTO;
    Currency NETO;
    Currency porez_na_zaradu;
    Currency Doprinosi_PIO;
    Currency Doprinosi_zo;
    Currency doprinosi_nezaposlenost;
    Currency Oslobodjenje;
};

// The calculation with the owner's figures in place of its own: the whole gross stands as basic
// pay, no other element is paid, the owner bears every contribution himself (none fall on the
// company), and the totals follow from the figures.
SalaryResult withOwnerFigures(SalaryResult result, const OwnerFigures& owner);

} // namespace zarion::payroll
