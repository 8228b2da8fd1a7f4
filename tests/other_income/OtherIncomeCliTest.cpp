// zarion-cli report on the demo base: the printouts of its other-income orders.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TempDir.h"
#include "ToolOutput.h"
#include "demo/DemoData.h"

namespace zarion::test {
namespace {

class OtherIncomeCli : public ::testing::Test {
protected:
    void SetUp() override {
        // posted through February, the demo's other income paid on 20 February
        ASSERT_TRUE(demo::createDemoBase(dir.path(), FixedClock({{2026, 3, 16}, 9, 0, 0})));
    }
    CliRun report(const std::string& arguments) const {
        return runCommand(shellQuoted(ZARION_CLI) + " report " + arguments +
                          " --firma 1 --godina 2026 --base " + shellQuoted(dir.path().string()) +
                          " --pdf " + shellQuoted((dir / "out.pdf").string()));
    }
    std::string pdfText() const {
        return toolOutput("pdftotext -layout " + shellQuoted((dir / "out.pdf").string()) + " -");
    }

    TempDir dir;
};

TEST_F(OtherIncomeCli, EveryPrintoutOfAnOrderComesOutAsPdf) {
    const std::pair<const char*, const char*> reports[] = {
        {"ostale-spisak --vrsta 6 --mesec 2", "SPISAK ZA ISPLATU OSTALIH ZARADA"},
        {"ostale-doprinosi --vrsta 4 --mesec 2 --datum 2026-02-21", "Datum isplate: 21.02.2026"},
        {"ostale-poreska --vrsta 9 --mesec 2", "PORESKA PRIJAVA"},
        {"ostale-specifikacija --nalog 4", "SPECIFIKACIJA UZ PORESKU PRIJAVU"},
        {"ostale-uplatni-racuni --vrsta 6 --mesec 2", "NETO zarade Banca Intesa"},
    };
    for (const auto& [arguments, text] : reports) {
        const CliRun run = report(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments << run.err;
        EXPECT_NE(pdfText().find(text), std::string::npos) << arguments;
    }
    const CliRun missing = report("ostale-spisak --vrsta 6 --mesec 1");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("Nema naloga te vrste za izabrani mesec"), std::string::npos);
}

TEST_F(OtherIncomeCli, TheAdvanceIsDeclaredWithoutTheFinalMark) {
    const std::string xml = (dir / "akontacija.xml").string();
    const CliRun run = runCommand(shellQuoted(ZARION_CLI) +
                                  " ppppd-ostale --firma 1 --godina 2026 --vrsta 99 --mesec 2 "
                                  "--sifra 101101000 --sati 160 --base " +
                                  shellQuoted(dir.path().string()) + " --xml " + shellQuoted(xml));
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::string text = toolOutput("cat " + shellQuoted(xml));
    EXPECT_EQ(text.find("OznakaZaKonacnu"), std::string::npos);
    EXPECT_NE(text.find("<ns1:SVP>101101000</ns1:SVP>"), std::string::npos);
    EXPECT_NE(text.find("<ns1:MesecniFondSati>160</ns1:MesecniFondSati>"), std::string::npos);
    EXPECT_NE(text.find("<ns1:Bruto>40000</ns1:Bruto>"), std::string::npos);
}

} // namespace
} // namespace zarion::test
