#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace zarion::cli {

// zarion-cli fajl rzzo|excel --firma ID --mesec M [--deo 0|1|2] [--rj RJ] [--godina GODINA]
// [--base FOLDER] [--datum GGGG-MM-DD] [--disk X] [--odvojena RJ]: writes a file of the month's
// payroll list: the health-insurance fund's file on the drive --disk (default F) with the unit
// --odvojena in a file of its own, or the list's spreadsheet in IzvozExcel. Prints the paths
// written; 2 for an unknown file, 1 when the company or the month cannot give it.
int fileCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
