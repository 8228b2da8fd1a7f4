// Starting a month (the copy of the current rates), the chooser's proposal and the month rows.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TemplateDatabase.h"
#include "core/Currency.h"
#include "parameters/CalculationMonth.h"
#include "parameters/MonthRows.h"

using namespace zarion;
using namespace zarion::parameters;

namespace {

class MonthParametersTest : public ::testing::Test {
protected:
    test::TemplateDatabase db;

    void setCurrentRates() {
        db->run(
            "INSERT INTO parametri(porez_zarade, iznos_poreskog_oslobojenja, Doprinosi_PIO, "
            "Doprinosi_zo, doprinosi_nezaposlenost, Doprinosi_PIO_F, Doprinosi_zo_F, "
            "doprinosi_nezaposlenost_f, doprinosi_ro, Naziv_doprinosi_ro, cena_Rada, "
            "minuli_rad, regres) VALUES (10, ?, 14, 5.15, 0.75, 10, 5.15, 0, 1.5, ?, ?, 0.4, ?)",
            Currency::parse("25000"), "Doprinos komori", Currency::parse("1234.5678"),
            Currency::parse("3000"));
    }
    std::int64_t monthRows() { return *db->scalar("SELECT count(*) FROM parametri_po_mesecima"); }
    void addMonth(int month, int year, double pio, double pioF) {
        db->run("INSERT INTO parametri_po_mesecima(MEsec, GODINA, Doprinosi_PIO, Doprinosi_zo, "
                "doprinosi_nezaposlenost, Doprinosi_PIO_F, Doprinosi_zo_F, "
                "doprinosi_nezaposlenost_f) VALUES (?, ?, ?, 6, 1, ?, 7, 2)",
                month, year, pio, pioF);
    }
    double employerPension(int month, int year) {
        db::Statement row = db->prepare("SELECT Doprinosi_PIO_F, Doprinosi_zo_F, "
                                        "doprinosi_nezaposlenost_f FROM parametri_po_mesecima "
                                        "WHERE MEsec = ? AND GODINA = ?");
        row.bindAll(month, year);
        return row.step() ? row.number(0) * 100 + row.number(1) * 10 + row.number(2) : -1;
    }
};

TEST(MonthProposal, AdvanceUpToTheFifteenthFinalFromTheSixteenth) {
    const MonthProposal fifteenth = proposeCalculationMonth({2024, 3, 15}, true);
    EXPECT_EQ(fifteenth.month, 3);
    EXPECT_EQ(fifteenth.year, 2024);
    EXPECT_FALSE(fifteenth.final);
    EXPECT_TRUE(fifteenth.kindChoosable);
    EXPECT_TRUE(proposeCalculationMonth({2024, 3, 16}, true).final);
    EXPECT_FALSE(proposeCalculationMonth({2024, 12, 1}, true).final);
}

TEST(MonthProposal, AMonthPaidAtOnceIsAlwaysFinal) {
    for (int day : {1, 15, 16, 31}) {
        const MonthProposal proposal = proposeCalculationMonth({2024, 1, day}, false);
        EXPECT_TRUE(proposal.final) << day;
        EXPECT_FALSE(proposal.kindChoosable) << day;
    }
}

TEST_F(MonthParametersTest, PaidInTwoPartsFollowsTheSettings) {
    EXPECT_FALSE(paidInTwoParts(*db));
    db->run("INSERT INTO postavke(na_pola_meseca) VALUES (0)");
    EXPECT_FALSE(paidInTwoParts(*db));
    db->run("UPDATE postavke SET na_pola_meseca = 1");
    EXPECT_TRUE(paidInTwoParts(*db));
}

TEST_F(MonthParametersTest, TheFirstStartCopiesEveryColumnAtItsPlace) {
    setCurrentRates();
    EXPECT_EQ(startCalculationMonth(*db, 5, 2024).outcome, MonthStart::Outcome::Copied);
    ASSERT_EQ(monthRows(), 1);
    db::Statement month = db->prepare("SELECT * FROM parametri_po_mesecima");
    db::Statement current = db->prepare("SELECT * FROM parametri");
    ASSERT_TRUE(month.step());
    ASSERT_TRUE(current.step());
    EXPECT_EQ(month.integer("MEsec"), 5);
    EXPECT_EQ(month.integer("GODINA"), 2024);
    const int leading = 3; // id_ppm, MEsec, GODINA
    ASSERT_EQ(month.columnCount(), current.columnCount() + leading);
    for (int k = 0; k < current.columnCount(); ++k) {
        EXPECT_EQ(month.columnName(k + leading), current.columnName(k));
        EXPECT_EQ(month.isNull(k + leading), current.isNull(k)) << k;
        EXPECT_EQ(month.text(k + leading), current.text(k)) << k;
    }
    EXPECT_EQ(month.money("cena_Rada"), Currency::parse("1234.5678"));
}

TEST_F(MonthParametersTest, ALaterStartKeepsTheMonthAndNamesEachChangedColumn) {
    setCurrentRates();
    ASSERT_EQ(startCalculationMonth(*db, 5, 2024).outcome, MonthStart::Outcome::Copied);

    const MonthStart unchanged = startCalculationMonth(*db, 5, 2024);
    EXPECT_EQ(unchanged.outcome, MonthStart::Outcome::AlreadyStarted);
    EXPECT_TRUE(unchanged.changedColumns.empty());

    db->run("UPDATE parametri SET porez_zarade = 12, cena_Rada = ?, Naziv_doprinosi_ro = ?, "
            "nocni_rad = 26, regres = ?",
            Currency::parse("1234.5679"), "Komora", Currency::parse("3000.0000"));
    const MonthStart again = startCalculationMonth(*db, 5, 2024);
    EXPECT_EQ(again.outcome, MonthStart::Outcome::AlreadyStarted);
    EXPECT_EQ(again.changedColumns, (std::vector<std::string>{"porez_zarade", "Naziv_doprinosi_ro",
                                                              "cena_Rada", "nocni_rad"}));
    EXPECT_EQ(parameterDiffersMessage(again.changedColumns.front()),
              "Parametar porez_zarade se razlikuje od trenutne vrednosti!");
    EXPECT_EQ(monthRows(), 1);
    EXPECT_EQ(*db->scalar("SELECT porez_zarade FROM parametri_po_mesecima"), 10);

    EXPECT_EQ(startCalculationMonth(*db, 6, 2024).outcome, MonthStart::Outcome::Copied);
    EXPECT_EQ(monthRows(), 2);
}

TEST_F(MonthParametersTest, NoMonthStartsBeforeTheCurrentRatesExist) {
    EXPECT_EQ(startCalculationMonth(*db, 5, 2024).outcome,
              MonthStart::Outcome::NoCurrentParameters);
    EXPECT_EQ(monthRows(), 0);
}

TEST_F(MonthParametersTest, ThePre2013FillStopsAtApril2013) {
    addMonth(12, 2012, 11, 22);
    addMonth(4, 2013, 11, 22);
    addMonth(5, 2013, 11, 22);
    addMonth(1, 2014, 11, 22);
    EXPECT_EQ(fillEmployerRatesBefore2013(*db), 2);
    EXPECT_DOUBLE_EQ(employerPension(12, 2012), 1100 + 60 + 1);
    EXPECT_DOUBLE_EQ(employerPension(4, 2013), 1100 + 60 + 1);
    EXPECT_DOUBLE_EQ(employerPension(5, 2013), 2200 + 70 + 2);
    EXPECT_DOUBLE_EQ(employerPension(1, 2014), 2200 + 70 + 2);
}

TEST_F(MonthParametersTest, MonthRatesShowAsNumbersCaptionedByTheContributionNames) {
    setCurrentRates();
    ASSERT_EQ(startCalculationMonth(*db, 5, 2024).outcome, MonthStart::Outcome::Copied);
    const std::vector<std::string> columns = monthRateColumns(*db);
    ASSERT_EQ(columns.size(), 28u); // the 32 columns of parametri less the four names
    EXPECT_EQ(columns.front(), "porez_zarade");

    const auto fields = loadMonthRates(*db, *findMonthRow(*db, 5, 2024));
    ASSERT_EQ(fields.size(), columns.size());
    EXPECT_EQ(fields[0].text, "10");
    EXPECT_EQ(fields[1].text, "25.000,00");
    EXPECT_EQ(fields[8].column, "doprinosi_ro");
    EXPECT_EQ(fields[8].caption, "Doprinos komori");
    EXPECT_EQ(fields[9].caption, "Stopa drugog dodatnog doprinosa na teret poslodavca (%)");
    EXPECT_EQ(fields[12].text, "0,00"); // null
}

TEST_F(MonthParametersTest, SavingAMonthWritesTheNumericValueOfEveryBox) {
    setCurrentRates();
    ASSERT_EQ(startCalculationMonth(*db, 5, 2024).outcome, MonthStart::Outcome::Copied);
    std::vector<std::string> inputs;
    for (const MonthRateField& field : loadMonthRates(*db, *findMonthRow(*db, 5, 2024)))
        inputs.push_back(field.text);
    inputs[0] = "11,5";       // porez_zarade, with a decimal comma
    inputs[1] = "26000.125x"; // iznos_poreskog_oslobojenja

    EXPECT_EQ(saveMonthRates(*db, 0, 2024, inputs), MonthSave::NoMonth);
    EXPECT_EQ(saveMonthRates(*db, 5, 0, inputs), MonthSave::NoYear);
    EXPECT_EQ(saveMonthRates(*db, 6, 2024, inputs), MonthSave::NotFound);
    EXPECT_EQ(*db->scalar("SELECT porez_zarade FROM parametri_po_mesecima"), 10);

    EXPECT_EQ(saveMonthRates(*db, 5, 2024, inputs), MonthSave::Saved);
    db::Statement row = db->prepare(
        "SELECT porez_zarade, iznos_poreskog_oslobojenja, Naziv_doprinosi_ro, minuli_rad "
        "FROM parametri_po_mesecima");
    ASSERT_TRUE(row.step());
    EXPECT_DOUBLE_EQ(row.number(0), 11.5);
    EXPECT_EQ(row.money(1), Currency::parse("26000.125"));
    EXPECT_EQ(row.text(2), "Doprinos komori");
    EXPECT_DOUBLE_EQ(row.number(3), 0.4);
    EXPECT_EQ(monthNotFoundOnSaveMessage(6, 2024),
              "GRESKA! Nisu pronadjeni parametri za mesec: 6 - 2024");
}

} // namespace
