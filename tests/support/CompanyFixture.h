#pragma once

#include "TempDir.h"
#include "core/AppContext.h"

namespace zarion::test {

// The working context of company 1 in a temporary data root, on a fixed day of its working
// year: the payroll database made from the template and, on demand, the company's master data.
class CompanyFixture {
public:
    explicit CompanyFixture(DateTime now);
    CompanyFixture(const CompanyFixture&) = delete;
    CompanyFixture& operator=(const CompanyFixture&) = delete;

    db::Database& payroll() { return *context.PayrollDb; }
    // The master data with the company's name, address, town, tax number and account.
    db::Database& master();
    std::int64_t count(const std::string& sql) { return payroll().scalar(sql).value_or(-1); }

    TempDir base;
    FixedClock clock;
    AppContext context{clock};
};

} // namespace zarion::test
