// zarion-cli on the demo base with January and February posted: the treasury files, the annual
// return's text files and the printouts of the yearly forms.
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "CliRun.h"
#include "TempDir.h"
#include "XmlSchema.h"
#include "core/db/Database.h"
#include "demo/DemoData.h"

namespace zarion::test {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class AnnualCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        base = new TempDir;
        ASSERT_TRUE(demo::createDemoBase(base->path(), FixedClock({{2026, 3, 16}, 9, 0, 0})));
    }
    static void TearDownTestSuite() {
        delete base;
        base = nullptr;
    }
    CliRun run(const std::string& arguments) const {
        return runCommand(shellQuoted(ZARION_CLI) + " " + arguments +
                          " --firma 1 --godina 2026 --base " + shellQuoted(base->path().string()));
    }

    static TempDir* base;
};
TempDir* AnnualCli::base = nullptr;

TEST_F(AnnualCli, TreasuryFilesOfAMonthPassTheirSchema) {
    const CliRun result = run("trezor --mesec 2 --broj 000123 --redni 3 --datum 2026-03-16");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto folder = std::filesystem::absolute(base->path() / "XML_TREZOR");
    for (const char* kind : {"COM", "PAY"}) {
        const auto file = folder / (std::string("81234_BE_") + kind + "_20260316_000123_03.xml");
        EXPECT_NE(
            result.out.find("XML fajl je generisan u " + folder.string() + "\n" + file.string()),
            std::string::npos)
            << result.out;
        EXPECT_EQ(schemaErrors(ZARION_TREASURY_XSD, readFile(file)), std::vector<std::string>{})
            << kind;
    }
    const auto payroll = db::Database::open(base->path() / "kontora/G2026/f1/plate.db");
    EXPECT_EQ(*payroll->scalar("SELECT sledeci_placanje FROM podaci_ppppd"), 123);

    const CliRun wrong = run("trezor --mesec 2 --broj 12345");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, "Nije dobasr jedinstveni broj. MOra biti šestocifren!\n");
}

// Every employee of the demo was paid in both months and is employed: all in part II.
TEST_F(AnnualCli, ReturnFilesListTheEmployedInPartTwo) {
    const TempDir out;
    const CliRun result = run("ppp --do 2 --out " + shellQuoted(out.path().string()));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Gotovo"), std::string::npos);
    std::istringstream second(readFile(out / "ppp_deo2.txt"));
    std::string first;
    std::getline(second, first);
    int rows = 0;
    for (std::string line; std::getline(second, line); ++rows)
        EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 7) << line;
    EXPECT_GT(rows, 20);
    EXPECT_TRUE(first.ends_with(";" + std::to_string(rows) + "\r")) << first;
    EXPECT_EQ(readFile(out / "ppp_deo3.txt").find('\n'), readFile(out / "ppp_deo3.txt").size() - 1);
}

TEST_F(AnnualCli, PrintoutsOfTheYear) {
    for (const char* report : {"m4k", "ppp --do 2", "trezor-zahtev --mesec 1",
                               "trezor-ministarstvo --mesec 1 --deo 1"}) {
        const TempDir out;
        const CliRun result = run(std::string("report ") + report + " --pdf " +
                                  shellQuoted((out / "r.pdf").string()));
        EXPECT_EQ(result.exitCode, 0) << report << result.err;
        EXPECT_GT(std::filesystem::file_size(out / "r.pdf"), 1000u) << report;
    }
}

} // namespace
} // namespace zarion::test
