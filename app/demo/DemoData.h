#pragma once

#include <filesystem>
#include <optional>

#include "core/Dates.h"

namespace zarion::demo {

struct DemoOptions {
    // The number of employees: the twenty-five people of the demo register, fewer of them, or
    // more made from the same people.
    int employees = 25;
};

// Makes a demo base under the base folder when it has none yet (<base>/kontora/firme.db missing):
// the marker file KOA.txt, the data root kontora/ with the register and the template, the
// operator "demo" (password "demo") and the company "Zarion Demo d.o.o." for the clock's year,
// filled with that year's rates, its settings (paid in two parts), code lists, the employees
// with their deductions and loans, and the months before the clock's month calculated and
// posted (in January the year before, made beside it, with its twelve months).
// A base that has a register already is left exactly as it is.
// Returns the demo company's folder when it was made now.
std::optional<std::filesystem::path> createDemoBase(const std::filesystem::path& base,
                                                    const Clock& clock,
                                                    const DemoOptions& options = {});

} // namespace zarion::demo
