#include "CliRun.h"

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include "FileText.h"
#include "TempDir.h"

namespace zarion::test {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun runCommand(const std::string& commandLine, const std::string& input) {
    const TempDir dir;
    std::ofstream(dir / "in.txt", std::ios::binary) << input;
    const std::string command = commandLine + " < " + shellQuoted((dir / "in.txt").string()) +
                                " > " + shellQuoted((dir / "out.txt").string()) + " 2> " +
                                shellQuoted((dir / "err.txt").string());
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(dir / "out.txt"),
            fileText(dir / "err.txt")};
}

} // namespace zarion::test
