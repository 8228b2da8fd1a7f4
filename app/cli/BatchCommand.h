#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli batch --firma N --godina Y --mesec M --deo akontacija|konacni [--base FOLDER]:
// calculates and posts every employee of the company's month not yet posted, as "Obracunaj sve"
// does in the batch window, and prints a JSON summary: how many were posted and who was skipped
// and why. Returns 0 only when the run was stored whole; 1 when nothing could be stored (the
// reason in "error"; so too for a month whose return has been filed, unless --razlog and the
// operator's access code are given), 2 for wrong options.
int batchCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
