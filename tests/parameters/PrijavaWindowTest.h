#pragma once

#include <QTreeWidget>
#include <QtTest>

#include "TemplateDatabase.h"
#include "core/AppContext.h"
#include "parameters/frmPrijava.h"

namespace zarion::test {

// The payroll database the paper returns read their accounts from, and the figures of a month.
struct ReturnsCompany {
    FixedClock clock{{{2026, 3, 16}, 10, 0, 0}};
    TemplateDatabase payroll;
    AppContext context{clock};

    ReturnsCompany() { context.PayrollDb = payroll.release(); }

    // Twelve employees paid 1000000, 341076 of it free of tax, at 10%.
    static parameters::TaxReturnInput figures() {
        parameters::TaxReturnInput input;
        input.persons = 12;
        input.taxRate = 10;
        input.columns.resize(1);
        input.columns[0].paid = Currency::fromUnits(1000000);
        input.columns[0].nonTaxable = Currency::fromUnits(341076);
        return input;
    }

    static void choose(QTreeWidget* grid, const char* number) {
        const auto found = grid->findItems(QString::fromLatin1(number), Qt::MatchExactly, 0);
        QCOMPARE(found.size(), 1);
        grid->setCurrentItem(found.front(), 1);
        QTest::keyClick(grid, Qt::Key_Return);
    }
    static QString amountOf(QTreeWidget* grid, const char* number) {
        return grid->findItems(QString::fromLatin1(number), Qt::MatchExactly, 0).front()->text(3);
    }
};

} // namespace zarion::test
