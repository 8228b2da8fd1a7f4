#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "core/CalculationKind.h"
#include "core/db/Database.h"
#include "core/trail/Trail.h"

namespace zarion::cli {

// The history names the operator of --operater (else the system user) and "zarion-cli <command>".
void noteCommand(db::Database& payroll, const Arguments& args, const std::string& command);

// A change to the calculations of a filed month needs --razlog TEXT and the access code: the
// password (--sifra) of the operator of --operater in the register under the data root. Nothing,
// with the reason written to err, when the month is filed and they are missing or wrong; otherwise
// the permit to keep alive during the change.
std::optional<trail::Permit> filedMonthPermit(db::Database& payroll,
                                              const std::filesystem::path& dataRoot,
                                              const Arguments& args, CalculationKind kind, int year,
                                              int month, std::ostream& err);

} // namespace zarion::cli
