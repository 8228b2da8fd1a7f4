// The history window as the operator works it: marking a month filed and lifting the mark take
// his password and a reason, a wrong code changes nothing, and the list shows what was done.
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "Templates.h"
#include "WindowTest.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"
#include "core/trail/FiledMonths.h"
#include "maintenance/frmIstorijaPromena.h"
#include "ui/DialogTesting.h"

using namespace zarion;
namespace dt = zarion::ui::testing;

struct Fixture : test::CompanyFixture {
    Fixture()
        : CompanyFixture({{2026, 4, 10}, 8, 0, 0}) {
        auto registerDb = db::Database::create(startup::registerPath(context.DataRoot));
        registerDb->execScript(schema::registerSql());
        context.OperatorId =
            startup::saveOperator(*registerDb, "ana", "tajna", std::nullopt, std::nullopt, 0);
        window = std::make_unique<ui::frmIstorijaPromena>(context);
    }
    void click(const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // month, payment, code and reason of a hand mark
    static void answerMark(const char* code) {
        dt::queueNumber(Currency::fromUnits(3));
        dt::queueNumber(Currency::fromUnits(2));
        dt::queueText(code);
    }

    std::unique_ptr<ui::frmIstorijaPromena> window;
};

class IstorijaPromenaTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void markingAndLiftingTakeTheCodeAndAReason();
};

void IstorijaPromenaTest::markingAndLiftingTakeTheCodeAndAReason() {
    Fixture& f = *f_;
    Fixture::answerMark("pogresna");
    f.click("cmdPredaj");
    QVERIFY(wasShown("Pogrešna šifra!"));
    QVERIFY(!trail::needsPermit(f.payroll(), CalculationKind::Final, 2026, 3));

    Fixture::answerMark("tajna");
    dt::queueText("predato na salteru");
    f.click("cmdPredaj");
    QVERIFY(trail::needsPermit(f.payroll(), CalculationKind::Final, 2026, 3));
    QCOMPARE(f.window->listPredati->topLevelItemCount(), 1);

    f.window->listPredati->setCurrentItem(f.window->listPredati->topLevelItem(0));
    dt::queueText("tajna");
    dt::queueText("pogresan mesec");
    f.click("cmdPovuci");
    QVERIFY(!trail::needsPermit(f.payroll(), CalculationKind::Final, 2026, 3));
    QCOMPARE(f.count("SELECT count(*) FROM istorija_promena WHERE "
                     "(vrsta = 'predat_mesec' AND razlog = 'predato na salteru') OR "
                     "(vrsta = 'povucen_mesec' AND razlog = 'pogresan mesec')"),
             std::int64_t{2});
    QCOMPARE(f.window->listIstorija->topLevelItemCount(), 2);
    QCOMPARE(f.window->listIstorija->topLevelItem(1)->text(3),
             QString("Povučena predaja, Predaja meseca"));
}

QTEST_MAIN(IstorijaPromenaTest)
#include "IstorijaPromenaTest.moc"
