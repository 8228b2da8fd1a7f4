#include "core/Dates.h"

#include <gtest/gtest.h>

namespace zarion {
namespace {

struct MonthCase {
    int month;
    int year;
    int days;
};

TEST(DaysInMonth, FollowsTheCalendarWithEveryFourthYearLeap) {
    const MonthCase cases[] = {
        {2, 2024, 29},  {2, 2023, 28}, {2, 2000, 29}, {1, 2023, 31}, {4, 2023, 30},
        {6, 2026, 30},  {7, 2026, 31}, {8, 2026, 31}, {9, 2026, 30}, {11, 2026, 30},
        {12, 2026, 31}, {13, 2026, 0}, {0, 2026, 0},  {-1, 2026, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(WorkingDays, CountsMondayToFriday) {
    const MonthCase cases[] = {
        {12, 2026, 23}, {2, 2024, 21}, {2, 2023, 20}, {2, 2026, 20},
        {6, 2025, 21},  {1, 2026, 22}, {13, 2026, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorkingDays(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(DayOfYear, CountsFromTheFirstOfJanuary) {
    EXPECT_EQ(DayOfYear({2026, 12, 4}), 338);
    EXPECT_EQ(DayOfYear({2026, 1, 1}), 1);
    EXPECT_EQ(DayOfYear({2024, 12, 31}), 366);
    EXPECT_EQ(DayOfYear({2023, 12, 31}), 365);
    EXPECT_EQ(DayOfYear({2024, 3, 1}), 61);
}

TEST(PeriodOfMonth, ComparesAcrossYears) {
    EXPECT_EQ(Period(2026, 12), 202612);
    EXPECT_LT(Period(2026, 12), Period(2027, 1));
    EXPECT_LT(Period(2026, 2), Period(2026, 11));
}

TEST(IsoDate, WritesAndReadsTheStoredForm) {
    EXPECT_EQ(toIsoText({2026, 12, 4}), "2026-12-04");
    EXPECT_EQ(toDisplayText({2026, 12, 4}), "04.12.2026");
    EXPECT_EQ(dateFromIsoText("2026-12-04"), (Date{2026, 12, 4}));
    EXPECT_EQ(dateFromIsoText("2024-02-29"), (Date{2024, 2, 29}));
    EXPECT_EQ(dateFromIsoText("2026-12-04 10:15:00"), (Date{2026, 12, 4}));
    for (const Date d : {Date{2026, 1, 31}, Date{1999, 7, 1}, Date{2024, 2, 29}})
        EXPECT_EQ(dateFromIsoText(toIsoText(d)), d);
}

TEST(IsoDate, BadTextGivesTheEmptyDate) {
    for (const char* text : {"", "garbage", "2026-12", "2023-02-29", "2026-13-01", "2026-00-10",
                             "2026-04-31", "2026-12-00", "04.12.2026"})
        EXPECT_EQ(dateFromIsoText(text), Date{}) << '"' << text << '"';
}

TEST(Clock, FixedClockGivesItsDay) {
    const FixedClock clock({{2026, 12, 4}, 9, 30, 15});
    EXPECT_EQ(clock.today(), (Date{2026, 12, 4}));
    EXPECT_EQ(clock.now().minute, 30);
    const Date today = SystemClock().today();
    EXPECT_GE(today.year, 2024);
    EXPECT_GE(DaysInMonth(today.month, today.year), today.day);
}

} // namespace
} // namespace zarion
