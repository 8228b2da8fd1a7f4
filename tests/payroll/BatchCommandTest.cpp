// zarion-cli batch: the built program calculates and posts a company's month as "Obracunaj sve"
// does, and answers in JSON; its exit status says whether the month was stored whole.
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

#include "BatchCompany.h"
#include "FileFaults.h"
#include "PayrollFixtures.h"
#include "TempDir.h"
#include "core/Text.h"
#include "core/startup/CompanyRegister.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Paths.h"

namespace zarion::test {
namespace {

using nlohmann::json;

struct CliRun {
    int exitCode;
    std::string out;
    json answer() const { return json::parse(out); }
};

// A data root with one company of three employees whose March 2026 is open; the second one's
// loan is out of the money range.
class BatchCommand : public ::testing::Test {
protected:
    BatchCommand() {
        startup::prepareDataRoot(dataRoot());
        startup::createCompany(*db::Database::open(startup::registerPath(dataRoot())), dataRoot(),
                               2026, "Firma", "Grad");
        auto db = company();
        writeSettings(*db, coefficientPricing());
        startMonth(*db, 2026, 3, month2026());
        for (const char* name : {"Antic", "Babic", "Cvetic"})
            addEmployee(*db, name, 4);
        assignDeduction(*db, 2, addDeduction(*db, "Banka", 3, 0), 1e300, 1e300, 1e300);
    }

    std::filesystem::path dataRoot() const { return base.path() / "kontora"; }
    std::filesystem::path payroll() const { return startup::payrollPath(dataRoot(), 2026, 1); }
    std::unique_ptr<db::Database> company() const { return db::Database::open(payroll()); }
    std::int64_t posted() const {
        return company()->scalar("SELECT count(*) FROM obracuni").value_or(-1);
    }

    CliRun run(const std::string& options) const {
        const std::string command = std::string("'") + ZARION_CLI + "' batch --base '" +
                                    base.path().string() + "' " + options + " > '" +
                                    (base.path() / "out.json").string() + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        std::stringstream out;
        out << std::ifstream(base.path() / "out.json").rdbuf();
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.str()};
    }

    TempDir base;
};

const char* const finalOfMarch = "--firma 1 --godina 2026 --mesec 3 --deo konacni";

TEST_F(BatchCommand, PostsTheMonthAndListsWhoWasSkippedAndWhy) {
    const CliRun first = run(finalOfMarch);
    ASSERT_EQ(first.exitCode, 0) << first.out;
    EXPECT_EQ(first.answer(),
              json::parse(R"({"proknjizeno": 2, "preskoceno": [{"radnik": 2, "ime": "Babic Radnik",
                  "razlog": "Iznos je prevelik: obracun nije moguc!"}], "obustave": []})"));
    EXPECT_EQ(posted(), 2);

    // a second run finds only the one still to be calculated, and posts nothing again
    const CliRun second = run(finalOfMarch);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.answer()["proknjizeno"], 0);
    EXPECT_EQ(posted(), 2);

    // the advance is a run of its own
    const CliRun advance = run("--firma 1 --godina 2026 --mesec 3 --deo akontacija");
    EXPECT_EQ(advance.exitCode, 0);
    EXPECT_EQ(advance.answer()["proknjizeno"], 2);
}

TEST_F(BatchCommand, AMonthThatCannotBeStoredWholeStoresNothingAndFails) {
    // a reader of another program keeps its lock until after the run: the commit cannot be made
    auto reader = company();
    reader->execScript("BEGIN");
    reader->scalar("SELECT count(*) FROM radnici");
    const CliRun locked = run(finalOfMarch);
    reader->execScript("COMMIT");
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.answer()["error"],
              "Baza je zauzeta od strane drugog programa! Poku{ajte ponovo kada drugi program "
              "zavr{i rad sa bazom. Ni{ta nije proknji`eno."_yu);
    EXPECT_EQ(posted(), 0);

    damagePage(payroll(), 3);
    const CliRun damaged = run(finalOfMarch);
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.answer()["error"].get<std::string>().find(payroll().string()),
              std::string::npos);
}

TEST_F(BatchCommand, WrongOptionsAreRefusedWithTheUsage) {
    for (const char* options :
         {"--firma 1 --godina 2026 --mesec 13 --deo konacni",
          "--firma 1 --godina 2026 --mesec 3 --deo sve", "--firma x --godina 2026 --mesec 3",
          "--firma 1 --godina 1999 --mesec 3 --deo konacni"})
        EXPECT_EQ(run(options).exitCode, 2) << options;
    EXPECT_EQ(run("--firma 1 --godina 2026 --mesec 4 --deo konacni").answer()["error"],
              "Greska kod pronalazenja parametara za izabrani mesec!");
    EXPECT_EQ(posted(), 0);
}

} // namespace
} // namespace zarion::test
