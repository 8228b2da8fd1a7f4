// zarion-cli report prints the compensations and awards the demo base posts.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TempDir.h"
#include "demo/DemoData.h"

namespace zarion::test {
namespace {

TEST(BenefitsCli, EveryPrintoutOfTheDemoMonthHasItsPage) {
    TempDir dir;
    ASSERT_TRUE(demo::createDemoBase(dir.path(), FixedClock({{2026, 3, 16}, 9, 0, 0})));
    for (const char* report :
         {"nz1 --mesec 2", "invalidi-refundacija --mesec 2", "invalidi-spisak --mesec 2",
          "invalidi-rekapitulacija --mesec 2", "invalidi-specifikacija --mesec 2",
          "invalidi-uplatni-racuni --mesec 2", "nagrade-specifikacija", "nagrade --vrsta 1",
          "godisnji-odmori --od 1.2026 --do 2.2026"}) {
        const CliRun run =
            runCommand(std::string("'") + ZARION_CLI + "' report " + report +
                       " --firma 1 --godina 2026 --base " + shellQuoted(dir.path().string()) +
                       " --pdf " + shellQuoted((dir / "out.pdf").string()));
        EXPECT_EQ(run.exitCode, 0) << report << run.err;
        EXPECT_NE(run.out.find("(1 str.)"), std::string::npos) << report << run.out;
    }
    const CliRun missing =
        runCommand(std::string("'") + ZARION_CLI + "' report nz1 --firma 1 --godina 2026 --base " +
                   shellQuoted(dir.path().string()) + " --pdf x.pdf");
    EXPECT_NE(missing.exitCode, 0);
}

} // namespace
} // namespace zarion::test
