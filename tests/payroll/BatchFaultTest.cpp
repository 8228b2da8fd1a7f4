// A batch run is stored whole or not at all: a full disk, a commit that fails and a second
// writer each stop it with one message and nothing of it posted, while an amount out of range in
// one employee's own rows skips that employee alone.
#include <gtest/gtest.h>

#include "BatchCompany.h"
#include "PayrollFixtures.h"
#include "TemplateDatabase.h"
#include "core/Text.h"
#include "payroll/BatchRun.h"

namespace zarion::test {
namespace {

using namespace payroll;

const std::string nothingPostedWords = "Ni{ta nije proknji`eno."_yu;

class BatchFaultTest : public ::testing::Test {
protected:
    BatchFaultTest() {
        writeSettings(*db, coefficientPricing());
        startMonth(*db, 2026, 3, month2026());
        const auto union_ = addDeduction(*db, "Sindikat", 0, 1);
        for (int i = 0; i < employeeCount; ++i) {
            const auto id = addEmployee(*db, "Radnik" + std::to_string(i), 4);
            assignDeduction(*db, id, union_);
        }
    }

    BatchMonth open() {
        auto opened = BatchMonth::open(*db, nullptr, {2026, 3, CalculationKind::Final});
        if (!opened)
            throw std::runtime_error(opened.message());
        return std::move(opened).value();
    }

    std::int64_t rows(const char* table) {
        return db->scalar(std::string("SELECT count(*) FROM ") + table).value_or(-1);
    }

    // A run that went through none of the way: one message, no employee's, nothing stored.
    void expectNothingOf(const BatchRunReport& report, const std::string& cause) {
        EXPECT_EQ(report.posted, 0);
        EXPECT_TRUE(report.failures.empty());
        EXPECT_NE(report.stopped.find(cause), std::string::npos) << report.stopped;
        EXPECT_NE(report.stopped.find(nothingPostedWords), std::string::npos) << report.stopped;
        EXPECT_EQ(rows("obracuni"), 0);
        EXPECT_EQ(rows("obracun_obustava"), 0);
        EXPECT_FALSE(db->inTransaction());
    }

    static constexpr int employeeCount = 40;
    TemplateDatabase db;
};

TEST_F(BatchFaultTest, AFullDiskHalfWayLeavesNothingAndTheNextRunPostsEveryone) {
    const BatchMonth month = open();
    // room for a few employees' rows only: one page more
    const auto pages = db->scalar("PRAGMA page_count").value_or(0);
    db->execScript("PRAGMA max_page_count = " + std::to_string(pages + 1));
    int reached = 0;
    const BatchRunReport full = calculateAll(month, {}, {}, [&](const BatchProgress& at) {
        reached = at.done;
        return true;
    });
    EXPECT_GT(reached, 1);             // employees were posted before the disk filled …
    EXPECT_LT(reached, employeeCount); // … and the run stopped there
    expectNothingOf(full, "Nema vi{e mesta na disku"_yu);

    db->execScript("PRAGMA max_page_count = 1073741823");
    const BatchRunReport again = calculateAll(month, {}, {}, {});
    EXPECT_TRUE(again.stopped.empty());
    EXPECT_EQ(again.posted, employeeCount);
    EXPECT_EQ(rows("obracuni"), employeeCount);
    EXPECT_EQ(rows("obracun_obustava"), employeeCount);
}

TEST_F(BatchFaultTest, ACommitThatFailsLeavesNothing) {
    const BatchMonth month = open();
    // a reader of another program keeps its lock: the run can write but never commit
    auto reader = db::Database::open(db->path());
    reader->execScript("BEGIN");
    reader->scalar("SELECT count(*) FROM radnici");
    db->setBusyTimeout(50);
    int reached = 0;
    const BatchRunReport report = calculateAll(month, {}, {}, [&](const BatchProgress& at) {
        reached = at.done;
        return true;
    });
    EXPECT_EQ(reached, employeeCount - 1); // every employee went through, then the commit failed
    reader->execScript("COMMIT");
    expectNothingOf(report, "Baza je zauzeta od strane drugog programa"_yu);
}

TEST_F(BatchFaultTest, ASecondWriterGivesOneMessageNotOnePerEmployee) {
    const BatchMonth month = open();
    auto writer = db::Database::open(db->path());
    writer->execScript("BEGIN IMMEDIATE");
    db->setBusyTimeout(20);
    const BatchRunReport report = calculateAll(month, {}, {}, {});
    writer->execScript("ROLLBACK");
    expectNothingOf(report, "Baza je zauzeta od strane drugog programa"_yu);
}

TEST_F(BatchFaultTest, AnAmountOutOfRangeSkipsOnlyItsEmployee) {
    const auto loans = addDeduction(*db, "Banka", 3, 0);
    // a loan of 10^300 for the second employee, a February net of 9 × 10^20 for the third
    assignDeduction(*db, 2, loans, 1e300, 1e300, 1e300);
    db->run("INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, broj_sati, NETO) "
            "VALUES (3, 2, 2026, 160, 9e20)");
    const BatchMonth month = open();
    const BatchRunReport report = calculateAll(month, {}, {}, {});
    EXPECT_TRUE(report.stopped.empty());
    EXPECT_EQ(report.posted, employeeCount - 2);
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].line(), "Radnik1 Radnik: Iznos je prevelik: obracun nije moguc!");
    EXPECT_EQ(report.failures[1].line(), "Radnik2 Radnik: Iznos je prevelik: obracun nije moguc!");
    EXPECT_EQ(db->scalar("SELECT count(*) FROM obracuni WHERE ID_RADNIK IN (2, 3) AND MEsec = 3"),
              0);
}

TEST_F(BatchFaultTest, ARowTheDatabaseRefusesSkipsOnlyItsEmployee) {
    db->execScript("CREATE TRIGGER refuse BEFORE INSERT ON obracuni WHEN NEW.ID_RADNIK = 2 "
                   "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const BatchMonth month = open();
    const BatchRunReport report = calculateAll(month, {}, {}, {});
    EXPECT_TRUE(report.stopped.empty());
    EXPECT_EQ(report.posted, employeeCount - 1);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].id, 2);
    EXPECT_EQ(report.failures[0].reason, "Podatak nije dozvoljen u bazi podataka (ponovljen ili "
                                         "nedozvoljen podatak)!"_yu);
    EXPECT_EQ(rows("obracuni"), employeeCount - 1);
    EXPECT_EQ(rows("obracun_obustava"), employeeCount - 1);
    EXPECT_EQ(db->scalar("SELECT count(*) FROM obracuni WHERE ID_RADNIK = 2"), 0);
    // every employee's deduction belongs to his own row
    EXPECT_EQ(db->scalar("SELECT count(*) FROM obracun_obustava o JOIN obracuni c "
                         "ON c.Id_obracun = o.Id_obracun"),
              employeeCount - 1);
}

} // namespace
} // namespace zarion::test
