#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "employees/DeductionPricing.h"
#include "payroll/BatchCalculation.h"
#include "payroll/BatchMonth.h"

namespace zarion::payroll {

// Where a run stands, for the progress bar: `done` of `total` employees.
struct BatchProgress {
    int done = 0;
    int total = 0;
};
// Told before each employee and once at the end; returns false to cancel the run.
using ProgressCallback = std::function<bool(const BatchProgress&)>;

// An employee a run left as he was, and why.
struct SkippedEmployee {
    std::int64_t id = 0;
    std::string name;
    std::string reason;
    std::string line() const { return name + ": " + reason; }
};

struct BatchRunReport {
    int posted = 0;
    bool cancelled = false;
    // Why the run stopped with none of it stored (the database failed, or its commit did):
    // the system's words and that nothing was posted. Empty when the run was stored.
    std::string stopped;
    // The employees that could not be calculated or posted; they stay as they were.
    std::vector<SkippedEmployee> failures;
    // The pricing's "Greska kod pronalazenja kreditora!" messages, in order.
    std::vector<std::string> deductionErrors;
    // The employees posted with a payout below zero (deductions above the net to be paid).
    std::vector<std::string> negativePayouts;
};

// Every run is one transaction: an employee whose own data fails (not found, an amount out of
// range) is skipped and listed; a failure of the database stops the run and leaves nothing of it.

// Calculate all (cmdAUTO): every employee of the list not yet posted (red) is calculated and
// posted in the window's kind; those already posted are skipped, so a second run posts nothing.
BatchRunReport calculateAll(const BatchMonth& month, const BatchOptions& options,
                            const employees::VariableAmountAsker& ask,
                            const ProgressCallback& progress);

// Ctrl+A: every employee already posted is calculated again from his posted month and posted
// again in the window's kind.
BatchRunReport repostAll(const BatchMonth& month, const BatchOptions& options,
                         const employees::VariableAmountAsker& ask,
                         const ProgressCallback& progress);

// Ctrl+J (final window): every posted final calculation is posted again as stored, with its
// deductions, and with the employer pension contribution of the final part set to 0.1 × the
// working gross.
BatchRunReport repostEmployerPension(const BatchMonth& month, const ProgressCallback& progress);

// The access code of the re-posting runs, entered in a masked input.
bool accessCodeAccepted(const std::optional<Currency>& entered);

} // namespace zarion::payroll
