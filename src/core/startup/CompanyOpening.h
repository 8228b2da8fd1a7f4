#pragma once

#include <string>
#include <vector>

#include "core/AppContext.h"
#include "core/Outcome.h"

namespace zarion::startup {

// What the operator is told while a company opens, in order.
struct OpeningMessages {
    std::vector<std::string> reminders; // information: basic tables still empty
    std::string warning;                // the company's own data is missing
};

// The main window's load: opens the company's payroll and master databases into the context,
// reads the settings flags and the company address, and fills the municipality table from the
// template when it is empty. A database that is missing, damaged or cannot be read is refused
// with a message that names it; the context keeps no database of the company then.
Outcome<OpeningMessages> openCompany(AppContext& context);

// Copies the template's municipalities into an empty opstine; returns how many rows it copied.
int fillMunicipalities(db::Database& payrollDb, db::Database& templateDb);

} // namespace zarion::startup
