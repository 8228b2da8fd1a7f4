#pragma once

#include <QLineEdit>

#include "Controls.h"
#include "TemplateDatabase.h"
#include "Templates.h"
#include "Typing.h"
#include "core/AppContext.h"

namespace zarion::test {

// The working context of 16 March 2026 with the payroll database and an empty master data
// database, as the company data window finds them before the company is described.
struct CompanyWithoutData {
    FixedClock clock{{{2026, 3, 16}, 10, 0, 0}};
    TempDir dir;
    TemplateDatabase payroll; // its folder lives as long as the test
    AppContext context{clock};

    CompanyWithoutData() {
        context.PayrollDb = payroll.release();
        context.CompanyMasterDb = db::Database::create(dir / "backtarlen.db");
        context.CompanyMasterDb->execScript(schema::masterDataSql());
    }

    static void type(QWidget& window, const char* box, const QString& text) {
        QLineEdit* edit = zarion::testing::control<QLineEdit>(&window, box);
        edit->clear();
        zarion::testing::typeText(edit, text);
    }
};

} // namespace zarion::test
