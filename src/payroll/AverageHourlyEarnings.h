#pragma once

#include <optional>
#include <span>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "payroll/MonthParameters.h"
#include "payroll/SalaryInput.h"
#include "payroll/Settings.h"

namespace zarion::payroll {

// Which window asks: the batch window's final and advance calculations add up net amounts (the
// advance takes half), the individual window adds up gross amounts.
enum class AverageVariant { Final, Advance, Individual };

// The average earnings per hour A from the twelve months before the given month, stepping back
// across the year boundary. Each month's final calculation (obracuni) adds broj_sati +
// produzeni_rad_s + bolovanje100_s + godisnji_s + placeno_odsustvo_s + dezurstvo_s hours (sick
// leave at 65 % does not count) and NETO − bolovnje65_i (BRUTO − bolovnje65_i in the individual
// window); its sick-leave compensation row (bolovanja_obracuni) adds broj_sati and NETO (BRUTO).
// A month's rows are taken from the first database of the list that has them, so a year kept in
// the previous year's database is read there: pass the current year's database first.
// Empty when either sum is 0.
std::optional<Currency> averageFromHistory(std::span<db::Database* const> databases, int employeeId,
                                           int year, int month, AverageVariant variant);

// The form's A when there is no history: K × C × (1 + p × Y / 100), divided by the regular hours
// with pricing by coefficient (A stays as it was while they are 0); K the coefficient sum, C the
// price of work, Y the counted years of service, p the month's seniority percentage.
Currency averageFromForm(const SalaryInput& input, const MonthParameters& month,
                         const Settings& settings, int serviceYears);

// The history's A, or the form's when there is none.
Currency averageHourlyEarnings(std::span<db::Database* const> databases, int employeeId,
                               const SalaryInput& input, const MonthParameters& month,
                               const Settings& settings, int year, int monthNumber,
                               AverageVariant variant);

} // namespace zarion::payroll
