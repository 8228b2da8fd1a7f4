#include "payroll/EarningsHistory.h"

#include <cmath>
#include <stdexcept>
#include <unordered_set>

namespace zarion::payroll {
namespace {

// The months from `month` of the year before up to the month before `month`: the year before
// from `month` on, and this year before `month`. Written as one range of year × 12 + month so
// that a whole company's history is read in one pass over the table, in its order.
const char* const window = " WHERE MEsec BETWEEN 1 AND 12"
                           " AND GODINA * 12 + MEsec BETWEEN ? * 12 + ? AND ? * 12 + ? - 1";

// Hours counted: regular, overtime, sick leave at 100 %, annual leave, paid absence and on-call
// (sick leave at 65 % is not); the amount is net (gross in the individual window) less the sick
// pay at 65 %.
std::string finalRowsSql(bool gross, bool oneEmployee) {
    return std::string("SELECT ID_RADNIK, GODINA, MEsec, broj_sati, produzeni_rad_s, "
                       "bolovanje100_s, godisnji_s, placeno_odsustvo_s, dezurstvo_s, ") +
           (gross ? "BRUTO" : "NETO") + ", bolovnje65_i FROM obracuni" + window +
           (oneEmployee ? " AND ID_RADNIK = ?" : "") + " ORDER BY Id_obracun";
}

std::string compensationRowsSql(bool gross, bool oneEmployee) {
    return std::string("SELECT ID_RADNIK, GODINA, MEsec, broj_sati, ") +
           (gross ? "BRUTO" : "NETO") + " FROM bolovanja_obracuni" + window +
           (oneEmployee ? " AND ID_RADNIK = ?" : "") + " ORDER BY rowid";
}

// Runs the query on every database; `add` sees each employee's month once, from the first
// database (and its first row) that has it.
template <typename Add>
void eachMonthOnce(std::span<db::Database* const> databases, const std::string& sql, int year,
                   int month, std::optional<std::int64_t> employeeId, Add&& add) {
    std::unordered_set<std::int64_t> seen;
    if (!employeeId)
        seen.reserve(1 << 17); // a large company's year, without growing on the way
    for (db::Database* db : databases) {
        db::Statement row = db->prepare(sql);
        row.bindAll(year - 1, month, year, month);
        if (employeeId)
            row.bind(5, *employeeId);
        while (row.step()) {
            const std::int64_t employee = row.integer(0);
            const std::int64_t monthIndex = row.integer(1) * 12 + row.integer(2);
            if (seen.insert(employee * 100000 + monthIndex % 100000).second)
                add(employee, row);
        }
    }
}

} // namespace

EarningsHistory EarningsHistory::load(std::span<db::Database* const> databases, int year, int month,
                                      AverageVariant variant,
                                      std::optional<std::int64_t> employeeId) {
    const bool gross = variant == AverageVariant::Individual;
    EarningsHistory history(variant);
    // A row with an amount out of range marks its employee's sums, not the whole history.
    auto addRows = [&](const std::string& sql, auto&& addRow) {
        eachMonthOnce(databases, sql, year, month, employeeId,
                      [&](std::int64_t employee, const db::Statement& row) {
                          Sums& sums = history.sums_[employee];
                          try {
                              addRow(sums, row);
                          } catch (const std::overflow_error&) {
                              sums.outOfRange = true;
                          }
                      });
    };
    addRows(finalRowsSql(gross, employeeId.has_value()), [](Sums& sums, const db::Statement& row) {
        for (int column = 3; column <= 8; ++column)
            sums.addHours(row.number(column));
        sums.amount += row.money(9) - row.money(10);
    });
    addRows(compensationRowsSql(gross, employeeId.has_value()),
            [](Sums& sums, const db::Statement& row) {
                sums.addHours(row.number(3));
                sums.amount += row.money(4);
            });
    return history;
}

// Hours have at most four decimals: such a value is added as money is, without going through its
// text; any other as Exact::decimal reads it. A value v is the decimal n / 10000 exactly when that
// decimal gives v back, for then no shorter decimal can.
void EarningsHistory::Sums::addHours(double value) {
    if (std::fabs(value) < 1e9) {
        const std::int64_t raw = std::llround(value * Currency::Scale);
        if (static_cast<double>(raw) / Currency::Scale == value) {
            hours += Currency::fromRaw(raw);
            return;
        }
    }
    otherHours += Exact::decimal(value);
}

std::optional<Currency> EarningsHistory::average(std::int64_t employeeId) const {
    const auto found = sums_.find(employeeId);
    if (found == sums_.end())
        return std::nullopt;
    const Sums& sums = found->second;
    if (sums.outOfRange)
        throw std::overflow_error("earnings history amount out of range");
    const Exact counted = sums.otherHours + Exact(sums.hours);
    if (counted.isZero() || sums.amount.isZero())
        return std::nullopt;
    // The advance pays half the month, so its hours are taken twice.
    const Exact hours = variant_ == AverageVariant::Advance ? counted * Exact::whole(2) : counted;
    return (Exact(sums.amount) / hours).round2();
}

} // namespace zarion::payroll
