// The paper returns as the operator corrects them: the count and the amount are asked, the
// derived rows follow on the screen, a locked row is refused, no accounts means no return.
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "parameters/frmPrijava.h"
#include "ui/DialogTesting.h"

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

using namespace zarion;
using namespace zarion::parameters;
using zarion::testing::control;
using Fixture = zarion::test::ReturnsCompany;
namespace dt = zarion::ui::testing;

class PrijavaWindowTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void correctedSubRowIsShownWithItsDerivedRows();
    void lockedRowIsRefusedBeforeAnythingIsAsked();
    void contributionsWithoutAccountsDoNotOpen();
};

void PrijavaWindowTest::correctedSubRowIsShownWithItsDerivedRows() {
    frmPorezNaZarade window(f_->context, 3, 2026, 1, Fixture::figures());
    auto* grid = control<QTreeWidget>(&window, "grdPrijava");
    QCOMPARE(grid->headerItem()->text(2), QStringLiteral("Br.zaposlenih"));
    QCOMPARE(Fixture::amountOf(grid, "8."), QStringLiteral("65.892,40"));

    dt::queueNumber(Currency::fromUnits(11));
    dt::queueNumber(Currency::fromUnits(341076) + Currency::fromRaw(5500));
    Fixture::choose(grid, "2.");
    QCOMPARE(dt::shown().size(), std::size_t(2));
    QCOMPARE(dt::shown()[0].text, QStringLiteral("Broj zaposlenih/angažovanih lica!"));
    QCOMPARE(dt::shown()[1].text, QStringLiteral("Iznos!"));
    QCOMPARE(grid->findItems("2.", Qt::MatchExactly, 0).front()->text(2), QStringLiteral("11"));
    // 1000000 − 341076.55 = 658923.45; × 10% = 65892.345, the half to the even para
    QCOMPARE(Fixture::amountOf(grid, "3."), QStringLiteral("658.923,45"));
    QCOMPARE(Fixture::amountOf(grid, "8."), QStringLiteral("65.892,34"));
}

void PrijavaWindowTest::lockedRowIsRefusedBeforeAnythingIsAsked() {
    frmPorezNaZarade window(f_->context, 3, 2026, 1, Fixture::figures());
    auto* grid = control<QTreeWidget>(&window, "grdPrijava");
    dt::queueOk();
    Fixture::choose(grid, "5.");
    QCOMPARE(shownTexts(), QStringList{"Izabrani red je zaključan!"});
    QCOMPARE(dt::shown()[0].icon, QMessageBox::Warning);
    QCOMPARE(Fixture::amountOf(grid, "5."), QStringLiteral("65.892,40"));
}

void PrijavaWindowTest::contributionsWithoutAccountsDoNotOpen() {
    QWidget caller;
    dt::queueOk();
    QVERIFY(!openDoprinosi(&caller, f_->context, 3, 2026, 1, {{}, {}, {}}));
    QCOMPARE(shownTexts(), QStringList{"Niste uneli uplatne racune!"});
    dt::queueOk();
    QVERIFY(!openDoprinosiPreduzetnik(&caller, f_->context, 3, 2026, 1, {{}, {}, {}}));
    QCOMPARE(dt::shown()[1].text, QStringLiteral("Niste uneli parametre za preduzetnika!"));

    f_->context.PayrollDb->run(
        "INSERT INTO parametri2(racun_pio, racun_zo, racun_nezaposlenost, racun_pio_firma, "
        "racun_zo_firma, racun_nezaposlenost_firma) VALUES ('1', '2', '3', '4', '5', '6')");
    frmDoprinosi* window = openDoprinosi(&caller, f_->context, 3, 2026, 1, {{}, {}, {}});
    QVERIFY(window);
    auto* grid = control<QTreeWidget>(window, "grdPrijava");
    QCOMPARE(grid->headerItem()->text(2), QStringLiteral("AOP"));
    QCOMPARE(grid->headerItem()->text(3), QStringLiteral("Ukupno"));
    QCOMPARE(grid->headerItem()->text(9), QStringLiteral("Racun"));
    window->close();
}

QTEST_MAIN(PrijavaWindowTest)
#include "PrijavaWindowTest.moc"
