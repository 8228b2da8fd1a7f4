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
#include "outputs/frmTrezor.h"
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

QTEST_MAIN(AnnualWindowsTest)
#include "AnnualWindowsTest.moc"
