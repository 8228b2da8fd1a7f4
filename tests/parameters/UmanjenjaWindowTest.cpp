// The net-reduction overview as the operator uses it: the kind of payout chooses the payer's
// account, the list shows the month, choosing a row keeps the employee's control number.
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
#include "WindowTest.h"
#include "core/AppContext.h"
#include "parameters/ParametersCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

namespace zarion::test {

// A month paid in two parts, the payer's accounts for salaries and for sick pay, and Jović
// Marko's March calculation with its net reduction of 1,234.56.
struct MonthWithReduction {
    FixedClock clock{{{2026, 3, 16}, 10, 0, 0}};
    TemplateDatabase payroll;
    AppContext context{clock};

    MonthWithReduction() {
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

} // namespace zarion::test

using namespace zarion;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

class UmanjenjaWindowTest : public zarion::testing::WindowTestWith<test::MonthWithReduction> {
    Q_OBJECT

private slots:
    void menuShowsTheMonthsReductionsAndKeepsAControlNumber();
};

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
    QCOMPARE(shownTexts(), QStringList{"Unesite kontrolni broj za: Jović Marko"});
    QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("07"));
    db::Statement stored =
        f_->context.PayrollDb->prepare("SELECT Kontrolni FROM radnici WHERE id_radnik = 4");
    QVERIFY(stored.step());
    QCOMPARE(stored.text(0), std::string("07"));
}

QTEST_MAIN(UmanjenjaWindowTest)
#include "UmanjenjaWindowTest.moc"
