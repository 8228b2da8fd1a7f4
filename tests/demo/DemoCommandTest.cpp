// zarion-cli demo: the built program makes the demo base with today's past months posted.
#include <chrono>
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TempDir.h"
#include "core/db/Database.h"
#include "core/startup/Paths.h"

namespace zarion::test {
namespace {

namespace fs = std::filesystem;

struct Today {
    int year;
    int month;
};

Today today() {
    const std::chrono::year_month_day day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month()))};
}

CliRun demo(const std::string& arguments) {
    return runCommand(shellQuoted(ZARION_CLI) + " demo " + arguments);
}

// The company database that holds the posted months: this year's, or in January last year's.
std::unique_ptr<db::Database> postedYear(const TempDir& dir, int year) {
    return db::Database::open(startup::payrollPath(dir / "kontora", year, 1));
}

TEST(DemoCommand, PastMonthsArePostedInTwoPartsWithTheirDeductions) {
    const TempDir dir;
    const CliRun made = demo("--base " + shellQuoted(dir.path().string()));
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("Operater: demo, lozinka: demo"), std::string::npos) << made.out;

    const Today now = today();
    const int year = now.month == 1 ? now.year - 1 : now.year;
    const int months = now.month == 1 ? 12 : now.month - 1;
    const auto payroll = postedYear(dir, year);
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM radnici"), 25);
    EXPECT_EQ(payroll->scalar("SELECT na_pola_meseca FROM postavke"), 1);
    // the last employee is on sick leave over 30 days through the last month: compensated, not paid
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM bolovanja_obracuni WHERE GODINA = ? AND "
                              "MEsec = ? AND NETO > 0 AND porodiljsko = 0",
                              year, months),
              1);
    // the second employee is on maternity leave from the first day two months before the last
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM bolovanja_obracuni WHERE GODINA = ? AND "
                              "MEsec = ? AND NETO > 0 AND porodiljsko <> 0",
                              year, months),
              1);
    const int maternityFrom = months > 2 ? months - 2 : 1;
    for (int month = 1; month <= months; ++month) {
        SCOPED_TRACE(month);
        const int salaried = 25 - (month == months ? 1 : 0) - (month >= maternityFrom ? 1 : 0);
        for (const char* table : {"akontacija_obracuni", "obracuni"})
            EXPECT_EQ(payroll->scalar("SELECT count(*) FROM " + std::string(table) +
                                          " WHERE GODINA = ? AND MEsec = ? AND NETO > 0",
                                      year, month),
                      salaried)
                << table;
        // The advance pays about half of the month: less than the final's total, never nothing.
        EXPECT_EQ(payroll->scalar("SELECT count(*) FROM akontacija_obracuni a JOIN obracuni k "
                                  "ON k.ID_RADNIK = a.ID_RADNIK AND k.MEsec = a.MEsec AND "
                                  "k.GODINA = a.GODINA WHERE a.MEsec = ? AND a.NETO < k.NETO",
                                  month),
                  salaried);
        for (const char* table : {"akontacija_obracuni", "obracuni"}) {
            const bool advance = std::string(table) == "akontacija_obracuni";
            // union fees, the mutual fund and loan instalments are withheld in both parts
            EXPECT_EQ(payroll->scalar("SELECT count(DISTINCT d.id_obustava) FROM obracun_obustava "
                                      "d JOIN " +
                                          std::string(table) +
                                          " c ON c.Id_obracun = d.Id_obracun WHERE "
                                          "d.AKONTACIJA = ? AND c.MEsec = ? AND d.Iznos > 0",
                                      advance ? 1 : 0, month),
                      4)
                << table;
        }
    }
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM obracuni WHERE MEsec > ?", months), 0);
    EXPECT_TRUE(fs::exists(startup::companyFolder(dir / "kontora", now.year, 1) / "logo.jpg"));

    // A second run leaves the base as it is.
    const CliRun again = demo("--base " + shellQuoted(dir.path().string()) + " --zaposlenih 3");
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("ostaje kakva jeste"), std::string::npos) << again.out;
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM radnici"), 25);
}

TEST(DemoCommand, CompanyOfTheAskedSize) {
    const TempDir dir;
    const CliRun made = demo("--base " + shellQuoted(dir.path().string()) + " --zaposlenih 50");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const Today now = today();
    const auto payroll = postedYear(dir, now.month == 1 ? now.year - 1 : now.year);
    EXPECT_EQ(payroll->scalar("SELECT count(*) FROM radnici"), 50);
    EXPECT_EQ(payroll->scalar("SELECT count(DISTINCT JMBG) FROM radnici"), 50);
    EXPECT_EQ(payroll->scalar("SELECT count(DISTINCT ID_RADNIK) FROM obracuni"), 50);

    for (const char* count : {"0", "abc", "-5", "10001"}) {
        const TempDir other;
        const CliRun refused =
            demo("--base " + shellQuoted(other.path().string()) + " --zaposlenih " + count);
        EXPECT_EQ(refused.exitCode, 1) << count;
        EXPECT_FALSE(fs::exists(other / "kontora")) << count;
    }
    EXPECT_EQ(demo("").exitCode, 2);
}

} // namespace
} // namespace zarion::test
