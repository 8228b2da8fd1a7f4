#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli istorija: the history of changes of the company's year as JSON lines, one entry a
// line, oldest first; --mesec and --radnik narrow it to one month and one employee.
int historyCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
