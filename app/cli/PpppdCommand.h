#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "outputs/Declaration.h"
#include "outputs/DeclarationChecks.h"

namespace zarion::cli {

// zarion-cli ppppd --firma ID --mesec M [--godina G] [--deo 0|1|2] [--rj ID] --datum GGGG-MM-DD
// --xml FAJL [--olaksice POREZ,PIO,ZO,NEZ] [--base FOLDER]: fills the return from the payroll
// list of the month, payment and unit, prints what the checks find, and writes FAJL (and FAJL
// with "2" before ".xml" when the list holds a 1,000th row). The relief percentages are needed
// only when a new employee with relief is listed. Returns 2 on wrong options, 1 when the list
// cannot be made or the file written, or when the checks found errors (the file is written all
// the same), else 0.
int ppppdCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Prints what the checks find in the filled return and writes it to FAJL: 1 when the file
// cannot be written or the checks found errors (the file is written all the same), else 0.
int checkAndWrite(const outputs::Declaration& declaration, const outputs::DeclarationRates& rates,
                  db::Database& payroll, const Date& today, const std::string& xml,
                  std::ostream& out, std::ostream& err);

} // namespace zarion::cli
