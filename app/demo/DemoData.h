#pragma once

#include <filesystem>
#include <optional>

#include "core/Dates.h"

namespace zarion::demo {

// Makes a demo base under the base folder when it has none yet (<base>/kontora/firme.db missing):
// the marker file KOA.txt, the data root kontora/ with the register and the template, the
// operator "demo" (password "demo") and the company "Zarion Demo d.o.o." for the clock's year,
// filled with that year's rates, its settings, code lists and about twenty-five employees.
// A base that has a register already is left exactly as it is.
// Returns the demo company's folder when it was made now.
std::optional<std::filesystem::path> createDemoBase(const std::filesystem::path& base,
                                                    const Clock& clock);

} // namespace zarion::demo
