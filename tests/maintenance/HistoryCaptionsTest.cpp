// The printed history names every changed column by its caption and carries a change longer
// than its column on over the next rows.
#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "TextChecks.h"
#include "maintenance/HistoryReport.h"

namespace zarion::test {
namespace {

// A change and the rows of the change column it prints.
struct Shown {
    const char* sql;
    const char* rows;
};

class HistoryCaptions : public ::testing::TestWithParam<Shown> {};

TEST_P(HistoryCaptions, NameEachChangedColumnByItsCaption) {
    TemplateDatabase db;
    db->execScript("INSERT INTO radnici (id_radnik, Prezime, Ime) VALUES (7, 'Jović', 'Ana');"
                   "INSERT INTO parametri (Doprinosi_zo) VALUES (5.15);"
                   "INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade) "
                   "VALUES (3, 2026, 10);");
    db->execScript(GetParam().sql);
    std::string text;
    for (const report::Page& page :
         maintenance::historyReport({}, {}, "", trail::loadHistory(*db, {})).pages)
        for (const std::string& piece : page.texts())
            text += piece.empty() ? "" : piece + "\n";
    expectContains(text, {GetParam().rows});
}

INSTANTIATE_TEST_SUITE_P(
    History, HistoryCaptions,
    ::testing::Values(
        // the rates under the words of their table editor, a month's copy under the same words
        Shown{"UPDATE parametri SET Doprinosi_zo = 5.5",
              "Stopa doprinosa za zdravstveno osiguranje na\n"
              "teret zaposlenog (%): 5,15 -> 5,50\n"},
        Shown{"UPDATE parametri_po_mesecima SET porez_zarade = 11",
              "Stopa poreza na zarade (%): 10,00 -> 11,00\n"},
        // the register under the words of its window, else the calculation's
        Shown{"UPDATE radnici SET Ime = 'Ana Marija', KOEFICIJENT = 2.5, licna_karta = '0123'",
              "Ime: Ana -> Ana Marija\nLična karta: -> 0123\nKoeficijent: -> 2,50\n"},
        // a salary's posting under the payslip's words for its gross and net, the kind of
        // change and its table going on over the next row
        Shown{"INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
              "VALUES (7, 3, 2026, 1000000000, 700000000)",
              "Knjiženje obračuna,\n7 Jović Ana\n03/2026\nBRUTO ZARADA: -> 100.000,00\n"
              "Konačni obračun zarade\nNETO ZARADA: -> 70.000,00\n"}));

} // namespace
} // namespace zarion::test
