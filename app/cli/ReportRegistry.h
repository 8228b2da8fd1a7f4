#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string_view>

#include "cli/Arguments.h"
#include "core/Dates.h"
#include "core/db/Database.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::cli {

// What a report is made from: the company's databases of the year, its report header, the day
// it is printed on and the report's own options (--radnik, --od, --mesec, …).
struct ReportSource {
    db::Database& payroll;
    db::Database* master; // nullptr when the company has no master database
    report::CompanyData company;
    std::filesystem::path logo;
    int year = 0;
    Date today;
    const Arguments& options;
};

// A report that cannot be made as asked; what() is the message for the operator.
class ReportRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A report the command line can write, by the name it is asked for.
struct ReportEntry {
    std::string_view name;
    std::string_view usage; // its options and what it prints
    std::function<report::Document(const ReportSource&)> build;
};

// Every report the command line knows, in the order the usage lists them.
std::span<const ReportEntry> reports();
// The report of that name (without regard to case), nullptr when there is none.
const ReportEntry* findReport(std::string_view name);

} // namespace zarion::cli
