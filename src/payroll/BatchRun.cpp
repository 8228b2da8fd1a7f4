#include "payroll/BatchRun.h"

#include <algorithm>
#include <span>

#include "core/FailureWords.h"
#include "core/db/Database.h"
#include "core/trail/Trail.h"
#include "payroll/BatchAttempt.h"
#include "payroll/BatchPreload.h"
#include "payroll/CalculationPosting.h"

namespace zarion::payroll {
namespace {

// Employees are posted in groups under one savepoint each, not one savepoint per employee.
constexpr std::size_t groupSize = 100;

void tally(BatchRunReport& report, const BatchEmployee& employee, const std::string& failure) {
    if (failure.empty())
        ++report.posted;
    else
        report.failures.push_back({employee.id, employee.name, failure});
}

void merge(BatchRunReport& report, BatchRunReport&& part) {
    report.posted += part.posted;
    report.cancelled = report.cancelled || part.cancelled;
    for (SkippedEmployee& skipped : part.failures)
        report.failures.push_back(std::move(skipped));
    for (std::string& error : part.deductionErrors)
        report.deductionErrors.push_back(std::move(error));
    for (std::string& name : part.negativePayouts)
        report.negativePayouts.push_back(std::move(name));
}

// Posts the employees of a group one after another into `into`, telling the progress from the
// group's first place `done` on when it is given; stops when the operator cancels.
template <typename PostOne>
void postEach(std::span<const BatchEmployee> group, int done, int total,
              const ProgressCallback& progress, PostOne& postOne, bool ownSavepoints,
              BatchRunReport& into) {
    for (const BatchEmployee& employee : group) {
        if (progress && !progress({done++, total})) {
            into.cancelled = true;
            return;
        }
        tally(into, employee,
              employeeAttempt([&] { return postOne(employee, into); }, ownSavepoints));
    }
}

// Posts a group under one savepoint, the postings taking none of their own. False, with nothing
// of the group left, when the database refused one employee's row.
template <typename PostOne>
bool postAsGroup(db::Database& db, MonthPostings& postings, std::span<const BatchEmployee> group,
                 int done, int total, const ProgressCallback& progress, PostOne& postOne,
                 BatchRunReport& into) {
    const std::size_t mark = postings.mark();
    db::Transaction savepoint(db);
    postings.setGrouped(true);
    try {
        postEach(group, done, total, progress, postOne, false, into);
    } catch (const db::Error& error) {
        postings.setGrouped(false);
        if (!error.concernsOneRow())
            throw;
        postings.forgetSince(mark);
        return false;
    }
    postings.setGrouped(false);
    savepoint.commit();
    return true;
}

// Runs `postOne` for every employee of the list that `chosen` picks, as one transaction. With the
// run's postings the employees go in groups under a savepoint each; a group whose posting the
// database refused for one employee is undone and posted again employee by employee, each under
// a savepoint of his own, as every employee is without them. A cancelled run keeps what it
// posted; a failure of the database is thrown on, and the transaction's end leaves nothing of
// the run.
template <typename Chosen, typename PostOne>
BatchRunReport eachEmployee(const BatchMonth& month, MonthPostings* postings,
                            const ProgressCallback& progress, Chosen&& chosen, PostOne&& postOne) {
    std::vector<BatchEmployee> employees;
    for (BatchEmployee& employee : monthEmployees(month.db(), month.period()))
        if (chosen(employee))
            employees.push_back(std::move(employee));
    BatchRunReport report;
    const int total = static_cast<int>(employees.size());
    // The run's rows stay in memory until it commits: a large company's month does not fit the
    // default page cache, which would write pages out half-way and read them back; and each
    // savepoint keeps the pages it may have to restore in memory, not in a file.
    month.db().execScript("PRAGMA cache_size = -131072; PRAGMA temp_store = MEMORY");
    trail::PostingTransaction tx(month.db()); // every entry of the run: its start
    for (std::size_t first = 0; first < employees.size() && !report.cancelled; first += groupSize) {
        const auto group = std::span<const BatchEmployee>(employees).subspan(
            first, std::min(groupSize, employees.size() - first));
        const int done = static_cast<int>(first);
        BatchRunReport part;
        if (!postings) {
            postEach(group, done, total, progress, postOne, true, part);
        } else if (!postAsGroup(month.db(), *postings, group, done, total, progress, postOne,
                                part)) {
            part = {};
            postEach(group, done, total, {}, postOne, true, part);
        }
        merge(report, std::move(part));
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
    if (posted && calculation->payout().isNegative())
        report.negativePayouts.push_back(employee.name);
    return posted ? std::string() : posted.message();
}

} // namespace

BatchRunReport calculateAll(const BatchMonth& month, const BatchOptions& options,
                            const employees::VariableAmountAsker& ask,
                            const ProgressCallback& progress) {
    return wholeOrNothing([&] {
        BatchPreload preload(month);
        return eachEmployee(
            month, &preload.postings, progress,
            [](const BatchEmployee& e) { return !e.posted && e.id != 0; },
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
            month, &preload.postings, progress, [](const BatchEmployee& e) { return e.posted; },
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
            month, nullptr, progress, [](const BatchEmployee& e) { return e.posted; },
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
