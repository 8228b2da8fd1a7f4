#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zarion::test {

// The whole file as it lies on the disk, byte for byte; empty when there is no such file.
inline std::string fileText(const std::filesystem::path& file) {
    std::stringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

} // namespace zarion::test
