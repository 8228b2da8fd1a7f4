#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Dates.h"

namespace zarion::demo {

// The statutory figures of one calendar year, in whole dinars (tax 10 %, employee contributions
// 14 / 5.15 / 0.75 %, employer 10 / 5.15 / 0 % are the same in every year listed).
struct YearFigures {
    int year;
    std::int64_t nonTaxable;  // monthly non-taxable amount, full time
    std::int64_t lowestBase;  // lowest monthly contribution base
    std::int64_t highestBase; // highest monthly contribution base
};

inline constexpr std::array<YearFigures, 4> yearFigures{{
    {2023, 21712, 35025, 500360},
    {2024, 25000, 40143, 573470},
    {2025, 28423, 45950, 656425},
    {2026, 34221, 51297, 732820},
}};

// The figures of the year, or of the nearest year listed for a year outside the list.
inline const YearFigures& figuresFor(int year) {
    const int first = yearFigures.front().year;
    const int last = yearFigures.back().year;
    return yearFigures[static_cast<std::size_t>(std::clamp(year, first, last) - first)];
}

// The minimum net price of an hour of work and the day it took effect.
struct MinimumWage {
    Date from;
    std::int64_t netPerHour;
};

inline constexpr std::array<MinimumWage, 5> minimumWages{{
    {{2023, 1, 1}, 230},
    {{2024, 1, 1}, 271},
    {{2025, 1, 1}, 308},
    {{2025, 10, 1}, 337},
    {{2026, 1, 1}, 371},
}};

// The price in force on the day; before the first entry, the first.
inline std::int64_t minimumNetPerHour(const Date& day) {
    std::int64_t price = minimumWages.front().netPerHour;
    for (const MinimumWage& wage : minimumWages)
        if (wage.from <= day)
            price = wage.netPerHour;
    return price;
}

// The hours of the month the minimum net wage of a full month is reckoned on (22 working days).
inline constexpr std::int64_t fullMonthHours = 176;

} // namespace zarion::demo
