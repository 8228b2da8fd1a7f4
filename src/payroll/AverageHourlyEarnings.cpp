#include "payroll/AverageHourlyEarnings.h"

#include "payroll/EarningsHistory.h"
#include "payroll/ElementPricing.h"
#include "payroll/Exact.h"
#include "payroll/ServiceYears.h"

namespace zarion::payroll {

std::optional<Currency> averageFromHistory(std::span<db::Database* const> databases, int employeeId,
                                           int year, int month, AverageVariant variant) {
    return EarningsHistory::load(databases, year, month, variant, employeeId).average(employeeId);
}

Currency averageFromForm(const SalaryInput& input, const MonthParameters& month,
                         const Settings& settings, int serviceYears) {
    const Exact monthly = Exact(coefficientSum(input)) * Exact(input.cena_Rada) *
                          (Exact::whole(1) + Exact::decimal(month.minuli_rad) *
                                                 Exact::whole(serviceYears) / Exact::whole(100));
    if (!settings.coefficientPricing())
        return monthly.round2();
    const Exact hours = Exact::decimal(input.broj_sati);
    return hours.isZero() ? input.prosek_3_meseca : (monthly / hours).round2();
}

Currency averageHourlyEarnings(std::span<db::Database* const> databases, int employeeId,
                               const SalaryInput& input, const MonthParameters& month,
                               const Settings& settings, int year, int monthNumber,
                               AverageVariant variant) {
    if (const auto history = averageFromHistory(databases, employeeId, year, monthNumber, variant))
        return *history;
    const ServiceYears years = serviceYears(input.Datum, input.pg, input.Pm, year, monthNumber,
                                            settings.seniorityCountsPriorService());
    return averageFromForm(input, month, settings, years.counted);
}

} // namespace zarion::payroll
