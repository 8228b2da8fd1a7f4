#pragma once

#include <string>

namespace zarion {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const Date&) const = default;
};

struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Logic never reads the clock itself: it is handed one, so tests can fix the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    Date today() const { return now().date; }
};

class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime at)
        : at_(at) {}
    DateTime now() const override { return at_; }

private:
    DateTime at_;
};

// 31, 30, or for February 29 when the year is divisible by 4 and 28 otherwise; 0 outside 1–12.
int DaysInMonth(int month, int year);
// Monday-to-Friday days of the month, or of its days up to lastDay.
int WorkingDays(int month, int year, int lastDay = 31);
int DayOfYear(const Date& date);

// A month as one comparable number: year × 100 + month.
constexpr int Period(int year, int month) {
    return year * 100 + month;
}

// "YYYY-MM-DD", the form dates are stored in; parsing gives an empty Date on bad text.
std::string toIsoText(const Date& date);
Date dateFromIsoText(const std::string& text);
// "DD.MM.YYYY", the form the windows and reports show.
std::string toDisplayText(const Date& date);

} // namespace zarion
