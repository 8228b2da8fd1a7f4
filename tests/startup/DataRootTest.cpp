#include <fstream>
#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/startup/Paths.h"

using namespace zarion;
namespace fs = std::filesystem;

namespace {

void writeMarker(const fs::path& base, const std::string& bytes) {
    fs::create_directories(base);
    std::ofstream(base / "KOA.txt", std::ios::binary) << bytes;
}

} // namespace

TEST(DataRoot, OnlyTheLastByteOfTheMarkerCounts) {
    test::TempDir base;
    writeMarker(base.path(), "1112");
    EXPECT_EQ(startup::chooseDataRoot(base.path()), base / "drive" / "Z" / "kontora");
    writeMarker(base.path(), "2221");
    EXPECT_EQ(startup::chooseDataRoot(base.path()), base / "drive" / "Y");
    writeMarker(base.path(), "13");
    EXPECT_EQ(startup::chooseDataRoot(base.path()), base / "kontora");
}

TEST(DataRoot, MissingMarkerIsCreatedEmptyAndTheDefaultRootUsed) {
    test::TempDir base;
    EXPECT_EQ(startup::chooseDataRoot(base.path()), base / "kontora");
    ASSERT_TRUE(fs::exists(base / "KOA.txt"));
    EXPECT_EQ(fs::file_size(base / "KOA.txt"), 0u);
}

TEST(DataRoot, BaseFolderComesFromTheEnvironmentElseHome) {
    EXPECT_EQ(startup::baseFolder("/srv/z", "/home/a"), fs::path("/srv/z"));
    EXPECT_EQ(startup::baseFolder("", "/home/a"), fs::path("/home/a/tarlen"));
    EXPECT_EQ(startup::baseFolder(nullptr, "/home/a"), fs::path("/home/a/tarlen"));
}

TEST(DataRoot, FolderNamesAreFoundWithoutRegardToCase) {
    test::TempDir root;
    fs::create_directories(root / "g2026" / "F3");
    std::ofstream(root / "g2026" / "F3" / "PLATE.DB") << "";
    EXPECT_EQ(startup::payrollPath(root.path(), 2026, 3), root / "g2026" / "F3" / "PLATE.DB");
    EXPECT_EQ(startup::payrollPath(root.path(), 2025, 3), root / "G2025" / "f3" / "plate.db");
}
