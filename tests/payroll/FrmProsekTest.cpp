// The average earnings window: the period's table, the second company's beside it.

#include "payroll/frmProsek.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "PayrollFixtures.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "payroll/AverageCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
namespace dt = zarion::ui::testing;
using zarion::test::din;

namespace {

void addFinal(db::Database& db, int month, const char* gross, const char* net) {
    db.run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, BRUTO, NETO) VALUES (1, ?, 2026, ?, ?)",
           month, din(gross), din(net));
}

} // namespace

struct Fixture : test::CompanyFixture {
    std::unique_ptr<payroll::frmProsek> window;

    Fixture()
        : CompanyFixture({{2026, 6, 20}, 9, 0, 0}) {
        window = std::make_unique<payroll::frmProsek>(context);
        window->show();
    }
    template <typename T> T* find(const char* name) { return window->findChild<T*>(name); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    int rows(const char* list) { return find<QTreeWidget>(list)->topLevelItemCount(); }
    void show() { QTest::mouseClick(find<QPushButton>("cmdPrikazi"), Qt::LeftButton); }
};

class FrmProsekTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void emptyPeriodSaysSoAndShowsNoAverages();
    void secondCompanyJoinsWithACommonAverage();
    void zeroAsTheOtherNumberShowsTheFirstTableOnly();
    void menuCommandOpensTheWindow();
};

void FrmProsekTest::emptyPeriodSaysSoAndShowsNoAverages() {
    dt::queueOk();
    dt::queueNo();
    f_->show();
    QCOMPARE(f_->rows("listProsek"), 0);
    QCOMPARE(f_->label("lblProsek"), QString());
    QCOMPARE(dt::shown().front().icon, QMessageBox::Warning);
    QVERIFY(f_->find<QPushButton>("cmdStampaj")->isEnabled());
}

void FrmProsekTest::secondCompanyJoinsWithACommonAverage() {
    addFinal(*f_->context.PayrollDb, 2, "120000", "84000");
    addFinal(*f_->context.PayrollDb, 1, "100000", "70000");
    {
        auto other = test::makeTemplateDatabase(f_->context.companyFolder().parent_path() / "f7" /
                                                "plate.db");
        addFinal(*other, 3, "20000", "14000");
    }
    dt::queueYes();
    dt::queueNumber(din("7"));
    f_->show();
    QCOMPARE(f_->rows("listProsek"), 2);
    QCOMPARE(f_->find<QTreeWidget>("listProsek")->topLevelItem(0)->text(0), QString("1/2026"));
    QCOMPARE(f_->label("lblProsek"), QString("PROSEČNO: BRUTO 110.000,00   NETO 77.000,00"));
    QCOMPARE(f_->rows("listProsek2"), 1);
    QCOMPARE(f_->label("lblProsekObe"),
             QString("PROSEČNO ZA OBE TABELE: BRUTO 80.000,00   NETO 56.000,00"));
}

void FrmProsekTest::zeroAsTheOtherNumberShowsTheFirstTableOnly() {
    addFinal(*f_->context.PayrollDb, 1, "100000", "70000");
    dt::queueYes();
    dt::queueNumber(din("0"));
    f_->show();
    QCOMPARE(f_->rows("listProsek"), 1);
    QCOMPARE(f_->rows("listProsek2"), 0);
    QCOMPARE(f_->label("lblProsekObe"), QString());
}

void FrmProsekTest::menuCommandOpensTheWindow() {
    ui::frmGlavni main(f_->context);
    registerAverageCommands(main, f_->context);
    QVERIFY(main.command("mnuProsek")->isEnabled());
    main.command("mnuProsek")->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().back()->widget()->objectName(), QString("frmProsek"));
}

QTEST_MAIN(FrmProsekTest)
#include "FrmProsekTest.moc"
