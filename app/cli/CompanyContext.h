#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "core/AppContext.h"

namespace zarion::cli {

// Opens the company of --firma for the year --godina (default: the clock's year) under the base
// folder --base, else $ZARION_BASE, else ~/tarlen: its payroll database and, when present, its
// master database. False, after saying which file is missing on err, when the company has no
// payroll database for that year.
bool openCompany(const Arguments& args, AppContext& context, std::ostream& err);

} // namespace zarion::cli
