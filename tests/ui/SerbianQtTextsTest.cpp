#include "ui/SerbianQtTexts.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class SerbianQtTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { zarion::ui::installSerbianQtTexts(); }

    void theFileDialogSpeaksSerbian() {
        QFileDialog dialog(nullptr, QStringLiteral("Sačuvaj PDF"), QDir::tempPath(),
                           QStringLiteral("PDF (*.pdf)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(dialog.findChild<QLabel*>("lookInLabel")->text(), QStringLiteral("Fascikla:"));
        QCOMPARE(dialog.findChild<QLabel*>("fileNameLabel")->text(),
                 QStringLiteral("&Naziv datoteke:"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Sačuvaj"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Otkaži"));
    }

    void standardButtonsSpeakSerbianAndUnknownTextsStayAsTheyAre() {
        QMessageBox box(QMessageBox::Information, "Tarlen", "x", QMessageBox::Ok | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("U redu"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Ne"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Nothing of Qt's"),
                 QStringLiteral("Nothing of Qt's"));
    }
};

QTEST_MAIN(SerbianQtTextsTest)
#include "SerbianQtTextsTest.moc"
