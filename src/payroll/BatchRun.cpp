#include "payroll/BatchRun.h"

#include "core/FailureWords.h"
#include "core/db/Database.h"
#include "payroll/BatchAttempt.h"
#include "payroll/BatchPreload.h"
#include "payroll/CalculationPosting.h"

namespace zarion::payroll {
namespace {

// Runs `postOne` for every employee of the list that `chosen` picks, as one transaction (each
// employee's posting a savepoint of its own inside it). A cancelled run keeps what it posted; a
// failure of the database is thrown on, and the transaction's end leaves nothing of the run.
template <typename Chosen, typename PostOne>
BatchRunReport eachEmployee(const BatchMonth& month, const ProgressCallback& progress,
                            Chosen&& chosen, PostOne&& postOne) {
    std::vector<BatchEmployee> employees;
    for (BatchEmployee& employee : monthEmployees(month.db(), month.period()))
        if (chosen(employee))
            employees.push_back(std::move(employee));
    BatchRunReport report;
    const int total = static_cast<int>(employees.size());
    // The run's rows stay in memory until it commits: a large company's month does not fit the
    // default page cache, which would write pages out half-way and read them back; and each
    // employee's savepoint keeps the pages it may have to restore in memory, not in a file.
    month.db().execScript("PRAGMA cache_size = -131072; PRAGMA temp_store = MEMORY");
    db::Transaction tx(month.db());
    for (int i = 0; i < total; ++i) {
        if (progress && !progress({i, total})) {
            report.cancelled = true;
            break;
        }
        const BatchEmployee& employee = employees[static_cast<std::size_t>(i)];
        const std::string failure = employeeAttempt([&] { return postOne(employee, report); });
        if (failure.empty())
            ++report.posted;
        else
            report.failures.push_back({employee.id, employee.name, failure});
    }
    tx.commit();
    if (progress && !report.cancelled)
        progress({total, total});
    return report;
}

// The run's report, or when the database failed, the report that says why and that nothing of
// the run was posted.
template <typename Run> BatchRunReport wholeOrNothing(Run&& run) {
    try {
        return run();
    } catch (const db::Error& error) {
        BatchRunReport stopped;
        stopped.stopped = nothingPosted(failureWords(error));
        return stopped;
    }
}

// Calculates the employee's month and posts it; the message when either fails.
std::string calculateAndPost(const BatchMonth& month, const BatchEmployee& employee,
                             const BatchOptions& options, const employees::VariableAmountAsker& ask,
                             BatchPreload& preload, BatchRunReport& report) {
    const auto input = employeeMonth(month, employee.id, &preload);
    if (!input)
        return input.message();
    const auto calculation = calculateEmployee(month, employee.id, *input, options, ask, &preload);
    if (!calculation)
        return calculation.message();
    report.deductionErrors.insert(report.deductionErrors.end(),
                                  calculation->deductionErrors.begin(),
                                  calculation->deductionErrors.end());
    const auto posted = postEmployee(month, *calculation, &preload);
    return posted ? std::string() : posted.message();
}

} // namespace

BatchRunReport calculateAll(const BatchMonth& month, const BatchOptions& options,
                            const employees::VariableAmountAsker& ask,
                            const ProgressCallback& progress) {
    return wholeOrNothing([&] {
        BatchPreload preload(month);
        return eachEmployee(
            month, progress, [](const BatchEmployee& e) { return !e.posted && e.id != 0; },
            [&](const BatchEmployee& e, BatchRunReport& report) {
                return calculateAndPost(month, e, options, ask, preload, report);
            });
    });
}

BatchRunReport repostAll(const BatchMonth& month, const BatchOptions& options,
                         const employees::VariableAmountAsker& ask,
                         const ProgressCallback& progress) {
    return wholeOrNothing([&] {
        BatchPreload preload(month);
        return eachEmployee(
            month, progress, [](const BatchEmployee& e) { return e.posted; },
            [&](const BatchEmployee& e, BatchRunReport& report) {
                return calculateAndPost(month, e, options, ask, preload, report);
            });
    });
}

BatchRunReport repostEmployerPension(const BatchMonth& month, const ProgressCallback& progress) {
    if (!month.isFinal())
        return {};
    const CalculationPeriod& period = month.period();
    return wholeOrNothing([&] {
        return eachEmployee(
            month, progress, [](const BatchEmployee& e) { return e.posted; },
            [&](const BatchEmployee& e, BatchRunReport&) -> std::string {
                BatchCalculation c;
                c.employeeId = e.id;
                c.result = postedResult(month.db(), e.id, period.year, period.month,
                                        CalculationKind::Final)
                               .value_or(SalaryResult{});
                if (auto advance = postedResult(month.db(), e.id, period.year, period.month,
                                                CalculationKind::Advance))
                    c.advance = std::move(*advance);
                correctedEmployerPension(c.result, c.advance);
                if (const auto id = postedCalculationId(
                        month.db(), {e.id, period.year, period.month, CalculationKind::Final}))
                    c.deductions = employees::postedDeductions(month.db(), *id, false);
                const auto posted = postEmployee(month, c);
                return posted ? std::string() : posted.message();
            });
    });
}

bool accessCodeAccepted(const std::optional<Currency>& entered) {
    return entered && *entered == Currency::fromUnits(7269);
}

} // namespace zarion::payroll
