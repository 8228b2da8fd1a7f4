#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

#include "core/AppContext.h"
#include "ui/WidgetKit.h"
#include "ui/frmGlavni.h"

using namespace zarion;
using namespace zarion::ui;

// Child windows of the main window: they open inside the workspace, close whole from inside,
// and "Prozori" always has something to show.
class ChildWindowsTest : public QObject {
    Q_OBJECT

    FixedClock clock_{DateTime{{2024, 3, 1}}};

    static QWidget* window(const QString& title, QSize size) {
        auto* w = new QWidget;
        w->setWindowTitle(title);
        w->resize(size);
        return w;
    }
    static QAction* entry(QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

private slots:
    void aWindowLargerThanTheWorkspaceOpensInsideIt() {
        AppContext context(clock_);
        frmGlavni main(context);
        main.resize(900, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QMdiSubWindow* sub = main.showChild(window("Veliki", {3000, 2000}));
        const QRect area = main.mdiArea()->viewport()->rect();
        QVERIFY2(area.contains(sub->geometry()), "the frame reaches beyond the workspace");
    }

    void closingTheWindowFromInsideClosesItsFrame() {
        AppContext context(clock_);
        frmGlavni main(context);
        main.show();
        QWidget* inner = window("Parametri", {300, 200});
        main.showChild(inner);
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        inner->close(); // what "Izlaz" and Esc do
        QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 0);
    }

    void aRightClickOnACalculationListOffersThePopUpMenu() {
        AppContext context(clock_);
        frmGlavni main(context);
        main.show();
        auto* window = new QWidget;
        auto* list = makeList(window, "listZ", {"Prezime i ime", "ID"});
        addRow(list, {"Antić Ana", "1"}, 1);
        addRow(list, {"Babić Ivan", "2"}, 2);
        offerPopUpMenu(list);
        main.showChild(window);
        QVERIFY(QTest::qWaitForWindowExposed(list));

        const QRect second = list->visualItemRect(list->topLevelItem(1));
        emit list->customContextMenuRequested(second.center());
        QTRY_VERIFY(main.popupMenu()->isVisible());
        QCOMPARE(currentNumber(list), 2LL); // the row under the click is the chosen one
        QVERIFY(entry(main.popupMenu(), "Obrisi obracun za izabranog radnika"));
        main.popupMenu()->close();
    }

    void prozoriIsNeverEmptySoItAlwaysOpens() {
        AppContext context(clock_);
        frmGlavni main(context);
        auto* menu = main.findChild<QMenu*>("mnuProzori");
        QVERIFY(menu);
        QVERIFY(entry(menu, "Kaskadno"));
        QVERIFY(!entry(menu, "Nema otvorenih prozora")->isEnabled());
    }
};

QTEST_MAIN(ChildWindowsTest)
#include "ChildWindowsTest.moc"
