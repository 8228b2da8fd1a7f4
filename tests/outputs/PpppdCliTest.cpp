// zarion-cli ppppd on the demo base with March calculated by the batch run: the return of the
// payroll list, valid under the schema, with its check list.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "FileText.h"
#include "TempDir.h"
#include "XmlSchema.h"
#include "core/db/Database.h"
#include "demo/DemoData.h"
#include "parameters/CalculationMonth.h"
#include "payroll/BatchRun.h"

namespace zarion::test {
namespace {

class PpppdCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto folder = demo::createDemoBase(dir.path(), FixedClock({{2026, 3, 16}, 9, 0, 0}));
        ASSERT_TRUE(folder);
        company = *folder;
        const auto payroll = db::Database::open(company / "plate.db");
        parameters::startCalculationMonth(*payroll, 3, 2026);
        const auto month =
            payroll::BatchMonth::open(*payroll, nullptr, {2026, 3, CalculationKind::Final});
        ASSERT_TRUE(month) << month.message();
        const auto report = payroll::calculateAll(*month, {}, {}, {});
        ASSERT_GT(report.posted, 0);
        ASSERT_TRUE(report.failures.empty()) << report.failures.front().line();
        employees = report.posted;
    }
    int run(const std::string& arguments) {
        last = runCommand(shellQuoted(ZARION_CLI) + " ppppd " + arguments +
                          " --firma 1 --godina 2026 --base " + shellQuoted(dir.path().string()));
        return last.exitCode;
    }
    const std::string& out() const { return last.out; }
    const std::string& err() const { return last.err; }

    TempDir dir;
    CliRun last;
    std::filesystem::path company;
    int employees = 0;
};

TEST_F(PpppdCli, DemoReturnIsValidAndPassesItsChecks) {
    const auto xml = dir / "mart.xml";
    ASSERT_EQ(run("--mesec 3 --deo 0 --datum 2026-04-10 --xml '" + xml.string() + "'"), 0)
        << out() << err();
    const std::string text = fileText(xml);
    EXPECT_EQ(schemaErrors(ZARION_PPPPD_XSD, text), std::vector<std::string>{});
    EXPECT_NE(text.find("<ns1:ObracunskiPeriod>2026-03</ns1:ObracunskiPeriod>\r\n"
                        "<ns1:OznakaZaKonacnu>K</ns1:OznakaZaKonacnu>\r\n"
                        "<ns1:DatumPlacanja>2026-04-10</ns1:DatumPlacanja>"),
              std::string::npos);
    EXPECT_NE(text.find("<ns1:RedniBroj>" + std::to_string(employees) + "</ns1:RedniBroj>"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "mart2.xml"));
    EXPECT_NE(out().find("Zavrsen je izvoz u XML fajl!\n" + xml.string()), std::string::npos)
        << out();
    EXPECT_EQ(out().find("GREŠKA"), std::string::npos) << out();
}

TEST_F(PpppdCli, ErrorsAreListedAndEndTheCommandWithFailure) {
    const auto payroll = db::Database::open(company / "plate.db");
    payroll->run("UPDATE radnici SET JMBG = '0101990710009' WHERE id_radnik = "
                 "(SELECT MIN(ID_RADNIK) FROM obracuni)");
    const auto xml = dir / "mart.xml";
    EXPECT_EQ(run("--mesec 3 --datum 2026-04-10 --xml '" + xml.string() + "'"), 1);
    EXPECT_NE(out().find("GREŠKA: JMBG (0101990710009) nema ispravnu kontrolnu cifru"),
              std::string::npos)
        << out();
    EXPECT_TRUE(std::filesystem::exists(xml));
    EXPECT_EQ(run("--mesec 3 --xml '" + xml.string() + "'"), 2); // no payment date
    EXPECT_EQ(run("--mesec 4 --datum 2026-04-10 --xml '" + xml.string() + "'"), 1);
    EXPECT_EQ(err(), "Greska kod pronalazenja parametara za izabrani mesec!\n");
}

} // namespace
} // namespace zarion::test
