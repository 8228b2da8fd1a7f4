#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "payroll/AverageHourlyEarnings.h"
#include "payroll/Exact.h"

namespace zarion::payroll {

// The hours and amounts the average earnings per hour are taken from, for the twelve months
// before a month: each month's final calculation (obracuni) and sick-leave compensation
// (bolovanja_obracuni), each taken from the first database of the list that has it. Loaded for
// one employee, or for every employee at once with one query per table and database, so a batch
// does not ask twelve months of every employee one by one.
class EarningsHistory {
public:
    static EarningsHistory load(std::span<db::Database* const> databases, int year, int month,
                                AverageVariant variant,
                                std::optional<std::int64_t> employeeId = std::nullopt);

    // round2(E / H), or E / 2H for the advance; empty when either sum is 0. Throws
    // std::overflow_error for an employee whose history holds an amount out of range.
    std::optional<Currency> average(std::int64_t employeeId) const;

private:
    struct Sums {
        Currency hours;   // the hours with at most four decimals
        Exact otherHours; // any other, as Exact::decimal reads it
        Currency amount;
        bool outOfRange = false;

        void addHours(double value);
    };

    explicit EarningsHistory(AverageVariant variant)
        : variant_(variant) {}

    AverageVariant variant_;
    std::unordered_map<std::int64_t, Sums> sums_;
};

} // namespace zarion::payroll
