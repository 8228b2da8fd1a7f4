#pragma once

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli operator --login NAME [--password TEXT] [--ime X] [--prezime Y] [--pristup N]
// Adds the operator to the register of the data root, or sets a new password for it.
int operatorCommand(const Arguments& args);

} // namespace zarion::cli
