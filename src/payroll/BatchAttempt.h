#pragma once

#include <stdexcept>
#include <string>

#include "core/FailureWords.h"
#include "core/db/Database.h"

namespace zarion::payroll {

// Runs one employee's part of a multi-row posting. What concerns his own data alone (an amount
// out of range, a division by zero, a row the database refuses) comes back as the message that
// skips him; every other database failure ends the whole posting and is thrown on. Inside a
// group of employees under one savepoint a refused row is thrown on too, for the group to be
// undone: `ownSavepoint` is false then.
template <typename Attempt>
std::string employeeAttempt(Attempt&& attempt, bool ownSavepoint = true) {
    try {
        return attempt();
    } catch (const db::Error& error) {
        if (!ownSavepoint || !error.concernsOneRow())
            throw;
        return failureWords(error);
    } catch (const std::overflow_error& error) {
        return failureWords(error);
    } catch (const std::domain_error& error) {
        return failureWords(error);
    }
}

} // namespace zarion::payroll
