#pragma once

#include <string>
#include <vector>

#include "core/AppContext.h"

namespace zarion::startup {

// What the operator is told while a company opens, in order.
struct OpeningMessages {
    std::vector<std::string> reminders; // information: basic tables still empty
    std::string warning;                // the company's own data is missing
};

// The main window's load: opens the company's payroll and master databases into the context,
// reads the settings flags and the company address, and fills the municipality table from the
// template when it is empty. Throws db::Error when a database cannot be opened.
OpeningMessages openCompany(AppContext& context);

// Copies the template's municipalities into an empty opstine; returns how many rows it copied.
int fillMunicipalities(db::Database& payrollDb, db::Database& templateDb);

} // namespace zarion::startup
