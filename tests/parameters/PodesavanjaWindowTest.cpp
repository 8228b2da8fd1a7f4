// The table editor as the operator uses it: boxes, saving, the refusal message, the layout.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "parameters/ParametersCommands.h"
#include "parameters/TableEditor.h"
#include "parameters/frmPodesavanja.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
using namespace zarion::parameters;
namespace dt = zarion::ui::testing;

struct Fixture {
    test::TemplateDatabase db;
    FixedClock clock{{{2024, 3, 16}, 10, 0, 0}};

    QLineEdit* box(QWidget& window, int column) {
        return window.findChild<QLineEdit*>(QStringLiteral("text_%1").arg(column));
    }
};

class PodesavanjaWindowTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void firstSaveCreatesTheRowAndCloses();
    void refusedValueStoresNothingNamesTheColumnAndStaysOpen();
    void fortyFiveColumnsLieInTwoColumnsOfBoxes();
    void descriptionsStandWholeBesideTheirBoxesWithinTheScreen();
    void menuOpensTheEditorsAndLeavesTheMonthCalculationForLater();
};

void PodesavanjaWindowTest::firstSaveCreatesTheRowAndCloses() {
    frmPodesavanja window(*f_->db, QStringLiteral("kurs"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kurs strane valute"));
    // The operator's description of the column, its name small beneath it, both in the tooltip.
    const QString usd =
        QString::fromUtf8("Kurs američkog dolara za obustave u dolarima (dinara za 1 USD)");
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Labela_2"))->text(), usd);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblKolona_2"))->text(),
             QStringLiteral("kurs_usd"));
    QCOMPARE(f_->box(window, 2)->toolTip(), usd + QStringLiteral("\nkurs_usd"));
    QVERIFY(f_->box(window, 0)->text().isEmpty());

    window.show();
    QTest::keyClicks(f_->box(window, 0), QStringLiteral("117,25"));
    f_->box(window, 2)->setText(QStringLiteral("101"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdSnimi")), Qt::LeftButton);

    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
    QVERIFY(dt::shown().empty());
    db::Statement row = f_->db->prepare("SELECT kurs_eur, kurs_chf, kurs_usd FROM kurs");
    QVERIFY(row.step());
    QCOMPARE(row.number(0), 117.25);
    QVERIFY(row.isNull(1));
    QCOMPARE(row.number(2), 101.0);
    QVERIFY(!row.step());
}

void PodesavanjaWindowTest::refusedValueStoresNothingNamesTheColumnAndStaysOpen() {
    f_->db->run("INSERT INTO kurs(kurs_eur, kurs_chf, kurs_usd) VALUES (117, 125, 100)");
    frmPodesavanja window(*f_->db, QStringLiteral("kurs"));
    QCOMPARE(f_->box(window, 1)->text(), QStringLiteral("125 "));
    window.show();
    f_->box(window, 0)->setText(QStringLiteral("118"));
    f_->box(window, 1)->setText(QStringLiteral("126,5 din"));
    dt::queueOk();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdSnimi")), Qt::LeftButton);

    QCOMPARE(dt::shown().size(), std::size_t(1));
    QVERIFY2(dt::shown().front().text.contains(QStringLiteral("kurs_chf")),
             qPrintable(dt::shown().front().text));
    QCOMPARE(dt::shown().front().icon, QMessageBox::Warning);
    QVERIFY(window.isVisible());
    QCOMPARE(*f_->db->scalar("SELECT kurs_eur FROM kurs"), std::int64_t{117});

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdIzlaz")), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(*f_->db->scalar("SELECT kurs_eur FROM kurs"), std::int64_t{117});
}

void PodesavanjaWindowTest::fortyFiveColumnsLieInTwoColumnsOfBoxes() {
    // parametri_bolovanje has 41 columns; four more make the 45 of a wide table.
    for (const char* extra : {"dodatni_1", "dodatni_2", "dodatni_3", "dodatni_4"})
        f_->db->execScript(std::string("ALTER TABLE parametri_bolovanje ADD COLUMN ") + extra +
                           " TEXT(10)");
    frmPodesavanja window(*f_->db, QStringLiteral("parametri_bolovanje"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto at = [&](int column) {
        QLineEdit* box = f_->box(window, column);
        return box->mapTo(&window, QPoint(0, 0));
    };
    QVERIFY(f_->box(window, 44));
    QVERIFY(!f_->box(window, 45));
    QCOMPARE(at(39).x(), at(0).x());
    QVERIFY(at(40).x() > at(39).x()); // column 40: the second column of boxes…
    QVERIFY(at(40).y() > at(39).y()); // …at its foot, below the fortieth row
    for (int column = 41; column <= 44; ++column) {
        QCOMPARE(at(column).x(), at(40).x());
        QCOMPARE(at(column).y(), at(column - 40).y()); // 41 to 44 from its top
    }
    // A column without a description is captioned with its name alone.
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Labela_44"))->text(),
             QStringLiteral("dodatni_4"));
    QVERIFY(!window.findChild<QLabel*>(QStringLiteral("lblKolona_44")));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblKolona_40")));
}

void PodesavanjaWindowTest::descriptionsStandWholeBesideTheirBoxesWithinTheScreen() {
    for (const char* table : {"postavke", "parametri2"}) {
        frmPodesavanja window(*f_->db, QString::fromLatin1(table));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.frameGeometry().width() <= window.screen()->availableSize().width());
        QVERIFY(window.frameGeometry().height() <= window.screen()->availableSize().height());
        for (int column = 0; f_->box(window, column); ++column) {
            auto* caption = window.findChild<QLabel*>(QStringLiteral("Labela_%1").arg(column));
            QLineEdit* box = f_->box(window, column);
            // Every line of the description has room, and it ends before its box begins.
            QVERIFY2(caption->width() >= caption->minimumSizeHint().width() &&
                         caption->height() >= caption->heightForWidth(caption->width()),
                     qPrintable(caption->text()));
            QVERIFY(caption->mapTo(&window, QPoint(caption->width(), 0)).x() <=
                    box->mapTo(&window, QPoint(0, 0)).x());
        }
    }
}

void PodesavanjaWindowTest::menuOpensTheEditorsAndLeavesTheMonthCalculationForLater() {
    AppContext context(f_->clock);
    context.PayrollDb = f_->db.release();
    ui::frmGlavni window(context);
    registerParametersCommands(window, context);
    for (const char* name : {"mnuUnPar", "mnuPost", "mnuOstali", "mnuUplRB", "mnuUpRP", "mnuUPRI",
                             "mnuUplVlasnik", "mnuKurs", "mnuPodPPPPD", "mnuUPBR", "mnuPoMes"})
        QVERIFY2(window.command(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(!window.command(QStringLiteral("mnuPojOLD"))->isEnabled());

    // The editor opens modally on its table; closing it without saving stores nothing.
    QString opened;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        opened = editor->windowTitle();
        editor->reject();
    });
    window.command(QStringLiteral("mnuOstali"))->trigger();
    QCOMPARE(opened, QString::fromUtf8("Uplatni računi"));
    QCOMPARE(*context.PayrollDb->scalar("SELECT count(*) FROM parametri2"), std::int64_t{0});

    bool calculationOpened = false;
    enableMonthCalculation(window, context, [&] { calculationOpened = true; });
    QVERIFY(window.command(QStringLiteral("mnuPojOLD"))->isEnabled());
    QVERIFY(!calculationOpened);
}

QTEST_MAIN(PodesavanjaWindowTest)
#include "PodesavanjaWindowTest.moc"
