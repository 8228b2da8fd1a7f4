// The income type code editor: nine boxes passed through as the code is typed, the help lists,
// and saving the code and the days back to the row.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "WindowTest.h"
#include "parameters/frmSifraVrstePrihoda.h"

using namespace zarion;
using namespace zarion::parameters;

struct Editor {
    std::string code;
    int days = -1;
    frmSifraVrstePrihoda window{"7", "101101000", 31,
                                [this](const std::string& c, int d) {
                                    code = c;
                                    days = d;
                                },
                                nullptr};

    template <typename T> T* child(const QString& name) { return window.findChild<T*>(name); }
    QLineEdit* box(int i) { return child<QLineEdit>(QString("txtSP%1").arg(i)); }
};

class SifraVrstePrihodaWindowTest : public zarion::testing::WindowTestWith<Editor> {
    Q_OBJECT

private slots:
    void typingNineCharactersPassesThroughEveryBox();
    void theHelpButtonsShowTheCodeLists();
};

void SifraVrstePrihodaWindowTest::typingNineCharactersPassesThroughEveryBox() {
    f_->window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f_->window));
    QCOMPARE(f_->child<QLabel>("lblRedBr")->text(), QString("7"));
    QCOMPARE(f_->box(3)->text(), QString("1"));
    f_->box(0)->setFocus();
    const QString typed = "103106002";
    for (int i = 0; i < 9; ++i) {
        QTRY_VERIFY(f_->box(i)->hasFocus());
        QTest::keyClick(f_->box(i), typed[i].toLatin1());
    }
    QTRY_VERIFY(f_->child<QLineEdit>("txtBrDana")->hasFocus());
    // the days box is chosen whole, so typing replaces them
    QTest::keyClicks(f_->child<QLineEdit>("txtBrDana"), "30");
    QTest::mouseClick(f_->child<QPushButton>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(f_->code, std::string("103106002"));
    QCOMPARE(f_->days, 30);
    QVERIFY(!f_->window.isVisible());
}

void SifraVrstePrihodaWindowTest::theHelpButtonsShowTheCodeLists() {
    const auto help = [this](const char* button) {
        QTest::mouseClick(f_->child<QPushButton>(button), Qt::LeftButton);
        return f_->child<QPlainTextEdit>("txtPomoc")->toPlainText().split('\n');
    };
    const QStringList recipients = help("cmdVrstaPrimanja");
    QCOMPARE(recipients.front(), QString("Vrsta primanja"));
    QCOMPARE(recipients[1], QString("01 Zaposleni"));
    QCOMPARE(help("cmdVrstaPrihoda")[1], QString("101 Zarada zaposlenog"));
    QCOMPARE(help("cmdOlaksica").front(), QString("Oznaka olakšice"));
    const QStringList benefits = help("cmdBeneficija");
    QCOMPARE(benefits.size(), 6);
    QCOMPARE(benefits.back(), QString("4 beneficirani staz 12/18"));
}

QTEST_MAIN(SifraVrstePrihodaWindowTest)
#include "SifraVrstePrihodaWindowTest.moc"
