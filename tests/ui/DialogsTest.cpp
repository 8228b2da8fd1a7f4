#include "ui/Dialogs.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QtTest>

#include "WindowTest.h"
#include "core/AppContext.h"
#include "ui/DialogTesting.h"
#include "ui/frmMSG.h"
#include "ui/frmStampaci.h"
#include "ui/frmULAZ.h"
#include "ui/frmULAZTEKST.h"
#include "ui/frmUlazDatum.h"

using namespace zarion;
using namespace zarion::ui;
namespace t = zarion::ui::testing;

class DialogsTest : public zarion::testing::WindowTest {
    Q_OBJECT

private slots:
    void queuedAnswersAreTakenInOrderAndRecorded() {
        t::queueYes();
        t::queueNumber(Currency::parse("12.5"));
        t::queueText(QStringLiteral("Petrović"));
        t::queueDate(QDate(2024, 2, 29));
        t::queueNo();
        t::queueCancel();
        t::queueFile(QStringLiteral("/tmp/a.xml"));

        QVERIFY(ask(nullptr, "Da li ste sigurni?"_q));
        QCOMPARE(askNumber(nullptr, "Unesite godinu"_q), std::optional(Currency::parse("12.5")));
        QCOMPARE(askText(nullptr, "Unesite naziv"_q), std::optional(QStringLiteral("Petrović")));
        QCOMPARE(askDate(nullptr, "Datum"_q), std::optional(QDate(2024, 2, 29)));
        QCOMPARE(showMessage(nullptr, "Nastaviti?"_q, 0, true), 2);
        QCOMPARE(askNumber(nullptr, "Unesite mesec"_q), std::nullopt);
        QCOMPARE(saveFileName(nullptr, "Snimi"_q, {}, {}), QStringLiteral("/tmp/a.xml"));
        // The queue is empty: strict mode answers at once instead of waiting.
        message(nullptr, "Greska kod pronalazenja radnika u bazi!"_q, Icon::Critical);
        message(nullptr, "Paznja!"_q, Icon::Exclamation);
        message(nullptr, "Gotovo!"_q, Icon::Information);
        QCOMPARE(ask(nullptr, "Brisati?"_q), false);
        QCOMPARE(askText(nullptr, "Naziv"_q), std::nullopt);

        const auto& shown = t::shown();
        QCOMPARE(shown.size(), 12u);
        for (const auto& box : shown)
            QCOMPARE(box.title, QStringLiteral("Tarlen"));
        QCOMPARE(shown[0].kind, t::BoxKind::Question);
        QCOMPARE(shown[0].icon, QMessageBox::Question);
        QCOMPARE(shown[1].kind, t::BoxKind::Number);
        QCOMPARE(shown[1].text, QStringLiteral("Unesite godinu"));
        QCOMPARE(shown[4].kind, t::BoxKind::MessageWindow);
        QCOMPARE(shown[6].kind, t::BoxKind::SaveFile);
        QCOMPARE(shown[7].text, QStringLiteral("Greska kod pronalazenja radnika u bazi!"));
        QCOMPARE(shown[7].icon, QMessageBox::Critical);
        QCOMPARE(shown[8].icon, QMessageBox::Warning);
        QCOMPARE(shown[9].icon, QMessageBox::Information);
    }

    void yusciiLiteralGivesSerbianLetters() {
        QCOMPARE("A`uriraj"_q, QStringLiteral("Ažuriraj"));
        QCOMPARE("Unesite {ifru!"_q, QStringLiteral("Unesite šifru!"));
        QCOMPARE("[@^]\\`~}|{"_q, QStringLiteral("ŠŽČĆĐžčćđš"));
    }

    void numberDialogReadsTheNumericPrefixAndMasks() {
        frmULAZ dialog;
        dialog.setCaption("Unesite {ifru!"_q);
        dialog.setPasswordChar(QLatin1Char('#'));
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtULAZ"));
        QVERIFY(box);
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QStyleOptionFrame option;
        option.initFrom(box);
        QCOMPARE(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, &option, box),
                 int('#'));

        dialog.show();
        QTest::keyClicks(box, QStringLiteral("12.5abc"));
        QTest::keyClick(box, Qt::Key_Return); // Enter is OK
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.value(), Currency::parse("12.5"));
        QVERIFY(t::shown().empty());
    }

    void numberTooLargeReportsTheErrorAndStaysOpen() {
        frmULAZ dialog;
        dialog.show();
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtULAZ"));
        box->setText(QStringLiteral("1e30"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(t::shown().size(), 1u);
        QVERIFY2(t::shown()[0].text.startsWith(
                     QStringLiteral("Greska u proceduri frmUlaz.cmdOK_Click! Opis: ")),
                 qPrintable(t::shown()[0].text));
        QCOMPARE(t::shown()[0].icon, QMessageBox::Critical);
    }

    void textAndDateDialogsHandBackTheirValueAndEscCancels() {
        frmULAZTEKST text;
        text.show();
        auto* box = text.findChild<QLineEdit*>(QStringLiteral("txtULAZ"));
        box->insert(QStringLiteral("Šćepanović"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(text.result(), int(QDialog::Accepted));
        QCOMPARE(text.value(), QStringLiteral("Šćepanović"));

        frmUlazDatum date;
        auto* picker = date.findChild<QDateEdit*>(QStringLiteral("DTPicker1"));
        QVERIFY(picker->calendarPopup());
        date.setDate(QDate(2023, 12, 31));
        date.show();
        QTest::keyClick(picker, Qt::Key_Escape);
        QCOMPARE(date.result(), int(QDialog::Rejected));
        QCOMPARE(date.value(), QDate(2023, 12, 31));
    }

    void everyInputBoxSelectsItsTextOnFocus() {
        frmULAZ number;
        frmULAZTEKST text;
        frmUlazDatum date;
        date.setDate(QDate(2024, 5, 17));
        const std::vector<std::pair<QDialog*, QString>> dialogs = {
            {&number, QStringLiteral("txtULAZ")},
            {&text, QStringLiteral("txtULAZ")},
            {&date, QStringLiteral("DTPicker1")}};
        for (auto [dialog, boxName] : dialogs) {
            auto* box = dialog->findChild<QWidget*>(boxName);
            // A date box shows its text through a line edit of its own.
            auto* line = qobject_cast<QLineEdit*>(box);
            if (line)
                line->setText(QStringLiteral("1234.56"));
            else
                line = box->findChild<QLineEdit*>();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->setFocus();
            line->deselect();
            box->setFocus(Qt::MouseFocusReason);
            QVERIFY(!line->text().isEmpty());
            QTRY_COMPARE(line->selectedText(), line->text());
            dialog->hide();
        }
    }

    void messageWindowAnswersOneTwoZero() {
        const std::vector<std::tuple<QString, bool, int>> cases = {
            {QStringLiteral("cmdDA"), true, 1},
            {QStringLiteral("cmdNE"), true, 2},
            {QStringLiteral("cmdOK"), false, 0}};
        for (const auto& [button, yesNo, expected] : cases) {
            frmMSG window;
            window.prepare(QStringLiteral("Poruka"), 0, yesNo);
            window.show();
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdDA"))->isVisible(), yesNo);
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isVisible(), !yesNo);
            QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
            QCOMPARE(window.answer(), expected);
            QVERIFY(!window.isVisible());
        }
    }

    void messageWindowTimerClosesIt() {
        frmMSG window;
        window.prepare(QStringLiteral("Sacekajte"), 3, true);
        auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 3000);
        timer->start(50);
        window.show();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.answer(), 0);
    }

    void realMessageWindowRunsModallyWhenNothingIsQueued() {
        t::setStrict(false);
        QTimer::singleShot(0, [] {
            auto* window = qobject_cast<frmMSG*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdNE")),
                              Qt::LeftButton);
        });
        QCOMPARE(showMessage(nullptr, QStringLiteral("Brisati?"), 0, true), 2);
    }

    void printerChoiceStoresTheDeviceName() {
        FixedClock clock(DateTime{{2024, 1, 15}});
        AppContext context(clock);
        frmStampaci window(context, {QStringLiteral("HP LaserJet"), QStringLiteral("PDF")},
                           nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* list = window.findChild<QListWidget*>(QStringLiteral("listST"));
        QCOMPARE(list->count(), 2);
        const QRect row = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(context.PrinterName, std::string("PDF"));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("cmdZatvori"))->hasFocus());
    }

    void anEmptyPrinterListSaysSoAndPointsToPdf() {
        FixedClock clock(DateTime{{2024, 1, 15}});
        AppContext context(clock);
        frmStampaci window(context, {}, nullptr);
        auto* note = window.findChild<QLabel*>(QStringLiteral("lblNema"));
        QVERIFY(note);
        QVERIFY(note->text().contains(QStringLiteral("nijedan štampač")));
        QVERIFY(note->text().contains(QStringLiteral("PDF")));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
