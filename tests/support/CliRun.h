#pragma once

#include <string>

namespace zarion::test {

// What a run of the built command line program came to.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the command line through the shell with `input` as its standard input (a file, never a
// terminal) and collects what it printed on standard output and standard error.
CliRun runCommand(const std::string& commandLine, const std::string& input = {});

// The text between single quotes for the shell.
std::string shellQuoted(const std::string& text);

} // namespace zarion::test
