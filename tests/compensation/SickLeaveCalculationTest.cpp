// The monthly compensation of a long sick leave: the net for the hours, the tax-free amount, the
// gross-up from the net, the calculation from the gross and the solidarity deduction. Every
// figure is worked out by hand from the rates below.
#include "compensation/SickLeaveCalculation.h"

#include <gtest/gtest.h>

#include "LeaveRates.h"

namespace zarion::compensation {
namespace {

struct NetCase {
    Currency caseNet;
    double hours;
    double fullHours;
    Currency net;
};

TEST(SickLeaveNet, ScalesTheCaseNetByTheHoursToWholeDinars) {
    const NetCase cases[] = {
        {50001_din, 88, 176, 25000_din},  // 25,000.5 rounds to the even 25,000
        {50003_din, 88, 176, 25002_din},  // 25,001.5 rounds to the even 25,002
        {45000_din, 176, 176, 45000_din}, // the whole month
        {40000_din, 60, 168, 14286_din},  // 14,285.714…
        {40000_din, 60, 0, 40000_din},    // no hours in the month: the case's net stands
    };
    for (const NetCase& c : cases)
        EXPECT_EQ(netForHours(c.caseNet, {c.hours, c.fullHours, false}), c.net)
            << c.hours << "/" << c.fullHours;
}

TEST(SickLeaveNet, TheTaxFreeAmountFollowsTheHoursOnlyForPartOfAMonth) {
    EXPECT_EQ(taxFreeFor(25000_din, {88, 176, false}), 12500_din);
    EXPECT_EQ(taxFreeFor(25000_din, {100, 176, false}), 14204.55_din); // 14,204.5454…
    EXPECT_EQ(taxFreeFor(28423_din, {88, 176, false}), 14211.5_din);
    EXPECT_EQ(taxFreeFor(25000_din, {176, 176, false}), 25000_din);
    EXPECT_EQ(taxFreeFor(25000_din, {200, 176, false}), 25000_din);
}

// Half of March: net 25,000, tax-free 12,500.
// gross = (25,000 × 100 − 12,500 × 10) / 70.1 = 2,375,000 / 70.1 = 33,880.1712 (kept to 1/10000)
TEST(SickLeaveFromNet, GrossesUpTheNetWithTheProratedTaxFreeAmount) {
    const auto a = leaveFromNet(25000_din, {88, 176, false}, test::leaveRates());
    ASSERT_TRUE(a.ok()) << a.message();
    EXPECT_EQ(a->broj_sati, 88);
    EXPECT_EQ(a->Oslobodjenje, 12500_din);
    EXPECT_EQ(a->BRUTO, 33880.1712_din);
    EXPECT_EQ(a->porez_na_zaradu, 2138.02_din);        // 21,380.1712 × 10 %
    EXPECT_EQ(a->Doprinosi_PIO, 4743.22_din);          // × 14 % = 4,743.223968
    EXPECT_EQ(a->Doprinosi_zo, 1744.83_din);           // × 5.15 % = 1,744.828817
    EXPECT_EQ(a->doprinosi_nezaposlenost, 254.10_din); // × 0.75 % = 254.101284
    EXPECT_EQ(a->ukupno_doprinosa, 6742.15_din);
    EXPECT_EQ(a->Doprinosi_PIO_F, 3388.02_din);
    EXPECT_EQ(a->Doprinosi_zo_F, 1744.83_din);
    EXPECT_EQ(a->doprinosi_nezaposlenost_f, 0_din);
    EXPECT_EQ(a->ukupno_doprinosa_F, 5132.85_din);
    EXPECT_EQ(a->ukupno_obaveza, 39013.0212_din);
    EXPECT_EQ(a->NETO, 25000_din);
    EXPECT_EQ(a->solidarni_porez, 0_din);
    // what the gross gives back is the net to the cent
    EXPECT_EQ(a->BRUTO.round2() - a->porez_na_zaradu - a->ukupno_doprinosa, 25000_din);
}

// A whole month with 20,000 tax-free:
// gross = (50,000 × 100 − 20,000 × 10) / 70.1 = 4,800,000 / 70.1 = 68,473.6091 (kept to 1/10000)
TEST(SickLeaveFromNet, AWholeMonthTakesTheWholeTaxFreeAmount) {
    payroll::MonthParameters r = test::leaveRates();
    r.iznos_poreskog_oslobojenja = 20000_din;
    const auto a = leaveFromNet(50000_din, {176, 176, false}, r);
    ASSERT_TRUE(a.ok()) << a.message();
    EXPECT_EQ(a->Oslobodjenje, 20000_din);
    EXPECT_EQ(a->BRUTO, 68473.6091_din);
    EXPECT_EQ(a->porez_na_zaradu, 4847.36_din);     // 48,473.6091 × 10 %
    EXPECT_EQ(a->ukupno_doprinosa, 13626.25_din);   // 9,586.31 + 3,526.39 + 513.55
    EXPECT_EQ(a->ukupno_doprinosa_F, 10373.75_din); // 6,847.36 + 3,526.39
    EXPECT_EQ(a->ukupno_obaveza, 78847.3591_din);
}

TEST(SickLeaveFromNet, RatesThatLeaveNoNetShareAreRefused) {
    payroll::MonthParameters r = test::leaveRates();
    for (const double tax : {80.1, 90.0}) { // a share of 0 and one of −9.9
        r.porez_zarade = tax;
        EXPECT_FALSE(leaveFromNet(25000_din, {176, 176, false}, r).ok()) << tax;
    }
}

struct GrossCase {
    const char* what;
    Currency gross;
    double hours;
    Currency tax, PIO, ZO, NEZ, PIO_F, net;
};

// Contributions on the larger of the gross and the minimum base (45,000, or 22,500 for half the
// hours); tax on the gross above the tax-free amount (25,000 or 12,500).
TEST(SickLeaveFromGross, TakesContributionsAtLeastOnTheMinimumBase) {
    const GrossCase cases[] = {
        // base 45,000: 6,300 + 2,317.50 + 337.50 = 8,955; net 40,000 − 1,500 − 8,955
        {"below the base", 40000_din, 176, 1500_din, 6300_din, 2317.50_din, 337.50_din, 4500_din,
         29545_din},
        // base 60,000: 8,400 + 3,090 + 450 = 11,940; net 60,000 − 3,500 − 11,940
        {"above the base", 60000_din, 176, 3500_din, 8400_din, 3090_din, 450_din, 6000_din,
         44560_din},
        // base 22,500: 3,150 + 1,158.75 + 168.75 = 4,477.50; net 20,000 − 750 − 4,477.50
        {"half the month", 20000_din, 88, 750_din, 3150_din, 1158.75_din, 168.75_din, 2250_din,
         14772.50_din},
    };
    for (const GrossCase& c : cases) {
        const auto a = leaveFromGross(c.gross, {c.hours, 176, false}, test::leaveRates());
        ASSERT_TRUE(a.ok()) << c.what;
        EXPECT_EQ(a->BRUTO, c.gross) << c.what;
        EXPECT_EQ(a->porez_na_zaradu, c.tax) << c.what;
        EXPECT_EQ(a->Doprinosi_PIO, c.PIO) << c.what;
        EXPECT_EQ(a->Doprinosi_zo, c.ZO) << c.what;
        EXPECT_EQ(a->doprinosi_nezaposlenost, c.NEZ) << c.what;
        EXPECT_EQ(a->Doprinosi_PIO_F, c.PIO_F) << c.what;
        EXPECT_EQ(a->NETO, c.net) << c.what;
    }
}

// 20 % of the net between 60,000 and 100,000, 25 % above; only when the setting is on.
TEST(SickLeaveSolidarity, IsTakenFromTheNetWhenTheSettingIsOn) {
    const std::pair<Currency, Currency> cases[] = {
        {60000_din, 0_din}, {100000_din, 8000_din}, {120000_din, 13000_din}, {75000_din, 3000_din}};
    payroll::MonthParameters r = test::leaveRates();
    for (const auto& [net, deduction] : cases) {
        const auto on = leaveFromNet(net, {176, 176, true}, r);
        ASSERT_TRUE(on.ok());
        EXPECT_EQ(on->solidarni_porez, deduction) << net.toString();
        EXPECT_EQ(on->paidOut(), net - deduction);
    }
    EXPECT_EQ(leaveFromNet(120000_din, {176, 176, false}, r)->solidarni_porez, 0_din);
}

} // namespace
} // namespace zarion::compensation
