#include "ToolOutput.h"

#include <array>
#include <cstdio>
#include <memory>

namespace zarion::test {

std::string toolOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe)
        return output;
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), read);
    return output;
}

} // namespace zarion::test
