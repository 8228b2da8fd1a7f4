#pragma once

#include <compare>
#include <cstdint>

#include "core/Currency.h"

namespace zarion::payroll {

__extension__ typedef __int128 WideInt;

// An exact rational number for the products and quotients of the calculation rules. Money enters
// with its four decimals, rates and hours as the decimal they were typed as (5.15 is 515/100), so
// the order of the factors never changes a figure and a half meant in decimals is rounded half to
// even as a half. Rounding happens only where a rule says, through round2/round0/money.
// Leaving the range throws std::overflow_error, dividing by zero std::domain_error; the calculation
// checks its divisors before it divides.
class Exact {
public:
    Exact() = default;
    Exact(Currency amount); // NOLINT(google-explicit-constructor): money is exact
    static Exact whole(std::int64_t value);
    // The decimal a double stands for (its shortest round-trip text), cut to 12 decimals.
    static Exact decimal(double value);

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);
    friend Exact operator/(const Exact& a, const Exact& b);
    Exact& operator+=(const Exact& other) { return *this = *this + other; }
    Exact& operator-=(const Exact& other) { return *this = *this - other; }
    Exact operator-() const { return Exact(-num_, den_); }

    friend std::strong_ordering operator<=>(const Exact& a, const Exact& b);
    friend bool operator==(const Exact& a, const Exact& b) {
        return a.num_ == b.num_ && a.den_ == b.den_;
    }

    bool isZero() const { return num_ == 0; }
    bool isNegative() const { return num_ < 0; }

    // The one rounding rule of every amount: half to even on the exact decimal value, to 2
    // decimals, to whole dinars, and to the four decimals of money. A half is a half as the
    // decimals say: 2645.115 → 2645.12 and 2366.425 → 2366.42, whichever side of it the nearest
    // double happens to lie.
    Currency round2() const { return roundTo(2); }
    Currency round0() const { return roundTo(0); }
    Currency money() const { return roundTo(4); }
    // Whole part, towards minus infinity.
    std::int64_t floor() const;
    double toDouble() const;

private:
    Exact(WideInt num, WideInt den);
    Currency roundTo(int decimals) const;

    WideInt num_ = 0;
    WideInt den_ = 1;
};

} // namespace zarion::payroll
