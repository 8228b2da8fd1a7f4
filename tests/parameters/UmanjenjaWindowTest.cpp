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
#include "WindowTest.h"
#include "parameters/ParametersCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

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
