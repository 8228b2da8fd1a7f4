// The treasury and M-4 windows driven as an operator does, offscreen.
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "TreasuryPayroll.h"
#include "WindowTest.h"
#include "outputs/M4Data.h"
#include "outputs/TreasuryXml.h"
#include "outputs/frmM4Novi.h"
#include "outputs/frmPPP.h"
#include "outputs/frmTrezor.h"
#include "outputs/frmTrezorDodaj.h"
#include "ui/DialogTesting.h"
#include "ui/Dialogs.h"

using namespace zarion;
using namespace zarion::outputs;
using zarion::ui::operator""_q;
namespace dt = zarion::ui::testing;

struct Fixture : test::CompanyFixture {
    Fixture()
        : CompanyFixture({{2026, 4, 2}, 9, 0, 0}) {}
    test::TreasuryPayroll month{payroll()};
};

class AnnualWindowsTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

    template <typename T> static T* child(QWidget& w, const char* name) {
        return w.findChild<T*>(name);
    }

private slots:
    void treasuryFilesGoIntoTheBaseFolderUnderTheirNames();
    void m4IsSavedAndAPersonRemoved();
    void returnRowAddedByHandIsWrittenOnTheDrive();
    void handLineNeedsAnAccountAndOneSide();
};

// A wrong unique number writes nothing; a right one is kept and names the commitment file; a
// hand line on a liability account is reported against the payments, which are written all
// the same.
void AnnualWindowsTest::treasuryFilesGoIntoTheBaseFolderUnderTheirNames() {
    frmTrezor window(f_->context);
    window.choose(TreasurySource::Salaries, 2026, 3);
    QCOMPARE(child<QTreeWidget>(window, "listT")->topLevelItemCount(), 9);
    const auto folder = f_->base / "XML_TREZOR";

    child<QLineEdit>(window, "txtJed")->setText("4711");
    dt::queueOk();
    child<QPushButton>(window, "Command1")->click();
    QVERIFY(wasShown("Nije dobasr jedinstveni broj. MOra biti {estocifren!"_q));
    QVERIFY(!std::filesystem::exists(folder));

    child<QLineEdit>(window, "txtJed")->setText("004711");
    child<QLineEdit>(window, "txtJed2")->setText("3");
    dt::queueOk();
    child<QPushButton>(window, "Command1")->click();
    const auto com = folder / "12345_BE_COM_20260402_004711_03.xml";
    QVERIFY(std::filesystem::exists(com));
    QCOMPARE(dt::shown().back().text,
             ui::toQ("XML fajl je generisan u " + folder.string() + "\n" + com.string()));
    QCOMPARE(storedBatchNumber(f_->payroll()), std::string("004711"));

    window.addJournalLine({"Ručno", "", "231111", Currency::parse("100")});
    dt::queueOk();
    dt::queueOk();
    child<QPushButton>(window, "cmdGenerisiXML")->click();
    QVERIFY(
        wasShown("Konto 231111 nije jednak u COM i PAY fajlu! Com = 99600.00 PAY = 99500.00"_q));
    QVERIFY(std::filesystem::exists(folder / "12345_BE_PAY_20260402_004711_03.xml"));
}

void AnnualWindowsTest::m4IsSavedAndAPersonRemoved() {
    frmM4Novi window(f_->context);
    QTreeWidget* list = child<QTreeWidget>(window, "listM");
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Ilić Ivan"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("1"));

    list->setCurrentItem(list->topLevelItem(0));
    dt::queueYes();
    child<QPushButton>(window, "cmdObrisi")->click();
    dt::queueOk();
    child<QPushButton>(window, "cmdSnimi")->click();
    QVERIFY(wasShown("M4 za 2026 godinu je snimljen!"_q));
    const auto saved = loadM4(f_->payroll(), 2026);
    QCOMPARE(saved.size(), std::size_t{1});
    QCOMPARE(saved[0].prezime_i_ime, std::string("Šarić Ana"));
}

// Without the company's address the return is not written; with it, a person typed in joins
// part II and both files land on the drive named.
void AnnualWindowsTest::returnRowAddedByHandIsWrittenOnTheDrive() {
    f_->master();
    frmPPP window(f_->context);
    QCOMPARE(child<QTreeWidget>(window, "listRO")->topLevelItemCount(), 2);
    dt::queueText("Jovanović Petar");
    dt::queueText("0505985710044");
    for (const char* amount : {"1000", "800", "80", "140", "51.50", "7.50"})
        dt::queueNumber(Currency::parse(amount));
    child<QPushButton>(window, "cmdDodaj")->click();
    QTreeWidget* list = child<QTreeWidget>(window, "listRO");
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("Jovanović Petar"));
    QCOMPARE(list->topLevelItem(2)->text(7), QStringLiteral("51,50"));

    f_->master().run("UPDATE podaci SET ADRESA = ''");
    dt::queueOk();
    child<QPushButton>(window, "cmdFajlovi")->click();
    QVERIFY(wasShown("Popunite osnovne podatke!"_q));

    f_->master().run("UPDATE podaci SET ADRESA = 'Karađorđeva 12'");
    dt::queueText("Y");
    dt::queueOk();
    child<QPushButton>(window, "cmdFajlovi")->click();
    const auto drive = f_->base / "drive" / "Y";
    QVERIFY(std::filesystem::exists(drive / "ppp_deo2.txt"));
    QVERIFY(std::filesystem::exists(drive / "ppp_deo3.txt"));
}

void AnnualWindowsTest::handLineNeedsAnAccountAndOneSide() {
    frmTrezorDodaj dialog;
    dt::queueOk();
    dialog.cmdOK_Click();
    QVERIFY(wasShown("Unesite konto!"_q));
    child<QLineEdit>(dialog, "txtKonto")->setText(" 411111 ");
    child<QLineEdit>(dialog, "txtDuguje")->setText("10,00");
    child<QLineEdit>(dialog, "txtPotrazuje")->setText("5,00");
    dt::queueOk();
    dialog.cmdOK_Click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    child<QLineEdit>(dialog, "txtPotrazuje")->clear();
    dialog.cmdOK_Click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.line().debitAccount, std::string("411111"));
    QVERIFY(dialog.line().creditAccount.empty());
    QCOMPARE(dialog.line().amount, Currency::parse("10"));
}

QTEST_MAIN(AnnualWindowsTest)
#include "AnnualWindowsTest.moc"
