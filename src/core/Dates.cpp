#include "core/Dates.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace zarion {

DateTime SystemClock::now() const {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            local.tm_hour,
            local.tm_min,
            local.tm_sec};
}

int DaysInMonth(int month, int year) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

int WorkingDays(int month, int year, int lastDay) {
    using namespace std::chrono;
    int count = 0;
    for (int d = 1; d <= std::min(lastDay, DaysInMonth(month, year)); ++d) {
        const weekday wd{sys_days{std::chrono::year{year} / month / d}};
        if (wd != Saturday && wd != Sunday)
            ++count;
    }
    return count;
}

int DayOfYear(const Date& date) {
    int days = date.day;
    for (int m = 1; m < date.month; ++m)
        days += DaysInMonth(m, date.year);
    return days;
}

std::string toIsoText(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

Date dateFromIsoText(const std::string& text) {
    Date d;
    if (std::sscanf(text.c_str(), "%d-%d-%d", &d.year, &d.month, &d.day) != 3 || d.month < 1 ||
        d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.month, d.year))
        return {};
    return d;
}

std::string toDisplayText(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date.day, date.month, date.year);
    return buffer;
}

} // namespace zarion
