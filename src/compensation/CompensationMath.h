#pragma once

#include "core/Currency.h"
#include "payroll/Exact.h"

namespace zarion::compensation {

using payroll::Exact;

inline const Exact Hundred = Exact::whole(100);

// amount × rate / 100, rounded to 2 decimals.
inline Currency percentOf(Currency amount, double rate) {
    return (Exact(amount) * Exact::decimal(rate) / Hundred).round2();
}

} // namespace zarion::compensation
