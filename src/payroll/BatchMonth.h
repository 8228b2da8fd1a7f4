#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "employees/DeductionPricing.h"
#include "payroll/EarningsHistory.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryCalculation.h"
#include "payroll/Settings.h"

namespace zarion::payroll {

// One employee of the batch window's list.
struct BatchEmployee {
    std::int64_t id = 0;
    std::string name;    // surname and name
    bool posted = false; // has a posted calculation of the window's kind: normal colour, else red
};

// The three counters under the list: not yet calculated, calculated, and "Uk:" the total.
struct BatchCounters {
    int notCalculated = 0;
    int calculated = 0;
    int total = 0;
};

// The month's employees in one pass over radnici, in the Serbian alphabetical order of their
// names. An employee with a posted calculation of the kind is listed; one without is listed (red)
// only while he is in the company (nije_u_ro false) and no sick-leave case (bolovanja,
// bolovanjaPOR, not deleted) runs from the month's first day or earlier to its last day or later.
std::vector<BatchEmployee> monthEmployees(db::Database& payrollDb, const CalculationPeriod& period);

BatchCounters countEmployees(const std::vector<BatchEmployee>& employees);

// The company's database of the year before, for the history of the months before January;
// null when there is none or it cannot be opened.
std::unique_ptr<db::Database> openPreviousYear(const std::filesystem::path& file);

// What a month's calculation reads once, for one employee or for all of them: the month's
// rates, the settings, the hour fund and the earnings history of the twelve months before (from
// the payroll database and, for the months of the year before, the previous year's database).
class BatchMonth {
public:
    // "Greska kod pronalazenja parametara za izabrani mesec!" when the month was never started.
    // `previousYear` may be null when there is no database of the year before.
    static Outcome<BatchMonth> open(db::Database& payrollDb, db::Database* previousYear,
                                    const CalculationPeriod& period);

    db::Database& db() const { return *db_; }
    const CalculationPeriod& period() const { return period_; }
    const MonthParameters& parameters() const { return parameters_; }
    const Settings& settings() const { return settings_; }
    const HourFund& fund() const { return fund_; }
    bool isFinal() const { return period_.kind == CalculationKind::Final; }
    // The part of the month's deductions a calculation of the kind prices.
    employees::DeductionPart deductionPart() const {
        return isFinal() ? employees::DeductionPart::Second : employees::DeductionPart::First;
    }

    // The average earnings per hour from the history; empty when there is none.
    std::optional<Currency> historyAverage(std::int64_t employeeId) const {
        return history_.average(employeeId);
    }

private:
    BatchMonth(db::Database& db, const CalculationPeriod& period, MonthParameters parameters,
               Settings settings, EarningsHistory history);

    db::Database* db_;
    CalculationPeriod period_;
    MonthParameters parameters_;
    Settings settings_;
    HourFund fund_;
    EarningsHistory history_;
};

} // namespace zarion::payroll
