#pragma once

#include <iosfwd>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli demo --base FOLDER [--zaposlenih N]: makes under the folder the demo base that
// `zarion --demo` makes, with today's months posted, and with N employees when asked. A
// folder that holds a base already is left as it is.
int demoCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
