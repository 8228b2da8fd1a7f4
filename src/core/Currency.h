#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace zarion {

// A money amount: a signed 64-bit count of 1/10000 of a dinar. Sums and differences are exact;
// every operation that would leave the 64-bit range throws std::overflow_error.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(std::int64_t raw) {
        Currency c;
        c.raw_ = raw;
        return c;
    }
    static Currency fromUnits(std::int64_t dinars);
    // Nearest amount in 1/10000, ties to the even count.
    static Currency fromDouble(double value);
    // Reads a decimal text by the numeric-prefix rule ("12.5abc" is 12.5, "x" is 0); exact for
    // up to four decimals, the fifth and later decimals round half to even.
    static Currency parse(std::string_view text);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const;

    // Rounding to 2 decimals and to whole dinars, half to even.
    Currency round2() const;
    Currency round0() const;
    // Rounding to 2 decimals with halves away from zero, where a rule asks for it.
    Currency round2HalfUp() const;

    Currency operator-() const;
    Currency& operator+=(Currency other);
    Currency& operator-=(Currency other);
    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    // Product with a whole number, exact.
    Currency operator*(std::int64_t factor) const;
    // Product with a rate or factor; the result is rounded to 1/10000, half to even.
    Currency times(double factor) const;
    // Quotient by a plain number; rounded to 1/10000, half to even. Division by zero throws
    // std::domain_error.
    Currency dividedBy(double divisor) const;

    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }
    constexpr auto operator<=>(const Currency&) const = default;

    // Plain decimal text with four decimals and no grouping: "-1234.5000".
    std::string toString() const;
    // The same without the trailing zeros of the decimals: "-1234.5", "12".
    std::string toShortString() const;

private:
    std::int64_t raw_ = 0;
};

Currency operator""_din(long double value);
Currency operator""_din(unsigned long long value);

} // namespace zarion
