// Pricing of the wage elements: performance factor, coefficient, basic pay, premiums, leave,
// stimulations and seniority, and the net they add up to.
#include "payroll/ElementPricing.h"

#include <gtest/gtest.h>

#include "PayrollFixtures.h"

namespace zarion::test {
namespace {

using namespace payroll;

PricedElements price(const SalaryInput& in, const MonthParameters& m, const Settings& s,
                     const PricingOptions& options = {}) {
    auto e = priceElements(in, m, s, fund176(), 2026, 3, options);
    EXPECT_TRUE(e.ok()) << e.message();
    return e.ok() ? *e : PricedElements{};
}

struct FactorCase {
    double grade;
    const char* factor;
};

TEST(PerformanceFactor, IsKeptToFourDecimals) {
    // F = grade × 0.00776 + 0.9612
    for (const FactorCase& c : {
             FactorCase{5, "1.0000"}, // 0.0388 + 0.9612
             FactorCase{4, "0.9922"}, // 0.99224
             FactorCase{3, "0.9845"}, // 0.98448
             FactorCase{1, "0.9690"}, // 0.96896
             FactorCase{0, "0.9612"},
             FactorCase{0.625, "0.9660"}, // 0.96605: a half, to the even 0.9660
         })
        EXPECT_EQ(performanceFactor(c.grade), din(c.factor)) << c.grade;
}

TEST(ElementPricing, CoefficientIsTheSumOfTheThreeFields) {
    SalaryInput in;
    in.KOEFICIJENT = 3.2;
    in.funkcijski_dodatak = 0.15;
    in.otezani_uslovi = 0.1;
    EXPECT_EQ(coefficientSum(in), din("3.45"));
}

TEST(ElementPricing, WithoutPremiumsOrLeaveTheNetIsTheTypedAndPricedAmounts) {
    SalaryInput in;
    in.KOEFICIJENT = 2.5;
    in.funkcijski_dodatak = 0.3;
    in.otezani_uslovi = 0.2;    // K = 3.0
    in.ocena_radnog_ucinka = 5; // F = 1
    in.cena_Rada = din("10000");
    in.broj_sati = 176;
    in.Datum = {2016, 1, 15}; // March 2026: M = 122 months, 10 years
    in.fiksna_plata = din("5000");
    in.stimulacije_procenat = 10;
    in.stimulacije_uredba = din("1234.56");
    in.topli_obrok = din("4000");
    in.regres = din("2000");
    in.odvojeni = din("1500");
    const PricedElements e = price(in, month2026(), coefficientPricing());
    EXPECT_EQ(e.osnovna_bruto, din("30000"));        // 1 × 10000 × 3 × 176 / 176
    EXPECT_EQ(e.stimulacije, din("3000"));           // 30000 × 10 %
    EXPECT_EQ(e.stimulacije_uredba, din("1234.56")); // typed, no percentage
    EXPECT_EQ(e.minuli_rad, din("1400"));            // (30000 + 5000) × 10 × 0.4 / 100
    // basic + fixed + stimulation + decree + seniority + meal + holiday + separate living
    EXPECT_EQ(netOf(e), din("48134.56"));        // 30000+5000+3000+1234.56+1400+4000+2000+1500
    EXPECT_EQ(elementTotal(e), din("39234.56")); // without meal, holiday, living and seniority
}

TEST(ElementPricing, CoefficientPricingScalesByFactorAndFund) {
    SalaryInput in;
    in.KOEFICIJENT = 3;
    in.ocena_radnog_ucinka = 4; // F = 0.9922
    in.cena_Rada = din("10000");
    in.broj_sati = 160;
    in.nocni_rad_s = 10;
    const PricedElements e = price(in, month2026(), coefficientPricing());
    EXPECT_EQ(e.performanceFactor, din("0.9922"));
    // 0.9922 × 10000 × 3 × 160 / 176 = 29766 × 10 / 11 = 27060
    EXPECT_EQ(e.osnovna_bruto, din("27060"));
    // 0.9922 × 26 × 10 × 30000 / (100 × 176) = 7739160 / 17600 = 439.725 → 439.72 (half to even)
    EXPECT_EQ(e.nocni_rad_i, din("439.72"));
}

TEST(ElementPricing, HourlyPricingTakesNoFactorAndNoFund) {
    SalaryInput in;
    in.KOEFICIJENT = 3;
    in.ocena_radnog_ucinka = 1; // ignored without coefficient pricing
    in.cena_Rada = din("250");
    in.broj_sati = 160;
    in.nocni_rad_s = 3.5;
    const PricedElements e = price(in, month2026(), hourlyPricing());
    EXPECT_EQ(e.performanceFactor, din("1"));
    EXPECT_EQ(e.osnovna_bruto, din("120000")); // 3 × 250 × 160
    EXPECT_EQ(e.nocni_rad_i, din("682.50"));   // (3 × 250 / 100) × 26 × 3.5
}

TEST(ElementPricing, EachPremiumTakesItsOwnPercentage) {
    // With K × C / 100 = 1 every premium is its percentage × its hours.
    SalaryInput in;
    in.KOEFICIJENT = 1;
    in.cena_Rada = din("100");
    in.nocni_rad_s = 1;
    in.rad_na_praznik_s = 2;
    in.rad_nedeljom_s = 3;
    in.rad_nedeljomstvarno_s = 4;
    in.dezurstvo_s = 5;
    in.pripravnost_s = 6;
    in.pripravnostaktivna_s = 7;
    in.produzeni_rad_s = 8;
    const PricedElements e = price(in, month2026(), hourlyPricing());
    EXPECT_EQ(e.nocni_rad_i, din("26"));           // 26 % × 1
    EXPECT_EQ(e.rad_na_praznik_i, din("220"));     // 110 % × 2
    EXPECT_EQ(e.rad_nedeljom_i, din("30"));        // 10 % × 3
    EXPECT_EQ(e.rad_nedeljomstvarno_i, din("60")); // 15 % × 4
    EXPECT_EQ(e.dezurstvo_i, din("250"));          // 50 % × 5
    EXPECT_EQ(e.pripravnost_i, din("120"));        // 20 % × 6
    EXPECT_EQ(e.pripravnostaktivna_i, din("182")); // overtime's 26 % × 7
    EXPECT_EQ(e.produzeni_rad_i, din("208"));      // 26 % × 8
    EXPECT_EQ(elementTotal(e), din("1096"));
}

TEST(ElementPricing, LeaveAndAbsenceArePricedFromTheAverage) {
    SalaryInput in;
    in.prosek_3_meseca = din("850.37");
    in.bolovnje65_s = 16;
    in.bolovanje100_s = 8;
    in.godisnji_s = 24;
    in.placeno_odsustvo_s = 8;
    const PricedElements e = price(in, month2026(), hourlyPricing());
    EXPECT_EQ(e.bolovnje65_i, din("8843.85"));       // 850.37 × 16 × 0.65 = 8843.848
    EXPECT_EQ(e.bolovanje100_i, din("6802.96"));     // 850.37 × 8
    EXPECT_EQ(e.godisnji_i, din("20408.88"));        // 850.37 × 24
    EXPECT_EQ(e.placeno_odsustvo_i, din("4081.78")); // 60 × 8 × 850.37 / 100 = 4081.776
}

TEST(ElementPricing, StimulationPercentagesReplaceTheTypedAmounts) {
    SalaryInput in;
    in.KOEFICIJENT = 1;
    in.cena_Rada = din("52902.30");
    in.broj_sati = 1; // basic pay 52902.30 with hourly pricing
    in.stimulacije = din("999");
    in.stimulacije_procenat = 5;
    in.stimulacije_uredba = din("777");
    in.stimulacije_procenat_uredba = 2.5;
    const PricedElements e = price(in, month2026(), hourlyPricing());
    EXPECT_EQ(e.stimulacije, din("2645.12"));        // 2645.115: half, the kept 1 is odd → up
    EXPECT_EQ(e.stimulacije_uredba, din("1322.56")); // 1322.5575
}

TEST(ElementPricing, SeniorityIsPaidOnBasicAndFixedPayForWholeYears) {
    SalaryInput in;
    in.KOEFICIJENT = 1;
    in.cena_Rada = din("30000");
    in.broj_sati = 1; // basic 30000 with hourly pricing
    in.fiksna_plata = din("5000");
    in.Datum = {2016, 4, 1}; // March 2026: 119 months, 9 years
    in.pg = 0;
    in.Pm = 1; // with prior service 120 months, 10 years
    const MonthParameters m = month2026();
    Settings settings = hourlyPricing();
    EXPECT_EQ(price(in, m, settings).minuli_rad, din("1260")); // 35000 × 9 × 0.4 / 100
    settings.ukupan_minuli_rad = 1;
    EXPECT_EQ(price(in, m, settings).minuli_rad, din("1400")); // 35000 × 10 × 0.4 / 100
}

TEST(ElementPricing, MinimumBasicPayRaisesBasicPayBeforeSeniority) {
    SalaryInput in;
    in.KOEFICIJENT = 1;
    in.cena_Rada = din("300");
    in.broj_sati = 100;      // basic 30000 with hourly pricing
    in.Datum = {2016, 3, 1}; // 10 years
    in.stimulacije_procenat = 10;
    const MonthParameters m = month2026();
    const PricedElements e =
        price(in, m, hourlyPricing(), {.raiseToMinimumBasicPay = true, .basicPay = {}});
    // minimum for the hours: round0(100 / 176 × 65296) = round0(37100) = 37100
    EXPECT_EQ(e.osnovna_bruto, din("37100"));
    EXPECT_EQ(e.razlika_do_min, din("7100"));
    EXPECT_EQ(e.stimulacije, din("3710"));
    EXPECT_EQ(e.minuli_rad, din("1484")); // 37100 × 10 × 0.4 / 100
    EXPECT_EQ(price(in, m, hourlyPricing()).razlika_do_min, din("0"));
}

TEST(ElementPricing, CoefficientPricingWithoutAnHourFundGivesAMessage) {
    SalaryInput in;
    in.broj_sati = 10;
    const auto e = priceElements(in, month2026(), coefficientPricing(), {0, 0}, 2026, 3);
    ASSERT_FALSE(e.ok());
    EXPECT_EQ(e.message(), "Fond sati je 0: obracun nije moguc!");
    EXPECT_TRUE(priceElements(in, month2026(), hourlyPricing(), {0, 0}, 2026, 3).ok());
}

} // namespace
} // namespace zarion::test
