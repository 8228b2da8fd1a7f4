// Whole years of service for seniority: floor of the months / 12, with and without prior service.
#include "payroll/ServiceYears.h"

#include <gtest/gtest.h>

namespace zarion::test {
namespace {

using payroll::serviceYears;

struct YearsCase {
    Date employed;
    int pg, pm;
    int year, month;
    int withCompany; // floor(M / 12)
    int total;       // floor((pg × 12 + Pm + M) / 12)
};

TEST(ServiceYears, WholeYearsRoundedDown) {
    for (const YearsCase& c : {
             // M = 2026×12+3 − (2015×12+6) = 129 → 10
             YearsCase{{2015, 6, 1}, 0, 0, 2026, 3, 10, 10},
             // M = 120 exactly → 10; M = 119 → 9
             YearsCase{{2016, 3, 31}, 0, 0, 2026, 3, 10, 10},
             YearsCase{{2016, 4, 1}, 0, 0, 2026, 3, 9, 9},
             // prior 2 years 5 months: (24 + 5 + 119) / 12 = 148 / 12 → 12
             YearsCase{{2016, 4, 1}, 2, 5, 2026, 3, 9, 12},
             // one prior month carries 119 months over the tenth year
             YearsCase{{2016, 4, 1}, 0, 1, 2026, 3, 9, 10},
             // across the year boundary: December 2025 → January 2026 is one month
             YearsCase{{2025, 12, 1}, 0, 0, 2026, 1, 0, 0},
             YearsCase{{2025, 1, 20}, 0, 0, 2026, 1, 1, 1},
             YearsCase{{2024, 11, 1}, 0, 11, 2026, 1, 1, 2}, // M = 14; (11 + 14) / 12 → 2
             // no employment date, or one after the month: M = 0, prior service still counts
             YearsCase{{}, 3, 4, 2026, 3, 0, 3},
             YearsCase{{2026, 5, 1}, 0, 0, 2026, 3, 0, 0},
         }) {
        const auto without = serviceYears(c.employed, c.pg, c.pm, c.year, c.month, false);
        const auto with = serviceYears(c.employed, c.pg, c.pm, c.year, c.month, true);
        EXPECT_EQ(without.withCompany, c.withCompany) << toIsoText(c.employed);
        EXPECT_EQ(without.total, c.total) << toIsoText(c.employed);
        EXPECT_EQ(without.counted, c.withCompany) << toIsoText(c.employed);
        EXPECT_EQ(with.counted, c.total) << toIsoText(c.employed);
    }
}

TEST(ServiceYears, CountedYearsSplitAt2019) {
    // Employed September 2012 with 3 years 4 months before: 162 months with the company,
    // (36 + 4 + 162) / 12 → 16 counted; from January 2019 to March 2026 is 86 months → 7.
    const auto y = serviceYears({2012, 9, 1}, 3, 4, 2026, 3, true);
    EXPECT_EQ(y.counted, 16);
    EXPECT_EQ(y.from2019, 7);
    EXPECT_EQ(y.before2019, 9);
    // Employed after 2019: nothing before.
    const auto late = serviceYears({2020, 3, 1}, 0, 0, 2026, 3, false);
    EXPECT_EQ(late.from2019, 6);
    EXPECT_EQ(late.before2019, 0);
}

} // namespace
} // namespace zarion::test
