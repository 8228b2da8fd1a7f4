// The month's rates and the settings as read from a payroll database, and the hour fund.
#include <gtest/gtest.h>

#include "PayrollFixtures.h"
#include "TemplateDatabase.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/Settings.h"

namespace zarion::test {
namespace {

using namespace payroll;

TEST(MonthParameters, TheMonthsRowIsRead) {
    TemplateDatabase db;
    db->run("INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade, "
            "iznos_poreskog_oslobojenja, Doprinosi_zo, minimalna_osnovica, cena_Rada, "
            "Naziv_doprinosi_ro, nocni_rad) VALUES (3, 2026, 10, ?, 5.15, ?, ?, 'Komora', 26)",
            din("34221"), din("51297"), din("215.7550"));
    db->run("INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade) VALUES (2, 2026, 12)");
    auto m = loadMonthParameters(*db, 2026, 3);
    ASSERT_TRUE(m.ok()) << m.message();
    EXPECT_EQ(m->porez_zarade, 10);
    EXPECT_EQ(m->iznos_poreskog_oslobojenja, din("34221"));
    EXPECT_EQ(m->Doprinosi_zo, 5.15);
    EXPECT_EQ(m->minimalna_osnovica, din("51297"));
    EXPECT_EQ(m->cena_Rada, din("215.755"));
    EXPECT_EQ(m->Naziv_doprinosi_ro, "Komora");
    EXPECT_EQ(m->nocni_rad, 26);
    EXPECT_EQ(m->Doprinosi_PIO, 0); // null reads as 0
}

TEST(MonthParameters, AMissingMonthGivesTheSystemsMessage) {
    TemplateDatabase db;
    db->run("INSERT INTO parametri_po_mesecima (MEsec, GODINA) VALUES (3, 2025)");
    auto m = loadMonthParameters(*db, 2026, 3);
    ASSERT_FALSE(m.ok());
    EXPECT_EQ(m.message(), "Greska kod pronalazenja parametara za izabrani mesec!");
}

TEST(Settings, AnEmptyTableMeansEverySettingOff) {
    TemplateDatabase db;
    const Settings empty = loadSettings(*db);
    EXPECT_FALSE(empty.coefficientPricing());
    EXPECT_EQ(empty.fiksni_sati, 0);
    db->run("INSERT INTO postavke (nacin_obracuna, fiksni_sati, solidarni_porez, "
            "ukupan_minuli_rad, stimulacije_uredba) VALUES (1, 168, 1, 1, ?)",
            din("1500"));
    const Settings s = loadSettings(*db);
    EXPECT_TRUE(s.coefficientPricing());
    EXPECT_TRUE(s.solidarityTax());
    EXPECT_TRUE(s.seniorityCountsPriorService());
    EXPECT_EQ(s.fiksni_sati, 168);
    EXPECT_EQ(s.stimulacije_uredba, din("1500"));
}

TEST(HourFund, MondayToFridayTimesEightOrTheFixedFund) {
    EXPECT_EQ(hourFund(2026, 3, {}).hours, 176); // 22 working days
    EXPECT_EQ(hourFund(2026, 2, {}).hours, 160); // 20
    EXPECT_EQ(hourFund(2026, 1, {}).hours, 176); // 22, the holidays are not taken off
    EXPECT_EQ(hourFund(2026, 5, {}).proposedRegularHours, 168); // 21
    Settings fixed;
    fixed.fiksni_sati = 174;
    EXPECT_EQ(hourFund(2026, 2, fixed).hours, 174);
    EXPECT_EQ(hourFund(2026, 2, fixed).proposedRegularHours, 174);
}

// The advance pays the month up to the 15th.
TEST(HourFund, TheFirstPartRunsToTheFifteenth) {
    EXPECT_EQ(hourFund(2026, 3, {}).firstPartHours, 80); // 2–6 and 9–13 March
    EXPECT_EQ(hourFund(2026, 5, {}).firstPartHours, 88); // 1, 4–8 and 11–15 May
    Settings fixed;
    fixed.fiksni_sati = 174;
    EXPECT_EQ(hourFund(2026, 2, fixed).firstPartHours, 87); // 10 of 20 days
    fixed.fiksni_sati = 170;
    EXPECT_EQ(hourFund(2026, 3, fixed).firstPartHours, 77); // 10 of 22 days: 77.27
}

} // namespace
} // namespace zarion::test
