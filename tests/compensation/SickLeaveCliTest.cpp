// zarion-cli on the demo base: the sick-leave list's printouts, the compensations' bank list and
// the PPP-PD return of the month the demo posts a sick leave over 30 days in.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TempDir.h"
#include "ToolOutput.h"
#include "core/db/Database.h"
#include "demo/DemoData.h"

namespace zarion::test {
namespace {

// Made on 16 March 2026: January and February posted, the last employee on sick leave from
// 10 January and compensated in February.
class SickLeaveCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto folder = demo::createDemoBase(dir.path(), FixedClock({{2026, 3, 16}, 9, 0, 0}));
        ASSERT_TRUE(folder);
        const auto payroll = db::Database::open(*folder / "plate.db");
        db::Statement st = payroll->prepare(
            "SELECT r.Prezime || ' ' || r.Ime, substr(b.tekuci_Racun, 1, 3) FROM "
            "bolovanja_obracuni o JOIN radnici r ON r.id_radnik = o.ID_RADNIK "
            "JOIN banke b ON b.ID_BAnka = r.ID_BAnka WHERE o.MEsec = 2 AND o.porodiljsko = 0");
        ASSERT_TRUE(st.step());
        name = st.text(0);
        bank = st.text(1) == "150" ? "direktna" : st.text(1) == "205" ? "komercijalna" : "intesa";
    }
    CliRun run(const std::string& arguments) const {
        return runCommand(shellQuoted(ZARION_CLI) + " " + arguments +
                          " --firma 1 --godina 2026 --mesec 2 --base " +
                          shellQuoted(dir.path().string()));
    }
    std::string pdf(const std::string& report, const std::string& options = {}) const {
        const std::string file = (dir / (report + ".pdf")).string();
        const CliRun made = run("report " + report + options + " --pdf " + shellQuoted(file));
        EXPECT_EQ(made.exitCode, 0) << report << made.err;
        return toolOutput("pdftotext -layout " + shellQuoted(file) + " -");
    }

    TempDir dir;
    std::string name;
    std::string bank;
};

TEST_F(SickLeaveCli, PrintsTheListAndPaysAndDeclaresTheCompensation) {
    const std::string record = pdf("bolovanje-evidencija");
    EXPECT_NE(record.find("Radnici koji se nalaze na bolovanju preko 30 dana"), std::string::npos);
    EXPECT_NE(record.find(name), std::string::npos) << record;
    for (const char* report : {"bolovanje-isplata", "bolovanje-listici", "bolovanje-specifikacija",
                               "bolovanje-rekapitulacija"})
        EXPECT_FALSE(pdf(report).empty()) << report;
    EXPECT_NE(pdf("bolovanje-uplatni-racuni").find("NETO zarade "), std::string::npos);
    const std::string banks = pdf("naknade-banka", " --banka " + bank);
    EXPECT_NE(banks.find("Isplata: 02/2026 - Bolovanje preko 30 dana"), std::string::npos) << banks;

    const std::string xml = (dir / "ppppd.xml").string();
    const CliRun declared = run("ppppd --bolovanje 1 --datum 2026-03-05 --xml " + shellQuoted(xml));
    EXPECT_EQ(declared.exitCode, 0) << declared.out << declared.err;
    EXPECT_NE(declared.out.find("Kontrola prijave: bez primedbi"), std::string::npos);
    EXPECT_NE(toolOutput("cat " + shellQuoted(xml)).find("101204000"), std::string::npos);
}

} // namespace
} // namespace zarion::test
