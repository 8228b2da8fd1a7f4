#include "other_income/OtherIncomeCalculation.h"

#include <gtest/gtest.h>

namespace zarion::other_income {
namespace {

// Every figure below is worked out by hand from the rates of its case.
struct Expected {
    Currency gross, costs, tax;
    Contributions<Currency> employee, employer;
    Currency net, totalCost, taxBase, contributionBase;
};

// The contributions of one side: pension, health, unemployment.
Contributions<Currency> paid(Currency pio, Currency zo, Currency nez) {
    return {pio, zo, nez};
}

void expectRow(const RowAmounts& row, const Expected& e) {
    EXPECT_EQ(row.gross, e.gross);
    EXPECT_EQ(row.standardizedCosts, e.costs);
    EXPECT_EQ(row.tax, e.tax);
    EXPECT_EQ(row.employee.pio, e.employee.pio);
    EXPECT_EQ(row.employee.zo, e.employee.zo);
    EXPECT_EQ(row.employee.nez, e.employee.nez);
    EXPECT_EQ(row.employer.pio, e.employer.pio);
    EXPECT_EQ(row.employer.zo, e.employer.zo);
    EXPECT_EQ(row.employer.nez, e.employer.nez);
    EXPECT_EQ(row.net, e.net);
    EXPECT_EQ(row.totalCost, e.totalCost);
    EXPECT_EQ(row.taxBase, e.taxBase);
    EXPECT_EQ(row.contributionBase, e.contributionBase);
}

// A temporary-work contract: 10 % tax above 10.000 dinars, no standardized costs.
RowRates temporaryWork() {
    RowRates r;
    r.tax = 10;
    r.nonTaxable = 10000_din;
    r.employee = {14, 5.15, 0.75};
    r.employer = {10, 5.15, 0};
    return r;
}

// A service contract with standardized costs of 50 %.
RowRates halfCosts() {
    RowRates r;
    r.tax = 20;
    r.standardizedCosts = 50;
    r.employee = {14, 5.15, 0};
    r.employer = {10, 0, 0};
    return r;
}

TEST(OtherIncomeFromGross, WithoutCostsTaxesWhatExceedsTheNonTaxablePart) {
    // 50.000: tax 10 % of 40.000; contributions on the whole gross.
    expectRow(fromGross(3, 50000_din, temporaryWork()),
              {50000_din, 0_din, 4000_din, paid(7000_din, 2575_din, 375_din),
               paid(5000_din, 2575_din, 0_din), 36050_din, 57575_din, 40000_din, 50000_din});
    // Equal to the non-taxable part: no tax, contributions on the whole gross.
    expectRow(fromGross(3, 10000_din, temporaryWork()),
              {10000_din, 0_din, 0_din, paid(1400_din, 515_din, 75_din),
               paid(1000_din, 515_din, 0_din), 8010_din, 11515_din, 0_din, 10000_din});
    // Below it: the net is the gross and nothing is charged.
    expectRow(fromGross(3, 9000_din, temporaryWork()),
              {9000_din, 0_din, 0_din, {}, {}, 9000_din, 9000_din, 0_din, 0_din});
}

TEST(OtherIncomeFromGross, RoundsEveryAmountToWholeDinarsHalfToEven) {
    RowRates r;
    r.tax = 10;
    r.employee = {14, 0, 0};
    // 33.333: tax 3.333,3 -> 3.333, PIO 4.666,62 -> 4.667.
    const RowAmounts row = fromGross(6, 33333_din, r);
    EXPECT_EQ(row.tax, 3333_din);
    EXPECT_EQ(row.employee.pio, 4667_din);
    EXPECT_EQ(row.net, 25333_din);
    r.employee = {};
    EXPECT_EQ(fromGross(6, 25_din, r).tax, 2_din); // 2,5 goes to the even 2
    EXPECT_EQ(fromGross(6, 35_din, r).tax, 4_din); // 3,5 goes to the even 4
}

TEST(OtherIncomeFromGross, HalfStandardizedCostsHalveTheBases) {
    // 100.000 with half in costs: tax and contributions on 50.000; net 100.000 x 0,80425.
    expectRow(fromGross(6, 100000_din, halfCosts()),
              {100000_din, 50000_din, 10000_din, paid(7000_din, 2575_din, 0_din),
               paid(5000_din, 0_din, 0_din), 80425_din, 105000_din, 50000_din, 50000_din});
    // Travel costs recognise no standardized costs whatever the order says.
    EXPECT_EQ(fromGross(10, 100000_din, halfCosts()).tax, 20000_din);
}

TEST(OtherIncomeFromNet, GrossesUpToTheGrossThatGivesTheNet) {
    EXPECT_EQ(fromNet(3, 36050_din, temporaryWork())->gross, 50000_din);
    EXPECT_EQ(fromNet(6, 80425_din, halfCosts())->gross, 100000_din);
    // A net below the non-taxable part is its own gross.
    EXPECT_EQ(fromNet(3, 9000_din, temporaryWork())->gross, 9000_din);
}

TEST(OtherIncomeFromNet, ChargesTheEmployerOnTheMinimumBaseOfTheOrder) {
    RowRates r;
    r.tax = 20;
    r.standardizedCosts = 20;
    r.minimumBase = 40000_din;
    r.employee = {14, 5.15, 0.75};
    r.employer = {10, 5.15, 0.75};
    // D = 10000 - 39,9 x 80 = 6808; gross 60.340 x 10000 / 6808 = 88.631,02 -> 88.631; base
    // 70.904,8 -> 70.905; tax 14.181; PIO 9.926,7; ZO 3.651,61; NEZ 531,79; the employer's on
    // 40.000.
    expectRow(*fromNet(6, 60340_din, r),
              {88631_din, 17726_din, 14181_din, paid(9927_din, 3652_din, 532_din),
               paid(4000_din, 2060_din, 300_din), 60340_din, 94991_din, 70905_din, 70905_din});
}

TEST(OtherIncomeFromNet, InsuresPracticeAndPublicWorksOnTheMinimumBase) {
    RowRates r;
    r.tax = 10;
    r.minimumBase = 30000_din;
    r.employee = {14, 5.15, 0};
    r.employer = {10, 0, 0};
    // Contributions on 30.000: 4.200 and 1.545; gross (20.000 + 5.745) / 0,9 = 28.605,56 ->
    // 28.606; tax 2.860,6 -> 2.861; 28.606 - 2.861 - 5.745 = 20.000.
    for (const int kind : {7, 8})
        expectRow(*fromNet(kind, 20000_din, r),
                  {28606_din, 0_din, 2861_din, paid(4200_din, 1545_din, 0_din),
                   paid(3000_din, 0_din, 0_din), 20000_din, 31606_din, 28606_din, 30000_din});
}

TEST(OtherIncomeFromNet, RefusesRatesThatLeaveNothingToGrossUpWith) {
    RowRates r;
    r.tax = 50;
    r.employee = {40, 10, 0};
    const Outcome<RowAmounts> row = fromNet(6, 1000_din, r);
    ASSERT_FALSE(row.ok());
    EXPECT_EQ(row.message(), "GRESKA! Parametri nisu dobri!");
}

TEST(SeveranceFromNet, TaxesOnlyWhatExceedsTheNonTaxableAmount) {
    RowRates r;
    r.tax = 20;
    r.nonTaxable = 400000_din;
    // Equal to the non-taxable amount: no tax, gross = net.
    expectRow(severanceFromNet(400000_din, r),
              {400000_din, 0_din, 0_din, {}, {}, 400000_din, 400000_din, 0_din, 0_din});
    // One dinar above: 1 x 100 / 80 = 1,25 taxable, tax 0,25.
    expectRow(severanceFromNet(400001_din, r),
              {400001.25_din, 0_din, 0.25_din, {}, {}, 400001_din, 400001.25_din, 1.25_din, 0_din});
    // 15 %: 100 x 100 / 85 = 117,647 -> 117,65; tax 17,6475 -> 17,65.
    r.tax = 15;
    EXPECT_EQ(severanceFromNet(400100_din, r).gross, 400117.65_din);
    // Standardized costs of 20 % of 12.500 taxable: tax 20 % of 10.000.
    r.tax = 20;
    r.standardizedCosts = 20;
    const RowAmounts costs = severanceFromNet(410000_din, r);
    EXPECT_EQ(costs.standardizedCosts, 2500_din);
    EXPECT_EQ(costs.tax, 2000_din);
    EXPECT_EQ(costs.gross, 412000_din);
}

} // namespace
} // namespace zarion::other_income
