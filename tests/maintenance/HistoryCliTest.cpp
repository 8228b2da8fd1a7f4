// zarion-cli on a filed month: the return's export files the month, the batch refuses it without
// the reason and the access code and runs with both, and the history tells it all as JSON lines.
#include <chrono>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRun.h"
#include "TempDir.h"

namespace zarion::test {
namespace {

// A month the demo base has posted: January of this year, or of last year in January.
int postedYear() {
    const std::chrono::year_month_day day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    const int year = static_cast<int>(day.year());
    return static_cast<unsigned>(day.month()) == 1 ? year - 1 : year;
}

class FiledMonthCli : public ::testing::Test {
protected:
    CliRun cli(const std::string& command, const std::string& options) const {
        return runCommand(shellQuoted(ZARION_CLI) + " " + command + " --base " +
                          shellQuoted(dir.path().string()) + " --firma 1 --godina " +
                          std::to_string(year) + " " + options);
    }
    std::vector<nlohmann::json> history(const std::string& options) const {
        std::istringstream lines(cli("istorija", options).out);
        std::vector<nlohmann::json> entries;
        for (std::string line; std::getline(lines, line);)
            entries.push_back(nlohmann::json::parse(line));
        return entries;
    }

    TempDir dir;
    int year = postedYear();
};

TEST_F(FiledMonthCli, TheBatchOfAFiledMonthTakesTheReasonAndTheAccessCode) {
    ASSERT_EQ(runCommand(shellQuoted(ZARION_CLI) + " demo --zaposlenih 3 --base " +
                         shellQuoted(dir.path().string()))
                  .exitCode,
              0);
    const std::string xml = (dir / "ppppd").string();
    cli("ppppd",
        "--mesec 1 --deo 2 --datum " + std::to_string(year) + "-02-05 --xml " + shellQuoted(xml));
    const std::string batch = "--mesec 1 --deo konacni";
    EXPECT_NE(cli("batch", batch).exitCode, 0);
    EXPECT_NE(cli("batch", batch + " --razlog ispravka").exitCode, 0);
    EXPECT_NE(cli("batch", batch + " --razlog ispravka --operater demo --sifra pogresna").exitCode,
              0);
    EXPECT_NE(cli("batch", batch + " --operater demo --sifra demo").exitCode, 0);
    const CliRun allowed = cli("batch", batch + " --razlog ispravka --operater demo --sifra demo");
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err;
    // a month not filed needs nothing
    EXPECT_EQ(cli("batch", "--mesec 2 --deo konacni").exitCode, 0);

    const auto entries = history("--mesec 1");
    const auto has = [&](const char* kind, const std::string& needle) {
        return std::any_of(entries.begin(), entries.end(), [&](const nlohmann::json& e) {
            return e["vrsta"] == kind && e.dump().find(needle) != std::string::npos;
        });
    };
    EXPECT_TRUE(has("izvoz", "ppppd.xml SHA-256 "));
    EXPECT_TRUE(has("predat_mesec", "\"komanda\":\"zarion-cli ppppd\""));
    EXPECT_FALSE(entries.empty());
    EXPECT_TRUE(history("--mesec 1 --radnik 999").empty());
}

} // namespace
} // namespace zarion::test
