#include "payroll/Exact.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace zarion::payroll {
namespace {

constexpr int maxDecimals = 12;

[[noreturn]] void overflow() {
    throw std::overflow_error("Exact overflow");
}

WideInt absolute(WideInt v) {
    return v < 0 ? -v : v;
}

WideInt gcd(WideInt a, WideInt b) {
    a = absolute(a);
    b = absolute(b);
    while (b != 0) {
        const WideInt r = a % b;
        a = b;
        b = r;
    }
    return a;
}

WideInt mul(WideInt a, WideInt b) {
    WideInt r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        overflow();
    return r;
}

WideInt add(WideInt a, WideInt b) {
    WideInt r = 0;
    if (__builtin_add_overflow(a, b, &r))
        overflow();
    return r;
}

WideInt powerOfTen(int exponent) {
    WideInt p = 1;
    for (int i = 0; i < exponent; ++i)
        p = mul(p, 10);
    return p;
}

// Quotient rounded to the nearest whole number, ties to the even one; den is positive.
WideInt divideHalfEven(WideInt num, WideInt den) {
    WideInt q = num / den;
    WideInt rem = num % den;
    if (rem < 0) {
        rem += den;
        q -= 1;
    }
    const WideInt twice = rem * 2; // rem < den, and den is far below the range
    if (twice > den || (twice == den && q % 2 != 0))
        q += 1;
    return q;
}

} // namespace

Exact::Exact(WideInt num, WideInt den) {
    if (den == 0)
        throw std::domain_error("division by zero");
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const WideInt g = gcd(num, den);
    num_ = g > 1 ? num / g : num;
    den_ = g > 1 ? den / g : den;
}

Exact::Exact(Currency amount)
    : Exact(amount.raw(), Currency::Scale) {}

Exact Exact::whole(std::int64_t value) {
    return Exact(value, 1);
}

Exact Exact::decimal(double value) {
    if (!std::isfinite(value))
        overflow();
    if (value == 0.0)
        return {};
    // Shortest round-trip form "d.ddddde±x": the digits and the power of ten they stand at.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc{})
        overflow();
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    WideInt digits = 0;
    int fraction = 0; // digits after the point
    bool afterPoint = false;
    for (std::size_t i = 0; i < e; ++i) {
        const char c = text[i];
        if (c == '.') {
            afterPoint = true;
        } else if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            fraction += afterPoint ? 1 : 0;
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    if (value < 0)
        digits = -digits;
    // value = digits × 10^(exponent − fraction)
    const int shift = exponent - fraction;
    if (shift >= 0)
        return Exact(mul(digits, powerOfTen(shift)), 1);
    const int decimals = -shift;
    if (decimals <= maxDecimals)
        return Exact(digits, powerOfTen(decimals));
    if (decimals - maxDecimals > 30)
        return {};
    return Exact(divideHalfEven(digits, powerOfTen(decimals - maxDecimals)),
                 powerOfTen(maxDecimals));
}

Exact operator+(const Exact& a, const Exact& b) {
    const WideInt g = gcd(a.den_, b.den_);
    return Exact(add(mul(a.num_, b.den_ / g), mul(b.num_, a.den_ / g)), mul(a.den_, b.den_ / g));
}

Exact operator-(const Exact& a, const Exact& b) {
    return a + (-b);
}

Exact operator*(const Exact& a, const Exact& b) {
    // Cross-reduce first so the products stay small.
    const WideInt g1 = gcd(a.num_, b.den_);
    const WideInt g2 = gcd(b.num_, a.den_);
    const WideInt n1 = g1 > 1 ? a.num_ / g1 : a.num_;
    const WideInt d2 = g1 > 1 ? b.den_ / g1 : b.den_;
    const WideInt n2 = g2 > 1 ? b.num_ / g2 : b.num_;
    const WideInt d1 = g2 > 1 ? a.den_ / g2 : a.den_;
    return Exact(mul(n1, n2), mul(d1, d2));
}

Exact operator/(const Exact& a, const Exact& b) {
    if (b.num_ == 0)
        throw std::domain_error("division by zero");
    return a * Exact(b.den_, b.num_);
}

std::strong_ordering operator<=>(const Exact& a, const Exact& b) {
    return mul(a.num_, b.den_) <=> mul(b.num_, a.den_);
}

std::int64_t Exact::floor() const {
    WideInt q = num_ / den_;
    if (num_ % den_ != 0 && num_ < 0)
        q -= 1;
    return static_cast<std::int64_t>(q);
}

double Exact::toDouble() const {
    return static_cast<double>(static_cast<long double>(num_) / static_cast<long double>(den_));
}

Currency Exact::roundTo(int decimals) const {
    const WideInt units = divideHalfEven(mul(num_, powerOfTen(decimals)), den_);
    const WideInt raw = mul(units, powerOfTen(4 - decimals));
    if (raw > INT64_MAX || raw < INT64_MIN)
        overflow();
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

} // namespace zarion::payroll
