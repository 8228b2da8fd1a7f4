#pragma once

#include <string>

namespace zarion::test {

// What a command line tool printed on its standard output (pdftotext, unzip -p).
std::string toolOutput(const std::string& command);

} // namespace zarion::test
