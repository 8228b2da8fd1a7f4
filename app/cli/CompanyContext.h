#pragma once

#include <memory>
#include <ostream>

#include "cli/Arguments.h"
#include "core/AppContext.h"

namespace zarion::cli {

// The company of --firma for the year of --godina (default: the clock's year) under the base
// folder of --base, else $ZARION_BASE, else ~/tarlen, with its payroll database open and its
// master database when it has one. Null, with the reason written to err, when the company has
// no database that year.
std::unique_ptr<AppContext> openCompany(const Arguments& args, long long companyId,
                                        const Clock& clock, std::ostream& err);

} // namespace zarion::cli
