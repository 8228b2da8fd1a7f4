// zarion-cli report on the demo base with a posted month: the payroll list's printouts.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "FileText.h"
#include "PostedSalaries.h"
#include "TempDir.h"
#include "TextChecks.h"
#include "ToolOutput.h"
#include "core/db/Database.h"
#include "core/startup/Paths.h"
#include "demo/DemoData.h"

namespace zarion::test {
namespace {

class OutputsCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto folder = demo::createDemoBase(dir.path(), FixedClock({{2026, 3, 16}, 9, 0, 0}));
        ASSERT_TRUE(folder);
        const auto payroll = db::Database::open(*folder / "plate.db");
        PostedSalaries seed(*payroll);
        payroll::MonthParameters rates;
        rates.porez_zarade = 10;
        seed.monthRates(2026, 3, rates);
        payroll::SalaryResult salary;
        salary.BRUTO = Currency::parse("90000");
        salary.NETO = Currency::parse("64836.60");
        seed.salary(CalculationKind::Final, 2, 2026, 3, salary);
        salary.NETO = Currency::parse("30000");
        seed.salary(CalculationKind::Advance, 2, 2026, 3, salary);
    }
    int run(const std::string& arguments, const char* word = "report") {
        last = runCommand(shellQuoted(ZARION_CLI) + " " + word + " " + arguments +
                          " --firma 1 --godina 2026 --base " + shellQuoted(dir.path().string()));
        return last.exitCode;
    }
    std::string pdfText(const std::string& name) const {
        return toolOutput("pdftotext -layout '" + (dir / name).string() + "' -");
    }
    const std::string& out() const { return last.out; }
    const std::string& err() const { return last.err; }

    TempDir dir;
    CliRun last;
};

TEST_F(OutputsCli, EveryPrintoutOfTheListComesOutAsPdf) {
    for (const char* report : {"listici", "evidencija", "evidencija2", "spisak-zarada",
                               "spisak-obustava", "specifikacija"}) {
        const std::string pdf = std::string(report) + ".pdf";
        EXPECT_EQ(run(std::string(report) +
                      " --mesec 3 --rj 0 --radnik 2 --datum 2026-04-10 "
                      "--deo 0 --pdf '" +
                      (dir / pdf).string() + "'"),
                  0)
            << report << err();
        // every printout names the employee, the tax by municipality only her municipality's total
        const bool byMunicipality = std::string(report) == "specifikacija";
        EXPECT_NE(pdfText(pdf).find(byMunicipality ? "UKUPNO" : "Šćepanović"), std::string::npos)
            << report;
    }
}

TEST_F(OutputsCli, TheRecapitulationsAndTheJournalComeOutAsPdf) {
    EXPECT_EQ(run("rekapitulacija-nalozi --mesec 3 --pdf '" + (dir / "x.pdf").string() + "'"), 1);
    EXPECT_EQ(err(), "Nema označenih naloga za štampu!\n");
    // the tax goes to the demo's tax account: its order is marked for printing
    db::Database::open(startup::payrollPath(dir / "kontora", 2026, 1))
        ->run("UPDATE obracuni SET porez_na_zaradu = ? WHERE MEsec = 3", Currency::fromUnits(5000));
    // what each printout shows of the month: its net, its gross by accounts, its net's journal
    const std::pair<const char*, const char*> expected[] = {
        {"rekapitulacija", "64.836,60"},        {"rekapitulacija-racuna", "64.836,60"},
        {"rekapitulacija-konta", "90.000"},     {"nalog-knjizenje", "64.836,60"},
        {"rekapitulacija-nalozi", "=5.000,00"},
    };
    for (const auto& [report, text] : expected) {
        const std::string pdf = std::string(report) + ".pdf";
        EXPECT_EQ(run(std::string(report) + " --mesec 3 --datum 2026-04-10 --pdf '" +
                      (dir / pdf).string() + "'"),
                  0)
            << report << err();
        EXPECT_NE(pdfText(pdf).find(text), std::string::npos) << report << pdfText(pdf);
    }
}

TEST_F(OutputsCli, TheJournalIsBookedOnceUnderItsType) {
    EXPECT_EQ(run("--mesec 3", "knjizenje"), 2);
    ASSERT_EQ(run("--mesec 3 --tip 1 --broj 3 --datum 2026-04-10", "knjizenje"), 0) << err();
    EXPECT_NE(out().find("Zavrseno je knjizenje naloga!"), std::string::npos) << out();
    ASSERT_EQ(run("--mesec 3 --tip 1 --broj 3 --datum 2026-04-10", "knjizenje"), 0) << err();
    const auto payroll = db::Database::open(startup::payrollPath(dir / "kontora", 2026, 1));
    // the employee's net on both sides: the month has no tax or contributions
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM Nalogzaknjizenje_opsti WHERE podnalog = 3"), 2);
    EXPECT_EQ(run("--mesec 3 --tip 9 --datum 2026-04-10", "knjizenje"), 1);
    EXPECT_EQ(err(), "Niste izabrali tip naloga za knjizenje!\n");
}

TEST_F(OutputsCli, FirstPartPayslipAndRefusals) {
    ASSERT_EQ(run("listici --mesec 3 --deo 1 --pdf '" + (dir / "prvi.pdf").string() + "'"), 0)
        << err();
    const std::string text = pdfText("prvi.pdf");
    expectContains(text, {"PRVI DEO PLATE", "30.000,00"});

    EXPECT_EQ(run("evidencija --mesec 4 --pdf '" + (dir / "x.pdf").string() + "'"), 1);
    EXPECT_EQ(err(), "Greska kod pronalazenja parametara za izabrani mesec!\n");
    EXPECT_EQ(run("listici --pdf '" + (dir / "x.pdf").string() + "'"), 1);
    EXPECT_EQ(err(), "Nedostaje --mesec MESEC\n");
}

TEST_F(OutputsCli, HealthInsuranceFileAndSpreadsheetOfTheMonth) {
    ASSERT_EQ(run("rzzo --mesec 3 --datum 2026-04-10 --disk G", "fajl"), 0) << err();
    const auto file = dir / "drive" / "G" / "RZZO032026.txt";
    EXPECT_EQ(out(), file.string() + "\n");
    const std::string lines = fileText(file);
    EXPECT_NE(lines.find(";90000.00;0.00;0.00;10.04.2026;1;\r\n"), std::string::npos) << lines;

    ASSERT_EQ(run("excel --mesec 3", "fajl"), 0) << err();
    EXPECT_TRUE(std::filesystem::exists(dir / "IzvozExcel" / "SpisakZarada_3_2026.xlsx"));
    EXPECT_EQ(run("pdf --mesec 3", "fajl"), 2);
}

// February is posted by the demo itself, in two parts, for employees of three banks.
TEST_F(OutputsCli, BankFilesAndTheBankListOfAPostedMonth) {
    const auto direktna = dir / "direktna.txt";
    ASSERT_EQ(run("--banka direktna --mesec 2 --deo 2 --datum 2026-03-10 --out '" +
                      direktna.string() + "'",
                  "banka"),
              0)
        << err();
    const std::string lines = fileText(direktna);
    ASSERT_FALSE(lines.empty());
    std::size_t count = 0;
    for (std::size_t at = 0; at < lines.size(); at += 86, ++count) {
        // 941, the amount in 16, 100326, the name in 30, the account's 13 digits, CR LF
        EXPECT_EQ(lines.substr(at, 19), "0000000000000000941") << lines;
        EXPECT_EQ(lines.substr(at + 35, 6), "100326") << lines;
        EXPECT_EQ(lines.substr(at + 84, 2), "\r\n") << lines;
    }
    EXPECT_GT(count, 1u);

    const auto intesa = dir / "intesa.txt";
    ASSERT_EQ(
        run("--banka intesa --mesec 2 --deo 2 --datum 2026-03-10 --out '" + intesa.string() + "'",
            "banka"),
        0)
        << err();
    EXPECT_NE(fileText(intesa).find(" PLATA ZA\r\n"), std::string::npos);
    EXPECT_EQ(run("--banka unicredit --mesec 2 --out x.txt", "banka"), 2);

    ASSERT_EQ(run("banka --banka komercijalna --mesec 2 --deo 1 --pdf '" +
                  (dir / "banka.pdf").string() + "'"),
              0)
        << err();
    const std::string text = pdfText("banka.pdf");
    expectContains(text,
                   {"Spisak uplaćenih zarada i drugih primanja", "Isplata: 02/2026 - PRVI DEO"});
}

} // namespace
} // namespace zarion::test
