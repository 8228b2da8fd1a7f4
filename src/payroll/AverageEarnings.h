#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "payroll/Outcome.h"

// The review of average salaries over a period: per month the number of employees paid and the
// month's gross and net from the final calculations, their totals and the averages per paid
// employee-month, for the company and optionally for a second company beside it.
namespace zarion::payroll {

// From month/year to month/year; months are compared as year × 100 + month.
struct AveragePeriod {
    int fromMonth = 1;
    int fromYear = 0;
    int toMonth = 12;
    int toYear = 0;
    int from() const { return fromYear * 100 + fromMonth; }
    int to() const { return toYear * 100 + toMonth; }
};

struct AverageRow {
    int month = 0;
    int year = 0;
    std::int64_t employees = 0;
    Currency gross;
    Currency net;
};

// Averages: total gross and total net over the employee-months, each to 2 decimals.
struct Averages {
    Currency gross;
    Currency net;
};

struct AverageTable {
    std::string title; // the second company's name; empty for the company worked on
    std::vector<AverageRow> rows;
    std::int64_t employees = 0;
    Currency gross;
    Currency net;
    // Nothing when the table holds no employee-month: there is nothing to divide by.
    std::optional<Averages> averages;
};

// The months of the period in year × 100 + month order, from one grouped query on obracuni.
AverageTable loadAverageTable(db::Database& payrollDb, const AveragePeriod& period);

// The common average over both tables from the sums of both; nothing when neither has a row.
std::optional<Averages> commonAverages(const AverageTable& first, const AverageTable& second);

// The table of company number `companyNumber` for the same year: its payroll database under the
// data root, its name from its company database. A company without a payroll database for the
// year gives otherCompanyMissing.
Outcome<AverageTable> loadOtherCompanyTable(const std::filesystem::path& dataRoot, int year,
                                            long long companyNumber, const AveragePeriod& period);

// "Mesec" of a row: month "/" year.
std::string monthText(const AverageRow& row);

// The message shown instead of averages when the period has no final calculation.
std::string noCalculationsInPeriod();

} // namespace zarion::payroll
