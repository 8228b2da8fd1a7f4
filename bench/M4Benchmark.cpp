// The M-4 of a year for 10,000 employees with twelve posted months each: the sums per person
// of salaries and sick-leave compensation, as the M-4 window loads them.
#include <benchmark/benchmark.h>

#include "BenchCompany.h"
#include "outputs/M4Data.h"

namespace {

using namespace zarion;

db::Database& yearOfSalaries() {
    db::Database& db = bench::company().db();
    if (db.scalar("SELECT COUNT(*) FROM obracuni WHERE GODINA = ? AND MEsec = 12", bench::year)
            .value_or(0) == 0) {
        db::Transaction tx(db);
        db.run("INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, NETO, BRUTO) "
               "SELECT ID_RADNIK, 12, GODINA, NETO, BRUTO FROM obracuni "
               "WHERE GODINA = ? AND MEsec = 11",
               bench::year);
        db.run("UPDATE obracuni SET Doprinosi_PIO = BRUTO * 14 / 100, "
               "Doprinosi_PIO_F = BRUTO / 10");
        db.run("INSERT INTO bolovanja_obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, Doprinosi_PIO, "
               "Doprinosi_PIO_F) SELECT id_radnik, 5, ?, 300000000, 42000000, 30000000 "
               "FROM radnici WHERE id_radnik % 20 = 0",
               bench::year);
        tx.commit();
    }
    return db;
}

void M4OfTheYear(benchmark::State& state) {
    db::Database& db = yearOfSalaries();
    for (auto _ : state) {
        const auto rows = outputs::collectM4(db, bench::year);
        if (rows.size() != bench::employeeCount)
            state.SkipWithError("not every employee listed");
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(M4OfTheYear)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
