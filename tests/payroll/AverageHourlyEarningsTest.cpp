// Average earnings per hour from the twelve months before, across the year boundary and the
// previous year's database, and the form's fallback when there is no history.
#include "payroll/AverageHourlyEarnings.h"

#include <gtest/gtest.h>
#include <vector>

#include "PayrollFixtures.h"
#include "TemplateDatabase.h"

namespace zarion::test {
namespace {

using namespace payroll;

constexpr int employeeId = 7;

struct FinalRow {
    int year, month;
    double regular, overtime, sick100, annual, paidAbsence, onCall, sick65;
    const char* net;
    const char* gross;
    const char* sick65Amount;
};

void addFinal(db::Database& db, const FinalRow& r, int id = employeeId) {
    db.run("INSERT INTO obracuni (ID_RADNIK, GODINA, MEsec, broj_sati, produzeni_rad_s, "
           "bolovanje100_s, godisnji_s, placeno_odsustvo_s, dezurstvo_s, bolovnje65_s, NETO, "
           "BRUTO, bolovnje65_i) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
           id, r.year, r.month, r.regular, r.overtime, r.sick100, r.annual, r.paidAbsence, r.onCall,
           r.sick65, din(r.net), din(r.gross), din(r.sick65Amount));
}

void addCompensation(db::Database& db, int year, int month, double hours, const char* net,
                     const char* gross) {
    db.run("INSERT INTO bolovanja_obracuni (ID_RADNIK, GODINA, MEsec, broj_sati, NETO, BRUTO) "
           "VALUES (?,?,?,?,?,?)",
           employeeId, year, month, hours, din(net), din(gross));
}

// January 2026 is calculated in the 2026 database; 2025 lives in the 2025 database.
class AverageFromHistory : public ::testing::Test {
protected:
    AverageFromHistory() {
        // December 2025: 160 + 8 overtime + 8 sick at 100 % = 176 hours (16 sick at 65 % not
        // counted); net 90000 − 7000 sick at 65 % = 83000, gross 125000 − 7000 = 118000
        addFinal(*previous, {2025, 12, 160, 8, 8, 0, 0, 0, 16, "90000", "125000", "7000"});
        // November 2025: 168 hours (annual 16 + paid absence 8 + on-call 4 among them),
        // in both databases: counted once
        const FinalRow november{2025, 11, 140, 0, 0, 16, 8, 4, 0, "80000", "110000", "0"};
        addFinal(*previous, november);
        addFinal(*current, november);
        // October 2025: sick-leave compensation only, 184 hours, net 40000, gross 55000
        addCompensation(*previous, 2025, 10, 184, "40000", "55000");
        // January 2025, the twelfth month back: 184 hours, net 70000, gross 96000
        addFinal(*previous, {2025, 1, 184, 0, 0, 0, 0, 0, 0, "70000", "96000", "0"});
        // Not counted: the month itself, the thirteenth month back, another employee
        addFinal(*current, {2026, 1, 999, 0, 0, 0, 0, 0, 0, "999999", "999999", "0"});
        addFinal(*previous, {2024, 12, 999, 0, 0, 0, 0, 0, 0, "999999", "999999", "0"});
        addFinal(*previous, {2025, 6, 999, 0, 0, 0, 0, 0, 0, "999999", "999999", "0"}, 8);
    }

    std::optional<Currency> average(AverageVariant variant) {
        return averageFromHistory(databases, employeeId, 2026, 1, variant);
    }

    TemplateDatabase current;
    TemplateDatabase previous;
    std::vector<db::Database*> databases{current.get(), previous.get()};
};

TEST_F(AverageFromHistory, AddsTheTwelveMonthsBeforeAcrossTheYearBoundary) {
    // H = 176 + 168 + 184 + 184 = 712; E = 83000 + 80000 + 40000 + 70000 = 273000
    EXPECT_EQ(average(AverageVariant::Final), din("383.43")); // 383.4270
    // The advance takes half: 273000 / 1424 = 191.7135
    EXPECT_EQ(average(AverageVariant::Advance), din("191.71"));
    // The individual window adds gross: 118000 + 110000 + 55000 + 96000 = 379000; / 712
    EXPECT_EQ(average(AverageVariant::Individual), din("532.30")); // 532.3034
}

TEST_F(AverageFromHistory, WithoutThePreviousYearsDatabaseOnlyWhatTheCurrentOneHolds) {
    const std::vector<db::Database*> only{current.get()};
    // November 2025 alone: 80000 / 168 = 476.19
    EXPECT_EQ(averageFromHistory(only, employeeId, 2026, 1, AverageVariant::Final), din("476.19"));
}

TEST(AverageFallback, NoHistoryPricesTheFormsAverage) {
    TemplateDatabase db;
    std::vector<db::Database*> databases{db.get()};
    EXPECT_FALSE(averageFromHistory(databases, employeeId, 2026, 3, AverageVariant::Final));

    SalaryInput in;
    in.KOEFICIJENT = 2.5;
    in.funkcijski_dodatak = 0.5; // K = 3
    in.cena_Rada = din("10000");
    in.broj_sati = 176;
    in.Datum = {2016, 3, 1}; // 10 years
    in.prosek_3_meseca = din("555.55");
    const MonthParameters m = month2026(); // seniority 0.4 % a year
    // coefficient pricing: 3 × 10000 × (1 + 0.4 × 10 / 100) / 176 = 31200 / 176 = 177.2727
    EXPECT_EQ(averageHourlyEarnings(databases, employeeId, in, m, coefficientPricing(), 2026, 3,
                                    AverageVariant::Final),
              din("177.27"));
    // hourly pricing: 3 × 10000 × 1.04
    EXPECT_EQ(averageFromForm(in, m, hourlyPricing(), 10), din("31200"));
    // no regular hours: A stays as it was
    in.broj_sati = 0;
    EXPECT_EQ(averageFromForm(in, m, coefficientPricing(), 10), din("555.55"));
}

TEST(AverageFallback, EitherSumZeroMeansNoHistory) {
    TemplateDatabase db;
    std::vector<db::Database*> databases{db.get()};
    // hours but no amount
    addFinal(*db, {2026, 2, 160, 0, 0, 0, 0, 0, 0, "0", "0", "0"});
    EXPECT_FALSE(averageFromHistory(databases, employeeId, 2026, 3, AverageVariant::Final));
    // only sick leave at 65 %: amount net of it is 0, its hours do not count
    TemplateDatabase other;
    std::vector<db::Database*> others{other.get()};
    addFinal(*other, {2026, 2, 0, 0, 0, 0, 0, 0, 40, "5000", "7000", "5000"});
    EXPECT_FALSE(averageFromHistory(others, employeeId, 2026, 3, AverageVariant::Final));
}

} // namespace
} // namespace zarion::test
