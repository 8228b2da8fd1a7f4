#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/db/Database.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::compensation {

// A span of months, both ends included.
struct MonthSpan {
    int fromYear = 0;
    int fromMonth = 0;
    int toYear = 0;
    int toMonth = 0;
};

// The annual-leave hours an employee took in the span, from the final salary calculations.
struct LeaveTaken {
    std::int64_t id_radnik = 0;
    std::string name; // "Prezime Ime"
    double hours = 0;
    double days() const { return hours / 8; }
};

// Every employee with a calculation in the span, in Serbian order of the names; refuses a span
// that ends before it starts.
Outcome<std::vector<LeaveTaken>> leaveTaken(db::Database& payroll, const MonthSpan& span);
// "1.5" days as the overview shows them: one decimal.
std::string leaveDays(double days);

// "Pregled korišćenja godišnjih odmora" for the span, with the totals.
report::Document leaveOverviewReport(const report::CompanyData& company,
                                     const std::filesystem::path& logo, const MonthSpan& span,
                                     const std::vector<LeaveTaken>& rows);

} // namespace zarion::compensation
