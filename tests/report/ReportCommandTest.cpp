// zarion-cli report: the built program writes a company's report to a PDF file.
#include <gtest/gtest.h>
#include <regex>
#include <string>

#include "CliRun.h"
#include "TempDir.h"
#include "TextChecks.h"
#include "ToolOutput.h"
#include "core/db/Database.h"
#include "core/startup/Paths.h"
#include "demo/DemoData.h"

namespace zarion::test {
namespace {

constexpr int DemoYear = 2026;

// The demo base of 2026 with its one company, and the command line run on it.
class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        demo::createDemoBase(dir.path(), FixedClock({{DemoYear, 3, 16}, 9, 0, 0}));
        const auto registerDb = db::Database::open(startup::registerPath(dir / "kontora"));
        companyId = std::to_string(registerDb->scalar("SELECT ID_Firma FROM firme").value_or(0));
    }

    static CliRun run(const std::string& arguments) {
        return runCommand(shellQuoted(ZARION_CLI) + " report " + arguments);
    }
    std::string pdfText(const std::string& name) const {
        return toolOutput("pdftotext -layout '" + (dir / name).string() + "' -");
    }
    std::unique_ptr<db::Database> payroll() const {
        return db::Database::open(
            startup::payrollPath(dir / "kontora", DemoYear, std::stoll(companyId)));
    }
    std::string onDemoCompany(const std::string& report, const std::string& pdf) const {
        return report + " --firma " + companyId + " --godina " + std::to_string(DemoYear) +
               " --base '" + dir.path().string() + "' --pdf '" + (dir / pdf).string() + "'";
    }

    TempDir dir;
    std::string companyId;
};

TEST_F(ReportCommand, SampleListIsTwoPagesUnderTheCompanysHeader) {
    const CliRun result = run(onDemoCompany("uzorak", "uzorak.pdf"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Izvestaj uzorak (2 str.) je zapisan u " + (dir / "uzorak.pdf").string() + "\n");
    const std::string text = pdfText("uzorak.pdf");
    expectContains(text, {"Zarion Demo d.o.o.", "PROBNI SPISAK ZARADA - PROVERA ŠTAMPE",
                          "1.234.567,89", "Strana 2 od 2"});
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);
}

TEST_F(ReportCommand, EmployeeListListsTheRegister) {
    const CliRun result = run(onDemoCompany("ZAPOSLENI", "zaposleni.pdf"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string text = pdfText("zaposleni.pdf");
    expectContains(text, {"Spisak zaposlenih, Sve RJ, Svi tipovi RO", "Prezime i ime"});

    auto first = payroll()->prepare("SELECT prezime, ime FROM radnici WHERE nije_u_ro = 0 "
                                    "ORDER BY rowid LIMIT 1");
    ASSERT_TRUE(first.step());
    EXPECT_NE(text.find(first.text(0) + " " + first.text(1)), std::string::npos) << text;
}

TEST_F(ReportCommand, EmployeeStatementsTakeTheEmployeeAndThePeriodAsked) {
    const CliRun certificate =
        run(onDemoCompany("potvrda", "potvrda.pdf") + " --radnik 2 --od 1.2026 --do 3.2026");
    ASSERT_EQ(certificate.exitCode, 0) << certificate.err;
    const std::string text = pdfText("potvrda.pdf");
    expectContains(text, {"POTVRDA O VISINI ZARADE", "Za period od: 1/2026"});

    const CliRun form = run(onDemoCompany("ppppo", "ppppo.pdf") + " --radnik 2 --datum 2026-02-15");
    ASSERT_EQ(form.exitCode, 0) << form.err;
    EXPECT_NE(pdfText("ppppo.pdf").find("15.02.2026"), std::string::npos) << pdfText("ppppo.pdf");

    const CliRun badPeriod = run(onDemoCompany("potvrda", "x.pdf") + " --radnik 2 --do 13.2026");
    EXPECT_EQ(badPeriod.exitCode, 1);
    EXPECT_NE(badPeriod.err.find("Niste dobro odabrali period!"), std::string::npos);
    const CliRun noEmployee = run(onDemoCompany("ppppo", "x.pdf") + " --radnik 999");
    EXPECT_EQ(noEmployee.exitCode, 1);
    EXPECT_NE(noEmployee.err.find("Greska kod pronalazenja radnika u bazi!"), std::string::npos);
    // The demo posts the months before its day (January and February) only.
    const CliRun nothingWithheld = run(onDemoCompany("nalozi", "x.pdf") + " --mesec 5");
    EXPECT_EQ(nothingWithheld.exitCode, 1);
    EXPECT_NE(nothingWithheld.err.find("Nema obustava - Isplata: 05/2026"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

// Asking what there is answers on standard output and succeeds; wrong usage fails on stderr.
TEST_F(ReportCommand, TheListingAndTheHelpGoToStandardOutput) {
    const CliRun listing = run("");
    EXPECT_EQ(listing.exitCode, 0);
    EXPECT_NE(listing.out.find("\n  listici "), std::string::npos) << listing.out;
    EXPECT_TRUE(listing.err.empty()) << listing.err;

    const CliRun help = runCommand(shellQuoted(ZARION_CLI) + " --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("upotreba: zarion-cli <komanda>"), std::string::npos);
    const CliRun wrong = runCommand(shellQuoted(ZARION_CLI) + " nepoznata");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.out.empty());
    EXPECT_NE(wrong.err.find("upotreba: zarion-cli <komanda>"), std::string::npos);
}

TEST_F(ReportCommand, CreditorListsAndOrdersCoverThePaymentOfTheMonth) {
    {
        const auto db = payroll();
        db->run("INSERT INTO obustaveproc(obustava, Tip, tekuci_Racun, zbirno_placanje, "
                "poziv) VALUES ('Kreditna banka Šabac', 3, '160-5500-11', 1, '97 555')");
        const std::int64_t creditor = db->lastInsertId();
        db->run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj, "
                "Iznos, ukupno_meseci) VALUES (?, 2, ?, ?, 60000, 12)",
                creditor, Date{DemoYear, 1, 1}, Date{DemoYear, 12, 1});
        const std::int64_t loan = db->lastInsertId();
        db->run("INSERT INTO obracuni(ID_RADNIK, GODINA, MEsec, NETO) VALUES (2, ?, 4, ?)",
                DemoYear, Currency::fromUnits(80000));
        db->run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, Iznos, "
                "id_or) VALUES (?, 0, ?, ?, ?)",
                db->lastInsertId(), creditor, Currency::fromUnits(5000), loan);
    }
    const CliRun lists = run(onDemoCompany("kreditori", "kreditori.pdf") + " --mesec 4");
    ASSERT_EQ(lists.exitCode, 0) << lists.err;
    const std::string listText = pdfText("kreditori.pdf");
    expectContains(listText, {"Kreditna banka Šabac", "5.000,00"});

    const CliRun orders = run(onDemoCompany("nalozi", "nalozi.pdf") + " --mesec 4");
    ASSERT_EQ(orders.exitCode, 0) << orders.err;
    const std::string orderText = pdfText("nalozi.pdf");
    expectContains(orderText, {"NALOG ZA PRENOS", "Kreditna banka Šabac", "5.000,00"});

    const CliRun firstPart = run(onDemoCompany("nalozi", "x.pdf") + " --mesec 4 --deo 1");
    EXPECT_EQ(firstPart.exitCode, 1);
    EXPECT_NE(firstPart.err.find("Nema obustava - Isplata: 04/2026 - 1 - PRVI DEO"),
              std::string::npos)
        << firstPart.err;
}

TEST_F(ReportCommand, NetReductionOrdersCarryTheControlNumberInTheReference) {
    const CliRun none = run(onDemoCompany("umanjenja", "x.pdf") + " --mesec 2");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("Nema umanjenja - Isplata: 02/2026"), std::string::npos) << none.err;

    {
        const auto db = payroll();
        const auto employee = db->scalar("SELECT MIN(id_radnik) FROM radnici").value_or(0);
        db->run("UPDATE radnici SET Kontrolni = '42' WHERE id_radnik = ?", employee);
        db->run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, solidarni_porez) "
                "VALUES (?, 2, 2026, ?)",
                employee, Currency::fromUnits(1234));
        db->run("UPDATE parametri3 SET racun_umanjenja = '840-1234-55', "
                "poziv_umanjenja = '2026-'");
    }
    const CliRun orders = run(onDemoCompany("umanjenja", "umanjenja.pdf") + " --mesec 2");
    ASSERT_EQ(orders.exitCode, 0) << orders.err;
    const std::string text = pdfText("umanjenja.pdf");
    expectContains(text, {"Umanjenje NETO 2/2026", "1.234,00", "840-1234-55", "2026-42"});
}

TEST_F(ReportCommand, PaperReturnsSumTheMonthsCalculations) {
    {
        const auto db = payroll();
        // November has nothing posted yet: two salaries of 100000 gross, 28423 of it free of tax,
        // one on the lowest base.
        for (const int kind : {0, 3})
            db->run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, tip_obracuna, BRUTO, "
                    "Oslobodjenje, osnovica_doprinosa, Doprinosi_PIO) "
                    "VALUES (1, 11, 2026, ?, ?, ?, ?, ?)",
                    kind, Currency::fromUnits(100000), Currency::fromUnits(28423),
                    Currency::fromUnits(100000), Currency::fromUnits(14000));
    }
    const CliRun tax = run(onDemoCompany("pp-opj", "pp-opj.pdf") + " --mesec 11");
    ASSERT_EQ(tax.exitCode, 0) << tax.err;
    const std::string taxText = pdfText("pp-opj.pdf");
    expectContains(taxText, {"Obrazac PP OPJ", "O OBRAČUNATOM I PLAĆENOM POREZU NA ZARADE",
                             "Zarion Demo d.o.o.", "108457314", "Uplata za mesec: 11/2026",
                             "200.000", "56.846",
                             // (200000 − 56846) × 10%
                             "14.315"});

    const CliRun contributions = run(onDemoCompany("pp-od", "pp-od.pdf") + " --mesec 11");
    ASSERT_EQ(contributions.exitCode, 0) << contributions.err;
    const std::string text = pdfText("pp-od.pdf");
    expectContains(text, {"Obrazac PP OD", "ISPLATILAC:", "28.000", "840-4848-37"});

    payroll()->run("UPDATE parametri2 SET racun_zo = NULL");
    const CliRun noAccounts = run(onDemoCompany("pp-od", "x.pdf") + " --mesec 11");
    EXPECT_EQ(noAccounts.exitCode, 1);
    EXPECT_NE(noAccounts.err.find("Niste uneli uplatne racune!"), std::string::npos)
        << noAccounts.err;
}

TEST_F(ReportCommand, UnknownReportListsTheKnownOnesAndAMissingCompanyIsNamed) {
    const CliRun unknown = run(onDemoCompany("nepostojeci", "x.pdf"));
    EXPECT_EQ(unknown.exitCode, 2);
    for (const char* report :
         {"uzorak", "zaposleni", "potvrda", "ppppo", "kreditori", "nalozi", "umanjenja"})
        EXPECT_NE(unknown.err.find(std::string("\n  ") + report + " "), std::string::npos)
            << report << unknown.err;

    const CliRun noCompany = run("uzorak --firma 999 --base '" + dir.path().string() +
                                 "' --godina 2026 --pdf '" + (dir / "x.pdf").string() + "'");
    EXPECT_EQ(noCompany.exitCode, 1);
    EXPECT_TRUE(std::regex_search(noCompany.err, std::regex("Ne postoji baza firme 999 u godini "
                                                            "2026: .*G2026/f999/plate.db")))
        << noCompany.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

} // namespace
} // namespace zarion::test
