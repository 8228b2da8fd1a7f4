#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli report IME --firma ID [--godina GODINA] [--base FOLDER] --pdf FAJL [options of the
// report]: writes the named report of the company's database for that year (default: the
// current year) to a PDF file. The base folder is --base, else $ZARION_BASE, else ~/tarlen.
// Without a known report name it lists the reports with their options and returns 2; 1 when
// the company's database is missing, the report refuses what was asked, or the file cannot be
// written.
int reportCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
