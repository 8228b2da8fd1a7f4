#include "ui/TitleFitting.h"

#include <QDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QtTest>

class TitleFittingTest : public QObject {
    Q_OBJECT

    static int titleText(const QString& title) {
        return QFontMetrics(QApplication::font()).horizontalAdvance(title);
    }

private slots:
    void initTestCase() { zarion::ui::installTitleFitting(); }

    void aSmallDialogGrowsToItsTitle() {
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Mesec i godina obračuna"));
        dialog.resize(60, 40);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.width() > titleText(dialog.windowTitle()) + 100);
    }

    void aMessageBoxWithAShortTextKeepsItsTitleWhole() {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tarlen – obaveštenje o radu"),
                        QStringLiteral("Gotovo!"), QMessageBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.width() > titleText(box.windowTitle()) + 100);
    }
};

QTEST_MAIN(TitleFittingTest)
#include "TitleFittingTest.moc"
