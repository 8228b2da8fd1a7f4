// The check a company's database passes when it is opened, on a 10,000-employee year: every
// month's final calculation and advance posted. Beside it the full quick_check of SQLite and the
// bare opening, so the choice of the check can be weighed.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

#include "BenchCompany.h"
#include "core/startup/DatabaseDoor.h"
#include "payroll/BatchRun.h"
#include "payroll/CalculationPosting.h"

namespace {

using namespace zarion;
using namespace zarion::bench;

// The company's year: December calculated and posted by the batch, then copied into the other
// eleven months, as final calculations and as advances.
const std::filesystem::path& companyYear() {
    static const std::filesystem::path path = [] {
        db::Database& db = company().db();
        const auto final =
            payroll::BatchMonth::open(db, nullptr, {year, month, CalculationKind::Final});
        payroll::calculateAll(final.value(), {}, {}, {});
        db::Transaction tx(db);
        for (const char* table : {"obracuni", "akontacija_obracuni"}) {
            // the columns the table shares with obracuni, but its key and the month
            std::string shared;
            for (const db::ColumnInfo& column : db.columns("obracuni"))
                if (column.name != "Id_obracun" && column.name != "MEsec" &&
                    db.hasColumn(table, column.name))
                    shared += (shared.empty() ? "" : ", ") + column.name;
            for (int m = 1; m < month; ++m)
                db.run(std::string("INSERT INTO ") + table + " (MEsec, " + shared + ") SELECT ?, " +
                           shared + " FROM obracuni WHERE MEsec = ? AND GODINA = ?",
                       m, month, year);
        }
        tx.commit();
        std::fprintf(stderr, "company year: %lld pages of 4096 bytes\n",
                     static_cast<long long>(db.scalar("PRAGMA page_count").value_or(0)));
        return db.path();
    }();
    return path;
}

void BM_OpenOnly(benchmark::State& state) {
    const auto& path = companyYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(db::Database::open(path));
}
BENCHMARK(BM_OpenOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_FullQuickCheck(benchmark::State& state) {
    const auto& path = companyYear();
    for (auto _ : state) {
        const auto db = db::Database::open(path);
        db::Statement check = db->prepare("PRAGMA quick_check");
        if (!check.step() || check.text(0) != "ok")
            state.SkipWithError("the year is damaged");
    }
}
BENCHMARK(BM_FullQuickCheck)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// What opening a company runs.
void BM_OpeningCheck(benchmark::State& state) {
    const auto& path = companyYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(startup::openChecked(path));
}
BENCHMARK(BM_OpeningCheck)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
