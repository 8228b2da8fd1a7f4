// The final batch of a large company's month, through the same code the batch window runs:
// 10,000 employees, each with a standing deduction and a loan and twelve months of history.
// Beside it, the same rows inserted into SQLite alone, the floor any posting stands on.
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

#include "BenchCompany.h"
#include "core/db/Database.h"
#include "core/db/Triggers.h"
#include "payroll/BatchPreload.h"
#include "payroll/BatchRun.h"
#include "payroll/CalculationPosting.h"

namespace {

using namespace zarion;
using namespace zarion::bench;
using namespace zarion::payroll;

BatchMonth openMonth() {
    auto opened = BatchMonth::open(company().db(), nullptr, {year, month, CalculationKind::Final});
    return std::move(opened).value();
}

// Calculate all (cmdAUTO) of a final window: the list, the history, every employee priced,
// his deductions and loan priced, the row and its deduction rows posted, each posting with its
// entry in the history of changes.
void finalBatch(benchmark::State& state) {
    Company& c = company();
    for (auto _ : state) {
        state.PauseTiming();
        c.clearMonth();
        state.ResumeTiming();
        const BatchMonth final = openMonth();
        const BatchRunReport report = calculateAll(final, {}, {}, {});
        if (report.posted != employeeCount || !report.failures.empty())
            state.SkipWithError("the batch did not post every employee");
    }
    state.counters["employees"] = employeeCount;
}
// Ctrl+A of a final window on the posted month: every employee calculated again and his row
// re-posted in place, each re-posting with its entry.
void repostBatch(benchmark::State& state) {
    Company& c = company();
    c.clearMonth();
    calculateAll(openMonth(), {}, {}, {});
    for (auto _ : state) {
        const BatchRunReport report = repostAll(openMonth(), {}, {}, {});
        if (report.posted != employeeCount || !report.failures.empty())
            state.SkipWithError("the batch did not re-post every employee");
    }
    state.counters["employees"] = employeeCount;
}

// Runs a batch with the triggers of the final calculations taken away: what the history of
// changes and the filed-month check cost a batch is the difference to the same batch with them,
// which runs after it on the same base.
void withoutTrail(benchmark::State& state, void (*batch)(benchmark::State&)) {
    db::Database& db = company().db();
    std::vector<db::SchemaObject> taken;
    for (const db::SchemaObject& trigger : db::triggers(db))
        if (trigger.tableName == "obracuni") {
            db.execScript("DROP TRIGGER " + trigger.name);
            taken.push_back(trigger);
        }
    batch(state);
    for (const db::SchemaObject& trigger : taken)
        db.execScript(trigger.sql);
}

void BM_FinalBatchWithoutTrail(benchmark::State& state) {
    withoutTrail(state, finalBatch);
}
BENCHMARK(BM_FinalBatchWithoutTrail)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_FinalBatch(benchmark::State& state) {
    finalBatch(state);
}
BENCHMARK(BM_FinalBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_RepostBatchWithoutTrail(benchmark::State& state) {
    withoutTrail(state, repostBatch);
}
BENCHMARK(BM_RepostBatchWithoutTrail)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_RepostBatch(benchmark::State& state) {
    repostBatch(state);
}
BENCHMARK(BM_RepostBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Where the batch's time goes: the month with the history of every employee, then every
// employee taken up and calculated with his deductions, without posting.
void BM_OpenMonth(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(openMonth());
}
BENCHMARK(BM_OpenMonth)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// What a run reads once before its first employee: the deductions and the month's postings.
void BM_Preload(benchmark::State& state) {
    company().clearMonth();
    const BatchMonth final = openMonth();
    for (auto _ : state)
        BatchPreload preload(final);
}
BENCHMARK(BM_Preload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CalculateWithoutPosting(benchmark::State& state) {
    company().clearMonth();
    const BatchMonth final = openMonth();
    const auto employees = monthEmployees(company().db(), final.period());
    for (auto _ : state) {
        db::Transaction reading(company().db()); // as the run reads: inside its transaction
        BatchPreload preload(final);
        for (const BatchEmployee& e : employees)
            benchmark::DoNotOptimize(calculateEmployee(
                final, e.id, employeeMonth(final, e.id, &preload).value(), {}, {}, &preload));
    }
}
BENCHMARK(BM_CalculateWithoutPosting)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same rows, as calculated, inserted with one prepared statement each in one transaction.
void BM_BareInserts(benchmark::State& state) {
    Company& c = company();
    c.clearMonth();
    const BatchMonth final = openMonth();
    std::vector<BatchCalculation> calculations;
    for (const BatchEmployee& e : monthEmployees(c.db(), final.period()))
        calculations.push_back(
            calculateEmployee(final, e.id, employeeMonth(final, e.id).value(), {}).value());
    const auto columns = resultColumns(calculations.front().result, CalculationKind::Final);
    std::string names = "ID_RADNIK, MEsec, GODINA";
    std::string marks = "?, ?, ?";
    for (const ResultColumn& column : columns) {
        names.append(", ").append(column.name);
        marks.append(", ?");
    }
    const std::string insertRow = "INSERT INTO obracuni (" + names + ") VALUES (" + marks + ")";
    const std::string insertDeduction =
        "INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, kreditor, Iznos, "
        "valuta, Kurs, tekuci_Racun, POziv_na_broj, id_or) VALUES (?, 0, ?, ?, ?, ?, ?, ?, ?, ?)";
    for (auto _ : state) {
        state.PauseTiming();
        c.clearMonth();
        state.ResumeTiming();
        db::Transaction tx(c.db());
        for (const BatchCalculation& calculation : calculations) {
            db::Statement row = c.db().prepare(insertRow);
            row.bindAll(calculation.employeeId, month, year);
            int index = 4;
            for (const ResultColumn& column :
                 resultColumns(calculation.result, CalculationKind::Final))
                std::visit([&](const auto& v) { row.bind(index++, v); }, column.value);
            row.run();
            const std::int64_t id = c.db().lastInsertId();
            for (const employees::DeductionRow& d : calculation.deductions)
                c.db().run(insertDeduction, id, d.id_obustava, d.kreditor, d.Iznos, d.valuta,
                           d.Kurs, d.tekuci_Racun, d.POziv_na_broj, d.id_or);
        }
        tx.commit();
    }
    state.counters["employees"] = employeeCount;
}
BENCHMARK(BM_BareInserts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
