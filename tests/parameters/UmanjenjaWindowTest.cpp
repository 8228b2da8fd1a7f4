// The net-reduction overview as the operator uses it: the kind of payout chooses the payer's
// account, the list shows the month, choosing a row keeps the employee's control number.
#include "UmanjenjaWindowTest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "TemplateDatabase.h"
#include "core/AppContext.h"
#include "parameters/ParametersCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

struct UmanjenjaWindowTest::Fixture {
    FixedClock clock{{{2026, 3, 16}, 10, 0, 0}};
    test::TemplateDatabase payroll;
    AppContext context{clock};

    Fixture() {
        payroll->run("INSERT INTO postavke(na_pola_meseca) VALUES (1)");
        payroll->run("INSERT INTO parametri2(racun_za_isplatu, racun_za_isplatu_bolovanje) "
                     "VALUES ('160-1-1', '160-2-2')");
        payroll->run("INSERT INTO radnici(id_radnik, Prezime, Ime, JMBG) VALUES "
                     "(4, 'Jović', 'Marko', '0202985710002')");
        payroll->run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, solidarni_porez) "
                     "VALUES (4, 3, 2026, ?)",
                     Currency::fromUnits(1234) + Currency::fromRaw(5600));
        context.WorkYear = 2026;
        context.PayrollDb = payroll.release();
    }
};

UmanjenjaWindowTest::UmanjenjaWindowTest() = default;
UmanjenjaWindowTest::~UmanjenjaWindowTest() = default;

void UmanjenjaWindowTest::init() {
    dt::setStrict(true);
    dt::clear();
    f_ = std::make_unique<Fixture>();
}

void UmanjenjaWindowTest::cleanup() {
    QCOMPARE(dt::pending(), 0);
    f_.reset();
}

void UmanjenjaWindowTest::menuShowsTheMonthsReductionsAndKeepsAControlNumber() {
    ui::frmGlavni main(f_->context);
    registerParametersCommands(main, f_->context);
    main.command(QStringLiteral("mnupreUmanj"))->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
    QWidget* window = main.mdiArea()->subWindowList().front()->widget();

    auto* isplata = control<QComboBox>(window, "cmbIsplata");
    QCOMPARE(isplata->count(), 4); // the advance too: the month is paid in two parts
    QCOMPARE(control<QLineEdit>(window, "txtDuznik")->text(), QStringLiteral("160-1-1"));
    isplata->setCurrentIndex(2);
    QCOMPARE(control<QLineEdit>(window, "txtDuznik")->text(), QStringLiteral("160-2-2"));
    isplata->setCurrentIndex(1);

    QTest::mouseClick(control<QPushButton>(window, "cmdPrikazi"), Qt::LeftButton);
    auto* list = control<QTreeWidget>(window, "listU");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Jović Marko"));
    QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("1.234,56"));
    QCOMPARE(control<QLineEdit>(window, "txtUK")->text(), QStringLiteral("1.234,56"));

    dt::queueText(QStringLiteral(" 07 "));
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(dt::shown().size(), std::size_t(1));
    QCOMPARE(dt::shown().front().text, QStringLiteral("Unesite kontrolni broj za: Jović Marko"));
    QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("07"));
    db::Statement stored =
        f_->context.PayrollDb->prepare("SELECT Kontrolni FROM radnici WHERE id_radnik = 4");
    QVERIFY(stored.step());
    QCOMPARE(stored.text(0), std::string("07"));
}

QTEST_MAIN(UmanjenjaWindowTest)
