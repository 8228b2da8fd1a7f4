// The payroll list window: its selection, lists, totals and commands.

#include "outputs/frmSpisakZarada.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "MarchPayroll.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "outputs/OutputsCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
namespace dt = zarion::ui::testing;

struct Fixture {
    test::MarchPayroll march;
    FixedClock clock{{{2026, 4, 10}, 9, 0, 0}};
    AppContext context{clock};
    std::unique_ptr<outputs::frmSpisakZarada> window;

    Fixture() {
        context.WorkYear = 2026;
        context.CalcMonth = 3;
        context.PayrollDb = db::Database::open(march.db->path());
        window = std::make_unique<outputs::frmSpisakZarada>(context);
        window->show();
    }
    template <typename T> T* find(const char* name) { return window->findChild<T*>(name); }
    int rows(const char* list) { return find<QTreeWidget>(list)->topLevelItemCount(); }
    QString cell(const char* list, int row, int column) {
        return find<QTreeWidget>(list)->topLevelItem(row)->text(column);
    }
    QString total(const char* name) { return find<QLineEdit>(name)->text(); }
    bool enabled(const char* button) { return find<QPushButton>(button)->isEnabled(); }
    void choose(const char* box, int value) {
        auto* combo = find<QComboBox>(box);
        combo->setCurrentIndex(combo->findData(value));
    }
    void show() { QTest::mouseClick(find<QPushButton>("cmdPokazi"), Qt::LeftButton); }
};

class FrmSpisakZaradaTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void showBuildsBothListsAndTheTotals();
    void changedMonthWaitsForShowAgain();
    void ordersAreMadeFromTheShownList();
    void unitAndFirstPartChooseTheRows();
    void repairKeyFixesTheEmployerPension();
    void menuCommandOpensTheWindow();
};

void FrmSpisakZaradaTest::showBuildsBothListsAndTheTotals() {
    QVERIFY(!f_->enabled("cmdObracun"));
    QVERIFY(!f_->enabled("cmdIZvoz"));
    QVERIFY(!f_->enabled("cmdRekapitulacija"));
    QCOMPARE(f_->find<QComboBox>("cmbRJ")->itemText(0), QString("0 - Sve radne jedinice"));
    QCOMPARE(f_->find<QComboBox>("cmbRJ")->itemText(2), QString("2 - Proizvodnja"));

    dt::queueOk(); // the calculation of an employee the register no longer holds
    f_->show();
    QCOMPARE(dt::shown().front().text,
             QString("Greska kod pronalazenja ranika sa ID: 999 u bazi!"));
    QCOMPARE(dt::shown().front().icon, QMessageBox::Critical);
    QCOMPARE(f_->rows("listSpisak"), 3);
    QCOMPARE(f_->cell("listSpisak", 0, 1), QString("Babić Ivan"));
    QCOMPARE(f_->cell("listSpisak", 0, 32), QString("73522.10"));
    QCOMPARE(f_->rows("listPRE"), 1);
    QCOMPARE(f_->cell("listPRE", 0, 2), QString("PREDUZETNIK"));
    QCOMPARE(f_->total("txtBruto"), QString("440.000,40"));
    QCOMPARE(f_->total("txtObustave"), QString("7.500,50"));
    QCOMPARE(f_->total("txtZaIsplatu"), QString("308.444,00"));
    QCOMPARE(f_->find<QLabel>("lblRJ")->text(), QString("RJ: 0 - Sve radne jedinice"));
    QVERIFY(f_->enabled("cmdObracun"));
    QVERIFY(f_->enabled("cmdSnimi"));
    QVERIFY(f_->enabled("cmdNAlog"));
    QVERIFY(f_->enabled("cmdIZvoz"));
    QVERIFY(f_->enabled("cmdPoreska_Porez"));
    QVERIFY(f_->enabled("cmdRekapitulacija"));
}

void FrmSpisakZaradaTest::ordersAreMadeFromTheShownList() {
    f_->context.PayrollDb->run("INSERT INTO parametri2(racun_za_isplatu) VALUES ('160-1-11')");
    dt::queueOk();
    f_->show();
    dt::clear();
    dt::queueOk();
    dt::queueOk();
    QTest::mouseClick(f_->find<QPushButton>("cmdNAlog"), Qt::LeftButton);
    // The owner's revenues wait for the owner's accounts; the employees' seven and three pays
    // are made.
    QCOMPARE(dt::shown().size(), 2u);
    QCOMPARE(dt::shown()[0].text, QString("Niste uneli uplatne racune za vlasnika!"));
    QCOMPARE(dt::shown()[1].text,
             QString("Zavrseno je generisanje naloga! Idite na opciju NALOZI u glavnom meniju!"));
    QCOMPARE(*f_->context.PayrollDb->scalar("SELECT count(*) FROM nalozi"), std::int64_t{10});
}

void FrmSpisakZaradaTest::changedMonthWaitsForShowAgain() {
    dt::queueOk();
    f_->show();
    QVERIFY(f_->enabled("cmdSpisak"));
    f_->choose("cmbMEsec", 4);
    QVERIFY(!f_->enabled("cmdSpisak"));
    dt::clear();
    dt::queueOk();
    f_->show();
    QCOMPARE(dt::shown().front().text,
             QString("Greska kod pronalazenja parametara za izabrani mesec!"));
    QVERIFY(!f_->enabled("cmdSpisak"));
}

void FrmSpisakZaradaTest::unitAndFirstPartChooseTheRows() {
    f_->choose("cmbRJ", static_cast<int>(f_->march.works));
    f_->show();
    QCOMPARE(f_->rows("listSpisak"), 1);
    QCOMPARE(f_->cell("listSpisak", 0, 1), QString("Čolić Zoran"));
    QCOMPARE(f_->find<QLabel>("lblRJ")->text(), QString("RJ: 2 - Proizvodnja"));

    f_->choose("cmbRJ", 0);
    f_->choose("cmbIsplata", 1);
    f_->show();
    QCOMPARE(f_->rows("listSpisak"), 1);
    QCOMPARE(f_->cell("listSpisak", 0, 32), QString("36761.05"));
    QCOMPARE(f_->total("txtZaIsplatu"), QString("34.761,05"));
}

void FrmSpisakZaradaTest::repairKeyFixesTheEmployerPension() {
    dt::queueOk(); // "Gotovo!"
    dt::queueOk(); // the unknown employee, when the list is shown again
    f_->window->activateWindow();
    QTRY_VERIFY(f_->window->isActiveWindow());
    QTest::keyClick(f_->window.get(), Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QTRY_COMPARE(dt::pending(), 0);
    QCOMPARE(dt::shown().front().text, QString("Gotovo!"));
    // Šarić's 10 % of 60,000 and the owner's of 200,000 were missing; Babić and Čolić had theirs.
    QCOMPARE(f_->total("txtPIOF"), QString("45.000,00"));
}

void FrmSpisakZaradaTest::menuCommandOpensTheWindow() {
    ui::frmGlavni main(f_->context);
    registerOutputsCommands(main, f_->context);
    QVERIFY(main.command("mnuSpisObr")->isEnabled());
    main.command("mnuSpisObr")->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().back()->widget()->objectName(),
             QString("frmSpisakZarada"));
}

QTEST_MAIN(FrmSpisakZaradaTest)
#include "FrmSpisakZaradaTest.moc"
