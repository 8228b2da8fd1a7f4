#include "maintenance/LastYearTakeOver.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/AppContext.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Paths.h"

using namespace zarion;
namespace fs = std::filesystem;

namespace {

class TakeOver : public ::testing::Test {
protected:
    TakeOver() {
        context.DataRoot = dir / "kontora";
        context.WorkYear = 2025;
        context.CompanyId = 3;
        context.PayrollDb = startup::createPayrollTemplate(current());
        auto last = startup::createPayrollTemplate(lastYear());
        last->run("INSERT INTO radnici(Prezime, Ime) VALUES ('Đorđević', 'Ana')");
    }

    fs::path current() const { return startup::payrollPath(context.DataRoot, 2025, 3); }
    fs::path lastYear() const { return startup::payrollPath(context.DataRoot, 2024, 3); }
    std::int64_t employees() {
        return context.PayrollDb->scalar("SELECT count(*) FROM radnici").value_or(-1);
    }
    bool leftoverCopy() const {
        return fs::exists(current().parent_path() / "plate.db.preuzimanje");
    }

    test::TempDir dir;
    FixedClock clock{{{2025, 1, 10}, 8, 0, 0}};
    AppContext context{clock};
};

} // namespace

TEST_F(TakeOver, CopiesLastYearsDatabaseOverTheEmptyOne) {
    const auto result = maintenance::takeOverLastYear(context);
    EXPECT_TRUE(result.copied);
    EXPECT_EQ(result.message, "Baza je kopirana. Program će biti ugašen, pokrenite ga ponovo!");
    ASSERT_TRUE(context.PayrollDb);
    EXPECT_EQ(context.PayrollDb->path(), current());
    EXPECT_EQ(employees(), 1);
    EXPECT_TRUE(fs::exists(lastYear()));
    EXPECT_FALSE(leftoverCopy());
}

TEST_F(TakeOver, RefusedAsSoonAsOneEmployeeOrOneCalculationExists) {
    context.PayrollDb->run("INSERT INTO radnici(Prezime) VALUES ('Petrović')");
    auto result = maintenance::takeOverLastYear(context);
    EXPECT_FALSE(result.copied);
    EXPECT_EQ(result.message, "Baza u tekućoj godini nije prazna! Ne može se uraditi uvoz!");
    EXPECT_EQ(employees(), 1);
    EXPECT_EQ(
        context.PayrollDb->scalar("SELECT count(*) FROM radnici WHERE Prezime = ?", "Petrović"), 1);

    context.PayrollDb->run("DELETE FROM radnici");
    context.PayrollDb->run("INSERT INTO obracuni(ID_RADNIK, GODINA, MEsec) VALUES (0, 2025, 1)");
    result = maintenance::takeOverLastYear(context);
    EXPECT_FALSE(result.copied);
    EXPECT_EQ(result.message, "Baza u tekućoj godini nije prazna! Ne može se uraditi uvoz!");
    EXPECT_EQ(employees(), 0);
}

TEST_F(TakeOver, RefusedWithoutLastYearsDatabase) {
    fs::remove(lastYear());
    const auto result = maintenance::takeOverLastYear(context);
    EXPECT_FALSE(result.copied);
    EXPECT_EQ(result.message, "Ne postoji baza u godini: 2024!");
    ASSERT_TRUE(context.PayrollDb);
    EXPECT_TRUE(fs::exists(current()));
    EXPECT_EQ(employees(), 0);
}

TEST_F(TakeOver, RefusedWhenTheWorkingYearsFileCannotBeReplaced) {
    // The working database lies elsewhere and the working year's place is held by a folder
    // with something in it, which cannot be replaced by a file.
    context.PayrollDb.reset();
    fs::remove(current());
    context.PayrollDb = startup::createPayrollTemplate(dir / "elsewhere" / "plate.db");
    fs::create_directories(current() / "held");

    const auto result = maintenance::takeOverLastYear(context);
    EXPECT_FALSE(result.copied);
    EXPECT_EQ(result.message, "Već postoji baza u godini: 2025!");
    ASSERT_TRUE(context.PayrollDb);
    EXPECT_EQ(context.PayrollDb->path(), dir / "elsewhere" / "plate.db");
    EXPECT_TRUE(fs::is_directory(current() / "held"));
    EXPECT_FALSE(leftoverCopy());
}

TEST_F(TakeOver, CreatesTheWorkingYearsFolderWhenMissing) {
    context.PayrollDb.reset();
    fs::remove_all(current().parent_path());
    context.PayrollDb = startup::createPayrollTemplate(dir / "elsewhere" / "plate.db");

    const auto result = maintenance::takeOverLastYear(context);
    EXPECT_TRUE(result.copied);
    EXPECT_TRUE(fs::is_regular_file(current()));
    EXPECT_EQ(employees(), 1);
}
