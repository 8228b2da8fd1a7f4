// The history as the operator reads it: every changed column under the words the program's
// windows and payslip give it, the column's name only where there are none.
#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "TextChecks.h"
#include "core/trail/History.h"
#include "maintenance/HistoryReport.h"

namespace zarion::test {
namespace {

// A change and the lines of the history's change column, as the printout and the list show it.
struct Shown {
    const char* sql;
    std::vector<std::string> lines;
};

class HistoryCaptions : public ::testing::TestWithParam<Shown> {};

TEST_P(HistoryCaptions, NameEachChangedColumnByItsCaption) {
    TemplateDatabase db;
    db->execScript("INSERT INTO radnici (id_radnik, Prezime, Ime) VALUES (7, 'Jović', 'Ana');"
                   "INSERT INTO parametri (porez_zarade) VALUES (10);"
                   "INSERT INTO parametri_po_mesecima (id_ppm, MEsec, GODINA, porez_zarade) "
                   "VALUES (1, 3, 2026, 10);");
    const auto before = trail::loadHistory(*db, {}).size();
    db->execScript(GetParam().sql);
    const auto entries = trail::loadHistory(*db, {});
    ASSERT_EQ(entries.size(), before + 1);
    std::vector<std::string> lines;
    for (const auto& line : maintenance::historyLines(entries.back()))
        lines.push_back(line[6]);
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    History, HistoryCaptions,
    ::testing::Values(
        // the rates under the words of their table editor, a month's copy under the same words
        Shown{"UPDATE parametri SET porez_zarade = 12",
              {"Stopa poreza na zarade (%): 10,00 -> 12,00"}},
        Shown{"UPDATE parametri_po_mesecima SET porez_zarade = 11",
              {"Stopa poreza na zarade (%): 10,00 -> 11,00"}},
        // the register under the calculation's words; a name without words stays as it is
        Shown{"UPDATE radnici SET Ime = 'Ana Marija', KOEFICIJENT = 2.5, tip_obracuna = 3",
              {"Ime: Ana -> Ana Marija", "Koeficijent:  -> 2,50", "Tip obračuna:  -> 3"}},
        // a salary's posting under the payslip's words for its gross and net
        Shown{"INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
              "VALUES (7, 3, 2026, 1000000000, 700000000)",
              {"BRUTO ZARADA:  -> 100.000,00", "NETO ZARADA:  -> 70.000,00"}}));

// A caption longer than the printed column goes on over the next rows, its values with it.
TEST(HistoryPrintout, ALongCaptionKeepsItsValues) {
    TemplateDatabase db;
    db->execScript("INSERT INTO parametri (Doprinosi_zo) VALUES (5.15);"
                   "UPDATE parametri SET Doprinosi_zo = 5.5;");
    const report::Document printed =
        maintenance::historyReport({}, {}, "Godina 2026", trail::loadHistory(*db, {}));
    std::string text;
    for (const report::Page& page : printed.pages)
        for (const std::string& piece : page.texts())
            text += piece.empty() ? "" : piece + "\n";
    expectContains(text, {"Stopa doprinosa za zdravstveno osiguranje na\n"
                          "teret zaposlenog (%): 5,15 -> 5,50\n"});
}

} // namespace
} // namespace zarion::test
