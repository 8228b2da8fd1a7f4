#include "core/Currency.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "core/NumericText.h"

namespace zarion {
namespace {

std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        throw std::overflow_error("Currency overflow");
    return r;
}

std::int64_t checkedMul(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        throw std::overflow_error("Currency overflow");
    return r;
}

// Rounds value to the nearest integer, ties to even, refusing what does not fit in 64 bits.
std::int64_t roundToInt64(long double value) {
    if (!std::isfinite(value))
        throw std::overflow_error("Currency overflow");
    const long double r = std::nearbyintl(value); // the default rounding mode is to-nearest-even
    if (r >= 9.2233720368547758e18L || r < -9.2233720368547758e18L)
        throw std::overflow_error("Currency overflow");
    return static_cast<std::int64_t>(r);
}

// Divides by a power of ten with the quotient rounded half to even.
std::int64_t roundRawTo(std::int64_t raw, std::int64_t unit) {
    std::int64_t q = raw / unit;
    std::int64_t rem = raw % unit;
    if (rem < 0) {
        rem += unit;
        q -= 1;
    }
    const std::int64_t twice = rem * 2;
    if (twice > unit || (twice == unit && (q % 2 != 0)))
        q += 1;
    return checkedMul(q, unit);
}

} // namespace

Currency Currency::fromUnits(std::int64_t dinars) {
    return fromRaw(checkedMul(dinars, Scale));
}

Currency Currency::fromDouble(double value) {
    if (!std::isfinite(value))
        throw std::overflow_error("Currency overflow");
    // A double such as 0.1 is not exact; the decimal value it was meant to hold is recovered
    // by going through its shortest decimal form before the half-to-even rounding.
    return parse(numberToText(value));
}

Currency Currency::parse(std::string_view text) {
    const NumericPrefix p = numericPrefix(text);
    if (p.digits.empty())
        return {};
    // digits holds the mantissa without point; pointPos is the count of integer digits
    // (after applying the exponent), so value = 0.digits × 10^pointPos.
    long long exponent = p.pointPos - static_cast<long long>(p.digits.size()) + 4;
    // The magnitude is gathered as a negative count, whose range reaches one further than the
    // positive one, so that the smallest amount reads as well as the largest.
    std::int64_t negated = 0;
    std::size_t used = 0;
    // Take digits until the value has its four decimals; the rest decides the rounding.
    const long long keep = static_cast<long long>(p.digits.size()) + std::min(exponent, 0LL);
    if (keep < 0)
        return {}; // every digit lies below half of 1/10000
    for (; used < p.digits.size() && static_cast<long long>(used) < keep; ++used)
        negated = checkedAdd(checkedMul(negated, 10), -(p.digits[used] - '0'));
    if (exponent > 0) {
        for (long long i = 0; i < exponent; ++i)
            negated = checkedMul(negated, 10);
    } else if (used < p.digits.size()) {
        const int first = p.digits[used] - '0';
        bool restNonZero = false;
        for (std::size_t i = used + 1; i < p.digits.size(); ++i)
            restNonZero = restNonZero || p.digits[i] != '0';
        const bool up = first > 5 || (first == 5 && (restNonZero || negated % 2 != 0));
        if (up)
            negated = checkedAdd(negated, -1);
    }
    return p.negative ? fromRaw(negated) : -fromRaw(negated);
}

double Currency::toDouble() const {
    return static_cast<double>(raw_) / Scale;
}

Currency Currency::round2() const {
    return fromRaw(roundRawTo(raw_, 100));
}
Currency Currency::round0() const {
    return fromRaw(roundRawTo(raw_, Scale));
}

Currency Currency::round2HalfUp() const {
    // Quotient and remainder first: adding the half before dividing would leave the range at
    // its ends.
    const std::int64_t q = raw_ / 100;
    const std::int64_t rem = raw_ % 100; // takes the sign of the amount
    const std::int64_t away = rem >= 50 ? 1 : (rem <= -50 ? -1 : 0);
    return fromRaw(checkedMul(checkedAdd(q, away), 100));
}

Currency Currency::operator-() const {
    if (raw_ == std::numeric_limits<std::int64_t>::min())
        throw std::overflow_error("Currency overflow");
    return fromRaw(-raw_);
}

Currency& Currency::operator+=(Currency other) {
    raw_ = checkedAdd(raw_, other.raw_);
    return *this;
}

Currency& Currency::operator-=(Currency other) {
    return *this += -other;
}

Currency Currency::operator*(std::int64_t factor) const {
    return fromRaw(checkedMul(raw_, factor));
}

// The product and the quotient are taken as doubles, as the calculation rules have them, so that
// a half meant in decimals (0.001 × 0.15) is the half that gets rounded to even.
Currency Currency::times(double factor) const {
    return fromRaw(roundToInt64(static_cast<double>(raw_) * factor));
}

Currency Currency::dividedBy(double divisor) const {
    if (divisor == 0.0)
        throw std::domain_error("division by zero");
    return fromRaw(roundToInt64(static_cast<double>(raw_) / divisor));
}

std::string Currency::toString() const {
    const bool negative = raw_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(raw_) : static_cast<std::uint64_t>(raw_);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / Scale),
                  static_cast<unsigned long long>(magnitude % Scale));
    return buffer;
}

std::string Currency::toShortString() const {
    std::string text = toString();
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

Currency operator""_din(long double value) {
    return Currency::fromDouble(static_cast<double>(value));
}
Currency operator""_din(unsigned long long value) {
    return Currency::fromUnits(static_cast<std::int64_t>(value));
}

} // namespace zarion
