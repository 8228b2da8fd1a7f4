#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli banka --firma ID --mesec M [--deo 0|1|2] --banka direktna|komercijalna|intesa
// --out FAJL [--godina GODINA] [--base FOLDER] [--datum GGGG-MM-DD]: writes the mass-payment
// file of the month's net pay for the employees of that bank, dated --datum (today without it).
// Prints the path written; 2 on wrong usage, 1 when the company or the month cannot give it.
int bankCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
