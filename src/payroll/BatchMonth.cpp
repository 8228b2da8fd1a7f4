#include "payroll/BatchMonth.h"

#include <utility>

#include "core/Dates.h"
#include "core/SerbianOrder.h"
#include "payroll/CalculationPosting.h"

namespace zarion::payroll {
namespace {

// A sick-leave case of one of the two tables that covers the whole month.
std::string wholeMonthCase(const char* table) {
    return std::string("EXISTS (SELECT 1 FROM ") + table +
           " b WHERE b.ID_RADNIK = r.id_radnik AND b.obrisano = 0"
           " AND substr(b.datum_otvaranja, 1, 10) <= :first"
           " AND substr(b.datum_zatvaranja, 1, 10) >= :last)";
}

} // namespace

std::vector<BatchEmployee> monthEmployees(db::Database& payrollDb,
                                          const CalculationPeriod& period) {
    const std::string sql =
        std::string("SELECT r.id_radnik, trim(coalesce(r.Prezime, '') || ' ' || "
                    "coalesce(r.Ime, '')), EXISTS (SELECT 1 FROM ") +
        calculationTable(period.kind) +
        " c WHERE c.ID_RADNIK = r.id_radnik AND c.MEsec = :month AND c.GODINA = :year) AS posted,"
        " coalesce(r.nije_u_ro, 0) <> 0 OR " +
        wholeMonthCase("bolovanja") + " OR " + wholeMonthCase("bolovanjaPOR") +
        " AS paidElsewhere FROM radnici r ORDER BY r.id_radnik";
    db::Statement row = payrollDb.prepare(sql);
    // Named parameters take their positions in the order they first appear.
    row.bindAll(period.month, period.year, toIsoText({period.year, period.month, 1}),
                toIsoText({period.year, period.month, DaysInMonth(period.month, period.year)}));
    std::vector<BatchEmployee> employees;
    while (row.step()) {
        const bool posted = row.flag(2);
        if (posted || !row.flag(3))
            employees.push_back({row.integer(0), row.text(1), posted});
    }
    sortSerbian(employees, [](const BatchEmployee& employee) { return employee.name; });
    return employees;
}

std::unique_ptr<db::Database> openPreviousYear(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file))
        return nullptr;
    try {
        return db::Database::open(file);
    } catch (const db::Error&) {
        return nullptr;
    }
}

BatchCounters countEmployees(const std::vector<BatchEmployee>& employees) {
    BatchCounters counters;
    for (const BatchEmployee& employee : employees)
        ++(employee.posted ? counters.calculated : counters.notCalculated);
    counters.total = static_cast<int>(employees.size());
    return counters;
}

BatchMonth::BatchMonth(db::Database& db, const CalculationPeriod& period,
                       MonthParameters parameters, Settings settings, EarningsHistory history)
    : db_(&db)
    , period_(period)
    , parameters_(std::move(parameters))
    , settings_(settings)
    , fund_(hourFund(period.year, period.month, settings))
    , history_(std::move(history)) {}

Outcome<BatchMonth> BatchMonth::open(db::Database& payrollDb, db::Database* previousYear,
                                     const CalculationPeriod& period) {
    auto parameters = loadMonthParameters(payrollDb, period.year, period.month);
    if (!parameters)
        return Failure{parameters.message()};
    std::vector<db::Database*> databases{&payrollDb};
    if (previousYear)
        databases.push_back(previousYear);
    const AverageVariant variant =
        period.kind == CalculationKind::Final ? AverageVariant::Final : AverageVariant::Advance;
    return BatchMonth(payrollDb, period, std::move(parameters).value(), loadSettings(payrollDb),
                      EarningsHistory::load(databases, period.year, period.month, variant));
}

} // namespace zarion::payroll
