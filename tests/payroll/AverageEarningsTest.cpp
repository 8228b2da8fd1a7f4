// Average earnings over a period, a second company beside it, and the printed review.
#include "payroll/AverageEarnings.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "PayrollFixtures.h"
#include "TempDir.h"
#include "TemplateDatabase.h"
#include "Templates.h"
#include "core/startup/Paths.h"
#include "payroll/AverageReport.h"

using namespace zarion;
using namespace zarion::payroll;
using zarion::test::din;

namespace {

void addFinal(db::Database& db, int year, int month, const char* gross, const char* net) {
    db.run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, BRUTO, NETO) VALUES (1, ?, ?, ?, ?)",
           month, year, din(gross), din(net));
}

const AveragePeriod novemberToFebruary{11, 2025, 2, 2026};

bool printed(const report::Document& document, const std::string& text) {
    return std::any_of(document.pages.begin(), document.pages.end(),
                       [&](const report::Page& page) { return page.findText(text) != nullptr; });
}

TEST(AverageEarnings, MonthsAcrossTheYearBoundaryInOrderWithTotalsAndAverages) {
    test::TemplateDatabase db;
    addFinal(*db, 2026, 2, "100000", "70000");
    addFinal(*db, 2025, 11, "90000", "63000");
    addFinal(*db, 2025, 11, "80000", "56000.01");
    addFinal(*db, 2025, 10, "1", "1"); // before the period
    addFinal(*db, 2026, 3, "1", "1");  // after it
    const AverageTable table = loadAverageTable(*db, novemberToFebruary);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(monthText(table.rows[0]), "11/2025");
    EXPECT_EQ(table.rows[0].employees, 2);
    EXPECT_EQ(table.rows[0].gross, din("170000"));
    EXPECT_EQ(monthText(table.rows[1]), "2/2026");
    EXPECT_EQ(table.employees, 3);
    EXPECT_EQ(table.net, din("189000.01"));
    ASSERT_TRUE(table.averages);
    EXPECT_EQ(table.averages->gross, din("90000"));
    EXPECT_EQ(table.averages->net, din("63000")); // 63,000.0033 to 2 decimals
}

TEST(AverageEarnings, APeriodWithoutFinalCalculationsHasNoAverages) {
    test::TemplateDatabase db;
    db->run("INSERT INTO akontacija_obracuni(ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
            "VALUES (1, 12, 2025, 5000, 3500)");
    const AverageTable table = loadAverageTable(*db, novemberToFebruary);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_EQ(table.employees, 0);
    EXPECT_FALSE(table.averages);
    EXPECT_FALSE(commonAverages(table, table));
    EXPECT_FALSE(noCalculationsInPeriod().empty());

    const report::Document review = averageEarningsReview({}, {}, novemberToFebruary, table, {});
    EXPECT_TRUE(printed(review, "UKUPNO:"));
    EXPECT_FALSE(printed(review, "PROSEČNO:"));
}

TEST(AverageEarnings, SecondCompanyFromItsOwnDatabaseWithACommonAverage) {
    test::TempDir root;
    const auto folder = startup::companyFolder(root.path(), 2026, 7);
    std::filesystem::create_directories(folder);
    {
        auto other = test::makeTemplateDatabase(folder / "plate.db");
        db::Transaction tx(*other);
        addFinal(*other, 2026, 1, "60000", "42000");
        tx.commit();
        auto master = db::Database::create(folder / "backtarlen.db");
        master->execScript(schema::masterDataSql());
        master->run("INSERT INTO podaci(Naziv) VALUES ('Druga firma d.o.o.')");
    }
    const auto second = loadOtherCompanyTable(root.path(), 2026, 7, novemberToFebruary);
    ASSERT_TRUE(second) << second.message();
    EXPECT_EQ(second->title, "Druga firma d.o.o.");
    EXPECT_EQ(second->employees, 1);

    test::TemplateDatabase db;
    addFinal(*db, 2026, 2, "120000", "84000");
    const AverageTable first = loadAverageTable(*db, novemberToFebruary);
    const auto common = commonAverages(first, *second);
    ASSERT_TRUE(common);
    EXPECT_EQ(common->gross, din("90000"));
    EXPECT_EQ(common->net, din("63000"));

    const report::Document review =
        averageEarningsReview({}, {}, novemberToFebruary, first, *second);
    EXPECT_EQ(review.title, "Pregled prosečnih zarada");
    for (const char* text :
         {"MESEC", "Broj zaposlenih", "Ukupno BRUTO", "Ukupno NETO", "2/2026", "1/2026",
          "Druga firma d.o.o.", "PROSEČNO:", "PROSEČNO ZA OBE TABELE:"})
        EXPECT_TRUE(printed(review, text)) << text;

    EXPECT_FALSE(loadOtherCompanyTable(root.path(), 2026, 8, novemberToFebruary));
}

} // namespace
