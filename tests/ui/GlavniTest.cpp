#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "TempDir.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "ui/DialogTesting.h"
#include "ui/Dialogs.h"
#include "ui/MainMenu.h"
#include "ui/frmGlavni.h"

using namespace zarion;
using namespace zarion::ui;
namespace t = zarion::ui::testing;

namespace {

// Every action of the menu bar and its menus, depth first: the order the operator sees.
void collect(const QList<QAction*>& actions, QList<QAction*>& out) {
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        out.append(action);
        if (action->menu() && action->objectName() != "mnuProzori") // its entries are the windows
            collect(action->menu()->actions(), out);
    }
}

} // namespace

class GlavniTest : public zarion::testing::WindowTest {
    Q_OBJECT

    FixedClock clock_{DateTime{{2024, 3, 1}}};

private slots:
    void menuHoldsEveryCommandInOrderWithItsCaption() {
        AppContext context(clock_);
        frmGlavni window(context);
        QList<QAction*> actions;
        collect(window.menuBar()->actions(), actions);

        const auto table = mainMenu();
        QCOMPARE(actions.size(), qsizetype(table.size()));
        QCOMPARE(actions.size(), 73);
        for (qsizetype i = 0; i < actions.size(); ++i)
            QCOMPARE(actions[i]->objectName(), QString::fromLatin1(table[i].name));

        const std::map<QString, QString> captions = {
            {"mnuUnos", "Unos podataka"},
            {"mnuPodaci", "Podaci o firmi"},
            {"mnuUnPar", "Parametri obracuna"},
            {"mnuUplVlasnik", "Upl.racuni - Vlasnik/Preduzetnik"},
            {"mnuUnosBolovanja", "Bolovanja"},
            {"mnuUB30", "Preko 30 dana"},
            {"mnuOLD", "Obracun LD"},
            {"mnuobrO", "Ostale zarade"},
            {"mnuOZPrivremeni", "Ugovor o privremenim i poremenim poslovima"},
            {"mnuSPB", "Spiskovi za obracun - Bolovanje "},
            {"mnupreUmanj", "Pregled umanjenja NETO preko 60000"},
            {"mnuIRZZO", "Izvestaj za RZZO"},
            {"mnuStamp", "Izbor stampaca"},
            {"mnuPomocne", "Pomocne procedure"},
            {"mnuOO", "Obrisi obracun za izabranog radnika"},
            {"mnuProzori", "Prozori"}};
        for (const auto& [name, caption] : captions) {
            QVERIFY2(window.command(name), qPrintable(name));
            QCOMPARE(window.command(name)->text(), caption);
        }

        // Nesting: "Bolovanja" under "Unos podataka", "Ostale zarade" under "Obracun LD".
        const auto holds = [&](const char* group, const char* name) {
            return window.command(group)->menu()->actions().contains(window.command(name));
        };
        QVERIFY(holds("mnuUnos", "mnuUnosBolovanja"));
        QVERIFY(holds("mnuUnosBolovanja", "mnuUB30"));
        QVERIFY(holds("mnuUnos", "mnuUnosInv"));
        QVERIFY(holds("mnuOLD", "mnuobrO"));
        QVERIFY(holds("mnuobrO", "mnuOstDnevnice"));
        QVERIFY(holds("mnuOLD", "mnuAkont"));
        QVERIFY(window.menuBar()->actions().contains(window.command("mnuStamp")));
        QVERIFY(!window.command("mnuPopUp")->isVisible());
        QCOMPARE(window.popupMenu()->actions().size(), 2);
    }

    void commandsWithoutTheirWindowAreDisabled() {
        AppContext context(clock_);
        frmGlavni window(context);
        const QStringList alive = {"mnuStamp"};
        for (const MenuEntry& entry : mainMenu()) {
            QAction* action = window.command(entry.name);
            if (entry.kind == MenuEntry::HiddenGroup)
                continue; // kept off screen, never chosen from the menu bar
            const bool expected = entry.kind != MenuEntry::Command || alive.contains(entry.name);
            QVERIFY2(action->isEnabled() == expected, entry.name);
        }

        int opened = 0;
        window.enableCommand("mnuZaposleni", [&] { ++opened; });
        QVERIFY(window.command("mnuZaposleni")->isEnabled());
        window.command("mnuZaposleni")->trigger();
        QCOMPARE(opened, 1);
    }

    void pomocneOpensItsWindowOnlyForTheAccessCode() {
        AppContext context(clock_);
        frmGlavni window(context);
        int made = 0;
        window.setPomocneFactory([&] {
            ++made;
            auto* pomocne = new QWidget;
            pomocne->setObjectName("frmPomocne");
            return pomocne;
        });
        QAction* pomocne = window.command("mnuPomocne");
        QVERIFY(pomocne->isEnabled());

        t::queueNumber(Currency::fromUnits(1234));
        pomocne->trigger();
        QCOMPARE(made, 0);
        t::queueCancel();
        pomocne->trigger();
        QCOMPARE(made, 0);
        t::queueNumber(Currency::fromUnits(7269));
        pomocne->trigger();
        QCOMPARE(made, 1);
        QVERIFY(window.mdiArea()->activeSubWindow());
        QCOMPARE(window.mdiArea()->activeSubWindow()->widget()->objectName(), "frmPomocne");

        QCOMPARE(t::shown().size(), 3u);
        QCOMPARE(t::shown()[0].kind, t::BoxKind::Number);
        QCOMPARE(t::shown()[0].text, QStringLiteral("Unesite šifru!"));
    }

    void windowListActivatesTheChosenChild() {
        AppContext context(clock_);
        frmGlavni window(context);
        window.resize(1000, 700);
        window.show();
        auto* first = new QWidget;
        first->setWindowTitle("Zaposleni");
        auto* second = new QWidget;
        second->setWindowTitle("Banke");
        QMdiSubWindow* firstSub = window.showChild(first);
        window.showChild(second);
        QVERIFY(!firstSub->windowIcon().isNull()); // the program's, not the toolkit's

        QMenu* prozori = window.command("mnuProzori")->menu();
        emit prozori->aboutToShow();
        const auto entries = prozori->actions().mid(3); // after the arranging commands
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), "Zaposleni");
        QVERIFY(entries[1]->isChecked());
        entries[0]->trigger();
        QCOMPARE(window.mdiArea()->activeSubWindow(), firstSub);
    }

    void companyCaptionAndLogo() {
        test::TempDir dir;
        AppContext context(clock_);
        context.DataRoot = dir.path();
        context.WorkYear = 2024;
        context.CompanyId = 7;
        context.CompanyCaption = "Šumadija promet - Kragujevac";
        std::filesystem::create_directories(context.companyFolder());
        QPixmap logo(120, 40);
        logo.fill(Qt::darkBlue);
        QVERIFY(logo.save(QString::fromStdString((context.companyFolder() / "logo.jpg").string())));

        frmGlavni window(context);
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* caption = window.findChild<QLabel*>("lblNatpis");
        QCOMPARE(caption->text(), QStringLiteral("Šumadija promet - Kragujevac"));
        QCOMPARE(caption->font().family(), QStringLiteral("DejaVu Sans"));
        auto* picture = window.findChild<QLabel*>("picMaliLogo");
        QVERIFY(picture->isVisible());
        QVERIFY(!picture->pixmap().isNull());

        // Right-aligned with its margin, also after the window changes size.
        for (int width : {1000, 760}) {
            window.resize(width, 700);
            QTRY_COMPARE(caption->mapTo(&window, QPoint(caption->width(), 0)).x(), width - 33);
        }
    }
};

QTEST_MAIN(GlavniTest)
#include "GlavniTest.moc"
