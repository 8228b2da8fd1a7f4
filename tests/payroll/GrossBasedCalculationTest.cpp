// The calculation from gross, the gross for a net, the statutory bases of kinds 3 and 4, the
// quick whole-dinar conversions and the minimum net check.
#include "payroll/GrossBasedCalculation.h"

#include <gtest/gtest.h>

#include "PayrollFixtures.h"

namespace zarion::test {
namespace {

using namespace payroll;

const Currency relief = din("34221");

TEST(GrossBased, FromARealisticGross) {
    ContributionRates rates = contributionRates(month2026());
    rates.doprinosi_ro = 1.5;
    rates.doprinosi_ro2 = 0.25;
    auto r = fromGross(din("100000"), withoutBounds(relief), rates);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->porez_na_zaradu, din("6577.90")); // (100000 − 34221) × 0.10
    EXPECT_EQ(r->Doprinosi_PIO, din("14000"));
    EXPECT_EQ(r->Doprinosi_zo, din("5150"));
    EXPECT_EQ(r->doprinosi_nezaposlenost, din("750"));
    EXPECT_EQ(r->ukupno_doprinosa, din("19900"));
    EXPECT_EQ(r->NETO, din("73522.10")); // 100000 − 19900 − 6577.90
    EXPECT_EQ(r->Doprinosi_PIO_F, din("10000"));
    EXPECT_EQ(r->Doprinosi_zo_F, din("5150"));
    EXPECT_EQ(r->doprinosi_nezaposlenost_f, din("0"));
    EXPECT_EQ(r->doprinosi_ro_f, din("1500"));
    EXPECT_EQ(r->doprinosi_ro_f2, din("250"));
    EXPECT_EQ(r->doprinosi_ro_f3, din("0"));
    EXPECT_EQ(r->ukupno_doprinosa_F, din("16900"));
    EXPECT_EQ(r->ukupno_obaveza, din("116900"));
    EXPECT_EQ(r->BRUTO, din("100000"));
    EXPECT_EQ(r->osnovica_doprinosa, din("100000"));
}

TEST(GrossBased, GrossBelowTheReliefPaysNoTax) {
    auto r = fromGross(din("30000"), withoutBounds(relief), contributionRates(month2026()));
    EXPECT_EQ(r->porez_na_zaradu, din("0"));
    EXPECT_EQ(r->NETO, din("24030")); // 30000 − 5970
}

TEST(GrossBased, NetToGrossAndBack) {
    const ContributionRates rates = contributionRates(month2026());
    // (73522.10 − 3422.10) / 0.701 = 100000
    EXPECT_EQ(*grossForNet(din("73522.10"), withoutBounds(relief), rates), din("100000"));
    EXPECT_EQ(fromNet(din("73522.10"), withoutBounds(relief), rates)->NETO, din("73522.10"));
    // (50000 − 3422.10) / 0.701 = 66444.9358 → 66444.94; back: tax 3222.394 → 3222.39,
    // PIO 9302.2916 → 9302.29, ZO 3421.91441 → 3421.91, NEZ 498.33705 → 498.34:
    // 66444.94 − 13222.54 − 3222.39 = 50000.01 (one closed formula, no iteration)
    auto r = fromNet(din("50000"), withoutBounds(relief), rates);
    EXPECT_EQ(r->BRUTO, din("66444.94"));
    EXPECT_EQ(r->NETO, din("50000.01"));
}

TEST(GrossBased, QuickConversionsInWholeDinars) {
    const ContributionRates rates = contributionRates(month2026());
    EXPECT_EQ(*quickNetForGross(din("100000"), relief, rates), din("73522")); // 73522.1
    // (73522 − 3422.1) / 0.701 = 99999.857 → 100000
    EXPECT_EQ(*quickGrossForNet(din("73522"), relief, rates), din("100000"));
    // 400 × 0.701 + 3422.1 = 3702.5 → 3702 (half to even)
    EXPECT_EQ(*quickNetForGross(din("400"), relief, rates), din("3702"));
}

TEST(GrossBased, SickLeaveOver30DaysTakesTheMinimumBase) {
    // kind 3, 88 of 176 hours: PO = round2(34221 × 88 / 176) = 17110.50; base 51297:
    // PIO 7181.58, ZO 2641.80, NEZ 384.73 = 10208.11; tax (51297 − 17110.50) × 0.1 = 3418.65
    auto r =
        onMinimumBase(din("30000"), relief, 88, 176, month2026(), contributionRates(month2026()));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->Oslobodjenje, din("17110.50"));
    EXPECT_EQ(r->osnovica_doprinosa, din("51297"));
    EXPECT_EQ(r->ukupno_doprinosa, din("10208.11"));
    EXPECT_EQ(r->porez_na_zaradu, din("3418.65"));
    EXPECT_EQ(r->NETO, din("30000"));
    EXPECT_EQ(r->BRUTO, din("43626.76"));             // 30000 + 10208.11 + 3418.65
    EXPECT_EQ(r->ukupno_doprinosa_F, din("7771.50")); // 5129.70 + 2641.80
    EXPECT_EQ(r->ukupno_obaveza, din("51398.26"));
    EXPECT_EQ(
        onMinimumBase(din("30000"), relief, 88, 0, month2026(), contributionRates(month2026()))
            .message(),
        "Fond sati je 0: obracun nije moguc!");
}

BaseLimits limitsOf(const MonthParameters& m, int hoursWorked, int fund) {
    auto limits = limitsForHours(m.iznos_poreskog_oslobojenja, m, Exact::whole(hoursWorked), fund);
    EXPECT_TRUE(limits.ok()) << limits.message();
    return limits.ok() ? *limits : BaseLimits{};
}

TEST(GrossBased, AGrossAboveTheHighestBasePaysContributionsOnItAndTaxOnTheWholeGross) {
    const BaseLimits full = limitsOf(month2026(), 176, 176);
    const ContributionRates rates = contributionRates(month2026());
    auto r = fromGross(din("1000000"), full, rates);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->BRUTO, din("1000000"));
    EXPECT_EQ(r->osnovica_doprinosa, din("732820"));
    EXPECT_EQ(r->porez_na_zaradu, din("96577.90")); // 10 % × (1,000,000 − 34,221)
    EXPECT_EQ(r->ukupno_doprinosa, din("145831.18"));
    EXPECT_EQ(r->NETO, din("757590.92")); // 1,000,000 − 145,831.18 − 96,577.90
    EXPECT_EQ(r->Doprinosi_PIO_F, din("73282"));
    EXPECT_EQ(r->ukupno_obaveza, din("1111022.23"));

    // From net 600,000: (600000 − 3422.10) / 0.701 = 851038.37 is above the highest base, so
    // gross = (600000 + 145831.18 − 3422.10) / 0.9 = 824898.9778 → 824898.98.
    EXPECT_EQ(*grossForNet(din("600000"), full, rates), din("824898.98"));
    auto back = fromNet(din("600000"), full, rates);
    EXPECT_EQ(back->porez_na_zaradu, din("79067.80")); // (824898.98 − 34221) × 0.1
    EXPECT_EQ(back->NETO, din("600000"));
    EXPECT_EQ(back->ukupno_obaveza, din("935921.21")); // 824898.98 + 73282 + 37740.23
}

TEST(GrossBased, AGrossBelowTheLowestBasePaysContributionsOnIt) {
    // 2025, full time: base 45950; PIO 6433, ZO 2366.425 → 2366.42 (half to even), NEZ
    // 344.625 → 344.62: 9144.04; tax (30000 − 28423) × 0.1 = 157.70; net 20698.26
    const BaseLimits full = limitsOf(month2025(), 168, 168);
    const ContributionRates rates = contributionRates(month2025());
    auto r = fromGross(din("30000"), full, rates);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->osnovica_doprinosa, din("45950"));
    EXPECT_EQ(r->Doprinosi_zo, din("2366.42"));
    EXPECT_EQ(r->doprinosi_nezaposlenost, din("344.62"));
    EXPECT_EQ(r->ukupno_doprinosa, din("9144.04"));
    EXPECT_EQ(r->porez_na_zaradu, din("157.70"));
    EXPECT_EQ(r->NETO, din("20698.26"));
    EXPECT_EQ(r->ukupno_obaveza, din("36961.42")); // + 4595 + 2366.42
    // Back from that net: (20698.26 + 9144.04 − 28423) / 9 = 157.70; 20698.26 + 9144.04 + 157.70
    EXPECT_EQ(*grossForNet(din("20698.26"), full, rates), din("30000"));
    // Below the relief no tax: 15000 + 9144.04
    EXPECT_EQ(*grossForNet(din("15000"), full, rates), din("24144.04"));
}

TEST(GrossBased, PartTimeScalesTheReliefAndTheLowestBaseByTheHours) {
    // 84 of 168 hours in 2025: relief 28423 / 2 = 14211.50, lowest base 45950 / 2 = 22975;
    // tax (30000 − 14211.50) × 0.1 = 1578.85, contributions on 30000, net 22451.15
    const BaseLimits half = limitsOf(month2025(), 84, 168);
    EXPECT_EQ(half.relief, din("14211.50"));
    EXPECT_EQ(half.lowest, Exact::whole(22975));
    EXPECT_EQ(half.highest, din("656425"));
    auto r = fromGross(din("30000"), half, contributionRates(month2025()));
    EXPECT_EQ(r->porez_na_zaradu, din("1578.85"));
    EXPECT_EQ(r->osnovica_doprinosa, din("30000"));
    EXPECT_EQ(r->NETO, din("22451.15"));
    auto low = fromGross(din("20000"), half, contributionRates(month2025()));
    EXPECT_EQ(low->osnovica_doprinosa, din("22975"));
    EXPECT_EQ(limitsForHours(din("28423"), month2025(), Exact::whole(-8), 0).message(),
              "Fond sati je 0: obracun nije moguc!");
}

struct MinimumCase {
    int kind;
    double hours;
    int fund;
    const char* minimum;
};

TEST(GrossBased, MinimumNetForPartTimeFollowsTheHours) {
    for (const MinimumCase& c : {
             MinimumCase{1, 100, 168, "38867"}, // 65296 × 100 / 168 = 38866.67
             MinimumCase{1, 88, 176, "32648"},  // 65296 / 2
             MinimumCase{1, 100, 0, "65296"},   // no fund: the whole minimum
             MinimumCase{0, 100, 168, "65296"}, // full time: the whole minimum
             MinimumCase{2, 100, 168, "65296"},
         }) {
        const MinimumNetCheck below =
            checkMinimumNet(din(c.minimum) - din("0.01"), c.kind, din("65296"), c.hours, c.fund);
        EXPECT_EQ(below.minimum, din(c.minimum)) << c.kind << " " << c.hours;
        EXPECT_TRUE(below.below);
        EXPECT_FALSE(checkMinimumNet(din(c.minimum), c.kind, din("65296"), c.hours, c.fund).below);
    }
}

TEST(GrossBased, RatesAddingUpTo100LeaveNoGrossForANet) {
    MonthParameters m = month2026();
    m.porez_zarade = 80.1;
    const ContributionRates rates = contributionRates(m);
    const std::string message = "Zbir stopa doprinosa i poreza je 100%: obracun nije moguc!";
    EXPECT_EQ(grossForNet(din("50000"), withoutBounds(relief), rates).message(), message);
    EXPECT_EQ(fromNet(din("50000"), withoutBounds(relief), rates).message(), message);
    EXPECT_EQ(quickGrossForNet(din("50000"), relief, rates).message(), message);
    EXPECT_TRUE(
        fromGross(din("50000"), withoutBounds(relief), rates).ok()); // from gross nothing divides
}

} // namespace
} // namespace zarion::test
