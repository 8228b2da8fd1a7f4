#include "payroll/AverageHourlyEarnings.h"

#include "payroll/ElementPricing.h"
#include "payroll/Exact.h"
#include "payroll/ServiceYears.h"

namespace zarion::payroll {
namespace {

struct Sums {
    Exact hours;
    Exact amount;
};

// The month's final calculation row, from the first database that has one.
void addFinalRow(std::span<db::Database* const> databases, int employeeId, int year, int month,
                 bool gross, Sums& sums) {
    for (db::Database* db : databases) {
        db::Statement row = db->prepare(
            "SELECT broj_sati, produzeni_rad_s, bolovanje100_s, godisnji_s, placeno_odsustvo_s, "
            "dezurstvo_s, NETO, BRUTO, bolovnje65_i FROM obracuni "
            "WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ? ORDER BY Id_obracun LIMIT 1");
        row.bindAll(employeeId, month, year);
        if (!row.step())
            continue;
        for (const char* hours : {"broj_sati", "produzeni_rad_s", "bolovanje100_s", "godisnji_s",
                                  "placeno_odsustvo_s", "dezurstvo_s"})
            sums.hours += Exact::decimal(row.number(hours));
        sums.amount += Exact(row.money(gross ? "BRUTO" : "NETO") - row.money("bolovnje65_i"));
        return;
    }
}

// The month's sick-leave compensation row, from the first database that has one.
void addCompensationRow(std::span<db::Database* const> databases, int employeeId, int year,
                        int month, bool gross, Sums& sums) {
    for (db::Database* db : databases) {
        db::Statement row =
            db->prepare("SELECT broj_sati, NETO, BRUTO FROM bolovanja_obracuni "
                        "WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ? ORDER BY rowid LIMIT 1");
        row.bindAll(employeeId, month, year);
        if (!row.step())
            continue;
        sums.hours += Exact::decimal(row.number("broj_sati"));
        sums.amount += Exact(row.money(gross ? "BRUTO" : "NETO"));
        return;
    }
}

} // namespace

std::optional<Currency> averageFromHistory(std::span<db::Database* const> databases, int employeeId,
                                           int year, int month, AverageVariant variant) {
    const bool gross = variant == AverageVariant::Individual;
    Sums sums;
    int y = year;
    int m = month;
    for (int back = 0; back < 12; ++back) {
        if (--m == 0) {
            m = 12;
            --y;
        }
        addFinalRow(databases, employeeId, y, m, gross, sums);
        addCompensationRow(databases, employeeId, y, m, gross, sums);
    }
    if (sums.hours.isZero() || sums.amount.isZero())
        return std::nullopt;
    // The advance pays half the month, so its hours are taken twice.
    const Exact hours =
        variant == AverageVariant::Advance ? sums.hours * Exact::whole(2) : sums.hours;
    return (sums.amount / hours).round2();
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
