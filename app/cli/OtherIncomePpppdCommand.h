#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli ppppd-ostale --firma ID (--nalog N | --vrsta K --mesec M) --sifra SVP [--sati N]
// [--godina G] [--datum GGGG-MM-DD] --xml FAJL [--base FOLDER]: the return of an order of other
// income with its income code and, when the settings keep no fixed fund, the month's fund of
// hours; paid on --datum, else on the order's date. Returns as zarion-cli ppppd does.
int otherIncomePpppdCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
