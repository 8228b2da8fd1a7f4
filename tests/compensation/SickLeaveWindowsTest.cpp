// The sick-leave windows driven offscreen: the register's keys, the month's calculation from the
// chosen case to the posted row, and the list with its bank list.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <tuple>

#include "Controls.h"
#include "LeaveRates.h"
#include "PostedSalaries.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "compensation/SickLeavePosting.h"
#include "compensation/frmBolovanje.h"
#include "compensation/frmObracunBolovanje.h"
#include "compensation/frmPregledPoBankamaNaknade.h"
#include "compensation/frmSpisakZaradaBol.h"
#include "core/AppContext.h"
#include "outputs/frmRekapitulacijaIsplate.h"
#include "outputs/frmRekapitulacijaNalog.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::compensation;
namespace dt = zarion::ui::testing;

class SickLeaveWindowsTest : public zarion::testing::WindowTest {
    Q_OBJECT

    // April 2026 (176 hours) at the tests' rates; Marko on
    // leave from February to 20 April at 50,001 a month.
    struct Fixture {
        test::TemplateDatabase db;
        FixedClock clock{{{2026, 5, 4}, 9, 0, 0}};
        AppContext context{clock};
        std::int64_t marko = 0;
        Fixture() {
            context.PayrollDb = db::Database::open(db->path());
            context.WorkYear = 2026;
            context.CalcYear = 2026;
            context.CalcMonth = 4;
            test::PostedSalaries seed(*context.PayrollDb);
            const payroll::MonthParameters r = test::leaveRates();
            seed.monthRates(2026, 3, r);
            seed.monthRates(2026, 4, r);
            marko = seed.employee({.surname = "Marković", .name = "Marko", .account = "160-55-11"});
            saveCase(*context.PayrollDb, LeaveKind::SickLeave,
                     {0, marko, {}, {2026, 2, 1}, {2026, 4, 20}, 50001_din});
        }
        std::int64_t count(const std::string& sql) {
            return context.PayrollDb->scalar(sql).value_or(-1);
        }
    };

    template <typename T> static T* child(QWidget& w, const char* name) {
        return w.findChild<T*>(name);
    }
    static QString text(QWidget& w, const char* name) { return child<QLineEdit>(w, name)->text(); }

private slots:
    void aCaseIsAddedAndRemovedByTheKeys() {
        Fixture f;
        frmBolovanje window(f.context);
        auto* list = child<QTreeWidget>(window, "listBolovanja");
        QCOMPARE(list->topLevelItemCount(), 1);
        QTest::keyClick(list, Qt::Key_F5);
        QCOMPARE(child<QDateEdit>(window, "dtZatvaranje")->date(), QDate(2099, 12, 31));
        QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("20.04.2026"));
        dt::queueOk();
        window.cmdSnimi_Click(); // no employee chosen
        QCOMPARE(dt::shown().back().text, QStringLiteral("Niste uneli potrebne podatke!"));
        child<QComboBox>(window, "cmbRadnik")->setCurrentIndex(0);
        child<QDateEdit>(window, "dtOtvaranje")->setDate(QDate(2026, 3, 10));
        child<QLineEdit>(window, "txtNeto")->setText("60.000,00");
        window.cmdSnimi_Click();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->currentItem()->text(3), QString()); // open: no end shown
        QCOMPARE(f.count("SELECT count(*) FROM bolovanja WHERE NETO = 600000000 AND "
                         "datum_zatvaranja = '2099-12-31'"),
                 1);
        dt::queueYes();
        QTest::keyClick(list, Qt::Key_F9);
        QVERIFY(dt::shown().back().text.startsWith("Da li ste sigurni da zelite da obrisete"));
        QCOMPARE(f.count("SELECT count(*) FROM bolovanja WHERE obrisano <> 0"), 1);
        QCOMPARE(list->topLevelItemCount(), 1);
    }

    // Half of April at 50,001: 25,000 net; gross 33,880.1712, tax 2,138.02.
    void theMonthIsCalculatedFromTheTypedHoursAndPostedOnce() {
        Fixture f;
        frmObracunBolovanje window(f.context);
        auto* list = child<QTreeWidget>(window, "listZ");
        QCOMPARE(list->topLevelItemCount(), 1);
        dt::queueOk();
        list->setCurrentItem(list->topLevelItem(0));
        window.chooseCase();
        QCOMPARE(
            dt::shown().back().text,
            QStringLiteral(
                "PAZNJA! Bolovanje se zavrsava u izabranom mesecu. Unesite ispravan broj sati!"));
        QCOMPARE(text(window, "txtMesecSati"), QStringLiteral("176"));
        QCOMPARE(text(window, "txtTekuciRacun"), QStringLiteral("160-55-11"));
        child<QLineEdit>(window, "txtSati")->clear();
        QTest::keyClicks(child<QLineEdit>(window, "txtSati"), "88");
        QCOMPARE(text(window, "txtNeto"), QStringLiteral("25.000,00"));
        window.cmdNeto_Click();
        QCOMPARE(text(window, "txtBruto"), QStringLiteral("33.880,1712"));
        QCOMPARE(text(window, "txtPorez"), QStringLiteral("2.138,02"));
        QCOMPARE(text(window, "txtOslobodjenje"), QStringLiteral("12.500,00"));
        window.cmdProknjizi_Click();
        window.cmdProknjizi_Click(); // the window was cleared: nothing to post
        QCOMPARE(dt::shown().back().text, QStringLiteral("Niste uneli potrebne podatke!"));
        list->setCurrentItem(list->topLevelItem(0));
        window.chooseCase(); // the posted row is shown for review, without the warning
        QCOMPARE(text(window, "txtSati"), QStringLiteral("88"));
        window.cmdProknjizi_Click();
        QCOMPARE(f.count("SELECT count(*) FROM bolovanja_obracuni WHERE MEsec = 4 AND "
                         "porodiljsko = 0 AND NETO = 250000000 AND tekuci_Racun = '160-55-11'"),
                 1);
        QCOMPARE(f.count("SELECT count(*) FROM bolovanja_obracuni"), 1);

        window.setPeriod(2026, 3); // March: no warning, the full month at the case's net
        list->setCurrentItem(list->topLevelItem(0));
        window.chooseCase();
        QCOMPARE(text(window, "txtSati"), QStringLiteral("176"));
        QCOMPARE(text(window, "txtNeto"), QStringLiteral("50.001,00"));
    }

    void theListShowsThePostedMonthAndItsBanks() {
        Fixture f;
        auto amounts = leaveFromNet(30000_din, {176, 176, false},
                                    *payroll::loadMonthParameters(*f.context.PayrollDb, 2026, 4));
        QVERIFY(!postLeave(*f.context.PayrollDb, LeaveKind::SickLeave, f.marko, 2026, 4, *amounts));
        frmSpisakZaradaBol window(f.context);
        window.setPeriod(2026, 4);
        auto* list = child<QTreeWidget>(window, "listSpisak");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(9), QStringLiteral("30.000,00"));

        frmPregledPoBankamaNaknade banks(f.context);
        banks.setSelection(2026, 4, 0);
        QCOMPARE(child<QTreeWidget>(banks, "listBanke")->topLevelItemCount(), 1);
        QCOMPARE(child<QTreeWidget>(banks, "listR")->topLevelItem(0)->text(3),
                 QStringLiteral("30.000,00"));
        banks.setSelection(2026, 4, 1); // maternity leave
        QCOMPARE(child<QTreeWidget>(banks, "listBanke")->topLevelItemCount(), 0);
    }

    // Sick leave posted for March (and for December of the year before), maternity leave for
    // April: each list opens on the latest month of the working year with its leave, the bank
    // list on the later of the two; with nothing posted, on the current month (May).
    void theListsOpenOnTheLatestMonthWithCompensations() {
        Fixture f;
        const auto month = [](QWidget&& w) {
            return child<QComboBox>(w, "cmbMesec")->currentText().toInt();
        };
        QCOMPARE(month(frmSpisakZaradaBol(f.context)), 5);
        auto amounts = leaveFromNet(30000_din, {176, 176, false},
                                    *payroll::loadMonthParameters(*f.context.PayrollDb, 2026, 4));
        const std::tuple<LeaveKind, int, int> posted[] = {{LeaveKind::SickLeave, 2025, 12},
                                                          {LeaveKind::SickLeave, 2026, 3},
                                                          {LeaveKind::Maternity, 2026, 4}};
        for (const auto& [kind, year, m] : posted)
            QVERIFY(!postLeave(*f.context.PayrollDb, kind, f.marko, year, m, *amounts));
        QCOMPARE(month(frmSpisakZaradaBol(f.context)), 3);
        QCOMPARE(month(frmSpisakZaradaBol(f.context, LeaveKind::Maternity)), 4);
        frmPregledPoBankamaNaknade banks(f.context);
        QCOMPARE(child<QComboBox>(banks, "cmbMesec")->currentText(), QStringLiteral("4"));
        QCOMPARE(child<QComboBox>(banks, "cmbDeo")->currentIndex(), 1); // maternity leave
        QCOMPARE(child<QTreeWidget>(banks, "listBanke")->topLevelItemCount(), 1);
    }

    // The full April at 30,000 net: gross (3,000,000 - 250,000) / 70.1 = 39,229.67, tax
    // (39,229.67 - 25,000) x 10 % = 1,422.97.
    void theListOpensTheRecapitulationsOfItsMonth() {
        using zarion::testing::openedWindow;
        Fixture f;
        auto amounts = leaveFromNet(30000_din, {176, 176, false},
                                    *payroll::loadMonthParameters(*f.context.PayrollDb, 2026, 4));
        QVERIFY(!postLeave(*f.context.PayrollDb, LeaveKind::SickLeave, f.marko, 2026, 4, *amounts));
        frmSpisakZaradaBol window(f.context);
        window.setPeriod(2026, 4);

        child<QPushButton>(window, "cmdRekapIsplate")->click();
        auto* payout = openedWindow<outputs::frmRekapitulacijaIsplate>();
        QVERIFY(payout);
        QCOMPARE(child<QTreeWidget>(*payout, "listR")->topLevelItem(0)->text(1),
                 QStringLiteral("30.000,00"));
        delete payout;

        f.context.PayrollDb->run(
            "INSERT INTO parametri_bolovanje (racun_za_isplatu) VALUES ('160-7-7')");
        child<QPushButton>(window, "cmdRekapRacuna")->click();
        auto* accounts = openedWindow<outputs::frmRekapitulacijaUplatnihRacuna>();
        QVERIFY(accounts);
        QCOMPARE(child<QTreeWidget>(*accounts, "listR")->topLevelItem(1)->text(2),
                 QStringLiteral("1.422,97"));
        delete accounts;

        f.context.PayrollDb->run("INSERT INTO konta VALUES (2, 1, '5200', 'Bruto naknade', 'D'), "
                                 "(1, 1, '5201', 'Bruto zarade', 'D')");
        child<QPushButton>(window, "cmdRekapKonta")->click();
        auto* konta = openedWindow<outputs::frmRekapitulacijaNalog>();
        QVERIFY(konta);
        auto* lines = child<QTreeWidget>(*konta, "listK");
        QCOMPARE(lines->topLevelItemCount(), 1);
        QCOMPARE(lines->topLevelItem(0)->text(2), QStringLiteral("39.230"));
        delete konta;
    }
};

QTEST_MAIN(SickLeaveWindowsTest)
#include "SickLeaveWindowsTest.moc"
