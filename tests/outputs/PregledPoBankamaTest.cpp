#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "BankPayroll.h"
#include "FileText.h"
#include "TempDir.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "outputs/frmPregledPoBankama.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::outputs;
namespace dt = zarion::ui::testing;

class PregledPoBankamaTest : public zarion::testing::WindowTest {
    Q_OBJECT

    struct Fixture {
        test::BankPayroll month;
        test::TempDir base;
        FixedClock clock{{{2026, 4, 10}, 9, 0, 0}};
        AppContext context{clock};
        Fixture() {
            context.BaseFolder = base.path();
            context.PayrollDb = db::Database::open(month.db->path());
            context.PayrollDb->run("INSERT INTO parametri3(intesa_klijent) VALUES ('12345678')");
        }
    };

private slots:
    void theBanksOfThePaymentAndTheEmployeesOfTheChosenOne() {
        Fixture f;
        frmPregledPoBankama window(f.context);
        window.setSelection(2026, 3, Payment::Final);
        auto* banks = window.findChild<QTreeWidget*>("listBanke");
        QCOMPARE(banks->topLevelItemCount(), 3);
        QCOMPARE(banks->topLevelItem(2)->text(0), QStringLiteral("**** NEMA DODELJENU BANKU ****"));
        banks->setCurrentItem(banks->topLevelItem(1));
        auto* employees = window.findChild<QTreeWidget*>("listR");
        QCOMPARE(employees->topLevelItemCount(), 2);
        QCOMPARE(employees->topLevelItem(0)->text(0), QStringLiteral("Đorđević Đorđe"));
        QVERIFY(window.findChild<QLabel*>("lblUkupno")->text().startsWith("UKUPNO: "));
    }

    void theIntesaFileGoesToTheDriveFolderAndTheMessageNamesIt() {
        Fixture f;
        frmPregledPoBankama window(f.context);
        window.setSelection(2026, 3, Payment::Final);
        window.findChild<QTreeWidget*>("listBanke")
            ->setCurrentItem(
                window.findChild<QTreeWidget*>("listBanke")->topLevelItem(0)); // Banka Intesa
        dt::queueText("x");
        dt::queueOk();
        window.findChild<QPushButton*>("cmdIntesa")->click();
        const auto file = f.base.path() / "drive" / "X" / "intesa032026.txt";
        QVERIFY(test::fileText(file).starts_with("1234567810.04.20260000000987654"));
        QVERIFY(dt::shown().back().text.contains(QString::fromStdString(file.string())));
    }

    void aFileWithoutAChosenBankIsRefused() {
        Fixture f;
        frmPregledPoBankama window(f.context);
        window.setSelection(2026, 5, Payment::Whole); // a month without rates lists nothing
        dt::queueOk();
        window.findChild<QPushButton*>("cmdDirektna")->click();
        QCOMPARE(dt::shown().back().text, QStringLiteral("Izaberite banku!"));
    }
};

QTEST_MAIN(PregledPoBankamaTest)
#include "PregledPoBankamaTest.moc"
