#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli knjizenje --firma ID --mesec M [--deo 0|1|2] [--rj RJ] --tip T [--broj N]
// [--nalog PREFIKS] [--opis TEKST] [--datum GGGG-MM-DD] [--knjiga 1|2] [--godina GODINA] [--base
// FOLDER]: books the month's journal under the journal type T into the general journal (replacing
// what was booked under T and N before), or with --knjiga 2 into the second ledger. Prints the
// lines booked; 2 on wrong usage, 1 when the company, the month or the posting refuses.
int journalCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
