// Gross-up of a net: hours share of the relief and the minimum base, the net equivalent of the
// minimum base, tax, contributions, gross, the employer's side and the solidarity tax.
#include "payroll/NetBasedCalculation.h"

#include <gtest/gtest.h>

#include "PayrollFixtures.h"

namespace zarion::test {
namespace {

using namespace payroll;

TaxAndContributions grossUp(const char* net, int hoursWorked, int fund = 176,
                            const MonthParameters& m = month2026()) {
    auto r = grossUpNet(din(net), Exact::whole(hoursWorked), fund, m);
    EXPECT_TRUE(r.ok()) << r.message();
    return r.ok() ? *r : TaxAndContributions{};
}

TEST(NetBased, NetAboveTheMinimumIsGrossedUp) {
    // base = (73522.10 × 100 − 34221 × 10) / (100 − 29.9) = 7010000 / 70.1 = 100000
    // D = 19900; tax = (73522.10 + 19900 − 34221) × 10 / 90 = 6577.90
    const TaxAndContributions r = grossUp("73522.10", 176);
    EXPECT_EQ(r.osnovica_doprinosa, din("100000"));
    EXPECT_EQ(r.porez_na_zaradu, din("6577.90"));
    EXPECT_EQ(r.Doprinosi_PIO, din("14000"));
    EXPECT_EQ(r.Doprinosi_zo, din("5150"));
    EXPECT_EQ(r.doprinosi_nezaposlenost, din("750"));
    EXPECT_EQ(r.ukupno_doprinosa, din("19900"));
    EXPECT_EQ(r.BRUTO, din("100000"));
    EXPECT_EQ(r.Doprinosi_PIO_F, din("10000"));
    EXPECT_EQ(r.Doprinosi_zo_F, din("5150"));
    EXPECT_EQ(r.ukupno_doprinosa_F, din("15150"));
    EXPECT_EQ(r.ukupno_obaveza, din("115150"));
    EXPECT_EQ(r.Oslobodjenje, din("34221"));
}

TEST(NetBased, NetBelowTheMinimumPaysContributionsOnTheMinimumBase) {
    // Nmin = 51297 × 70.1 / 100 + 34221 × 10 / 100 = 35959.197 + 3422.1 = 39381.297 > 30000
    // base = 51297; D = 10208.103; tax = (30000 + 10208.103 − 34221) / 9 = 665.2337 → 665.23
    // PIO 7181.58, ZO 2641.7955 → 2641.80, NEZ 384.7275 → 384.73: 10208.11
    const TaxAndContributions r = grossUp("30000", 176);
    EXPECT_EQ(r.osnovica_doprinosa, din("51297"));
    EXPECT_EQ(r.porez_na_zaradu, din("665.23"));
    EXPECT_EQ(r.Doprinosi_PIO, din("7181.58"));
    EXPECT_EQ(r.Doprinosi_zo, din("2641.80"));
    EXPECT_EQ(r.doprinosi_nezaposlenost, din("384.73"));
    EXPECT_EQ(r.ukupno_doprinosa, din("10208.11"));
    EXPECT_EQ(r.BRUTO, din("40873.34")); // 10208.11 + 30000 + 665.23
    EXPECT_EQ(r.Doprinosi_PIO_F, din("5129.70"));
    EXPECT_EQ(r.ukupno_obaveza, din("48644.84")); // + 5129.70 + 2641.80
    // The plain gross-up of 30000 would be (3000000 − 342210) / 70.1 = 37914.26.
    EXPECT_GT(r.BRUTO, din("37914.26"));
}

TEST(NetBased, TheBaseStopsAtTheHighestBase) {
    // (600000 × 100 − 342210) / 70.1 = 851038.37 is above 732820: the base is 732820,
    // D = 732820 × 0.199 = 145831.18; tax = (600000 + 145831.18 − 34221) / 9 = 79067.7978
    const TaxAndContributions r = grossUp("600000", 176);
    EXPECT_EQ(r.osnovica_doprinosa, din("732820"));
    EXPECT_EQ(r.porez_na_zaradu, din("79067.80"));
    EXPECT_EQ(r.Doprinosi_PIO, din("102594.80"));
    EXPECT_EQ(r.Doprinosi_zo, din("37740.23"));
    EXPECT_EQ(r.doprinosi_nezaposlenost, din("5496.15"));
    EXPECT_EQ(r.ukupno_doprinosa, din("145831.18"));
    EXPECT_EQ(r.BRUTO, din("824898.98"));              // 600000 + 145831.18 + 79067.80
    EXPECT_EQ(r.ukupno_doprinosa_F, din("111022.23")); // 73282 + 37740.23
    EXPECT_EQ(r.ukupno_obaveza, din("935921.21"));
    // The highest base does not follow the hours: half the fund, the same cap.
    EXPECT_EQ(grossUp("600000", 88).osnovica_doprinosa, din("732820"));
    // A month without a highest base has no cap.
    MonthParameters uncapped = month2026();
    uncapped.maksimalna_osnovica = Currency();
    EXPECT_EQ(grossUp("600000", 176, 176, uncapped).osnovica_doprinosa, din("851038.37"));
}

TEST(NetBased, NetBelowTheReliefPaysNoTax) {
    // base 51297, D = 10208.103: 10000 + 10208.103 − 34221 is negative → tax 0
    const TaxAndContributions r = grossUp("10000", 176);
    EXPECT_EQ(r.porez_na_zaradu, din("0"));
    EXPECT_EQ(r.BRUTO, din("20208.11"));
}

struct HoursCase {
    int hoursWorked;
    const char* relief;      // P' = round2(34221 × S / N)
    const char* minimumBase; // round2(51297 × S / N), the base of a net of 10000
};

TEST(NetBased, FewerHoursThanTheFundScaleReliefAndMinimumBase) {
    for (const HoursCase& c : {
             HoursCase{88, "17110.50", "25648.50"}, // half the fund
             HoursCase{176, "34221", "51297"},      // the whole fund
             HoursCase{190, "34221", "51297"},      // more than the fund
         }) {
        const TaxAndContributions r = grossUp("10000", c.hoursWorked);
        EXPECT_EQ(r.Oslobodjenje, din(c.relief)) << c.hoursWorked;
        EXPECT_EQ(r.osnovica_doprinosa, din(c.minimumBase)) << c.hoursWorked;
    }
    // 100 of 168 hours: 34221 × 100 / 168 = 20369.642857 → 20369.64,
    // 51297 × 100 / 168 = 30533.928571 → 30533.93
    const TaxAndContributions r = grossUp("10000", 100, 168);
    EXPECT_EQ(r.Oslobodjenje, din("20369.64"));
    EXPECT_EQ(r.osnovica_doprinosa, din("30533.93"));
}

TEST(NetBased, HalfTheHoursGrossUpWithHalfTheRelief) {
    // P' = 17110.50, M' = 25648.5; Nmin = 25648.5 × 0.701 + 1711.05 = 19690.7485 ≤ 20000
    // base = (2000000 − 171105) / 70.1 = 26089.800285 → 26089.80
    // D = 26089.80 × 0.199 = 5191.8702; tax = (20000 + 5191.8702 − 17110.50) / 9 = 897.93
    const TaxAndContributions r = grossUp("20000", 88);
    EXPECT_EQ(r.osnovica_doprinosa, din("26089.80"));
    EXPECT_EQ(r.porez_na_zaradu, din("897.93"));
}

struct SolidarityCase {
    const char* base;
    const char* tax;
};

TEST(NetBased, SolidarityTaxInWholeDinars) {
    for (const SolidarityCase& c : {
             SolidarityCase{"59999.99", "0"}, SolidarityCase{"60000", "0"},
             SolidarityCase{"60002.50", "0"},    // 0.5 → 0 (half to even)
             SolidarityCase{"60007.50", "2"},    // 1.5 → 2
             SolidarityCase{"86880.19", "5376"}, // 26880.19 × 0.2 = 5376.038
             SolidarityCase{"100000", "8000"},   // 40000 × 0.2
             SolidarityCase{"100001", "8000"},   // 8000 + 0.25
             SolidarityCase{"150000", "20500"},  // 8000 + 50000 × 0.25
         })
        EXPECT_EQ(solidarityTax(din(c.base)), din(c.tax)) << c.base;
}

TEST(NetBased, HoursWorkedCountTheHoursOfPresenceAndPaidAbsence) {
    SalaryInput in;
    in.broj_sati = 136;
    in.dezurstvo_s = 1;
    in.produzeni_rad_s = 2;
    in.pripravnostaktivna_s = 3;
    in.bolovnje65_s = 4;
    in.bolovanje100_s = 5;
    in.godisnji_s = 6;
    in.placeno_odsustvo_s = 7.5;
    in.nocni_rad_s = 100; // premiums on hours already counted do not add hours
    in.pripravnost_s = 100;
    EXPECT_EQ(hoursWorked(in), Exact::decimal(164.5));
}

struct DivisorCase {
    double pio;
    double tax;
    const char* message;
};

TEST(NetBased, RatesLeavingNoDivisorGiveAMessageAndNoResult) {
    for (const DivisorCase& c : {
             DivisorCase{14, 80.1, "Zbir stopa doprinosa i poreza je 100%: obracun nije moguc!"},
             DivisorCase{94.1, 0, "Zbir stopa doprinosa i poreza je 100%: obracun nije moguc!"},
             DivisorCase{14, 100, "Stopa poreza je 100%: obracun nije moguc!"},
         }) {
        MonthParameters m = month2026();
        m.Doprinosi_PIO = c.pio;
        m.porez_zarade = c.tax;
        const auto r = grossUpNet(din("50000"), Exact::whole(176), 176, m);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.message(), c.message);
    }
    // Hours below a fund of 0 (a correction with negative hours) would divide by it.
    const auto r = grossUpNet(din("50000"), Exact::whole(-8), 0, month2026());
    EXPECT_EQ(r.message(), "Fond sati je 0: obracun nije moguc!");
}

} // namespace
} // namespace zarion::test
