#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace zarion::cli {

// The password of a command that was not given one on its command line, where neither the
// process list nor the shell's history shows it. On a terminal it is asked for twice without
// echo, and two different answers give nothing; otherwise it is the first line of standard
// input (a script's pipe), without its line end. Nothing when the input ends first.
std::optional<std::string> readPassword(std::istream& in, std::ostream& prompt);

} // namespace zarion::cli
