#pragma once

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/AppContext.h"
#include "core/startup/CompanyRegister.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Paths.h"

namespace zarion::test {

// A data root with one company of 2026 just made in the register, as F5 leaves it: its payroll
// and master databases exist, the master database's `podaci` is empty.
class NewCompany : public ::testing::Test {
protected:
    TempDir root;
    FixedClock clock{{{2026, 12, 4}, 9, 5, 7}};
    AppContext context{clock};

    void SetUp() override {
        startup::prepareDataRoot(root.path());
        auto registerDb = db::Database::open(startup::registerPath(root.path()));
        context.DataRoot = root.path();
        context.WorkYear = 2026;
        context.CompanyId =
            startup::createCompany(*registerDb, root.path(), 2026, "Firma", "Grad").id;
    }
};

} // namespace zarion::test
