#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace zarion::test {

// Overwrites one page of a database file (numbered from 1, 4096 bytes) with bytes that are no
// page: the file opens, but whatever reads the page finds it damaged.
inline void damagePage(const std::filesystem::path& file, int page) {
    std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
    stream.seekp(static_cast<std::streamoff>(page - 1) * 4096);
    const std::string garbage(4096, '\xA5');
    stream.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

// Takes the write permission from a folder and everything in it, for as long as it lives; the
// process is held to permissions meanwhile even when it runs as root, as an operator is.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path folder_;
};

} // namespace zarion::test
