// Drives the individual calculation window as an operator does and checks what it posts.

#include "payroll/frmObracunJed.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "IndividualDb.h"
#include "TempDir.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "maintenance/MaintenanceCommands.h"
#include "parameters/frmTipObracuna.h"
#include "payroll/IndividualCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
namespace dt = zarion::ui::testing;
using zarion::test::din;

struct Fixture : test::IndividualContext {
    std::int64_t ana = 0;
    std::unique_ptr<payroll::frmObracunJed> window;

    Fixture() {
        ana = seed->employee("Ilić", {2026, 1, 1});
        seed->percentDeduction(ana, 10);
    }

    payroll::frmObracunJed& open() {
        window = std::make_unique<payroll::frmObracunJed>(context);
        window->show();
        return *window;
    }
    template <typename T = QLineEdit> T* find(const char* name) {
        return zarion::testing::control<T>(window.get(), name);
    }
    void type(const char* box, const QString& text) { find(box)->setText(text); }
    QString text(const char* box) { return find(box)->text(); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void doubleClick(const char* box) { QTest::mouseDClick(find(box), Qt::LeftButton); }
    void load(std::int64_t id) {
        type("txtID_Radnik", QString::number(id));
        QTest::keyClick(find("txtID_Radnik"), Qt::Key_Return);
    }
    std::int64_t count(const char* sql) { return seed->count(sql); }
    Currency money(const char* sql) { return seed->money(sql); }
};

class FrmObracunJedTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void calculatePostAndPostAgainKeepOneRow();
    void netBelowTheMinimumIsRecalculatedOnYes();
    void overriddenTaxRateAndM4DaysReachThePosting();
    void cashInHandAboveTheAmountToPayIsReset();
    void postAllTickedPostsEveryTickedEmployeeWithOneMessage();
    void removingAnAdvanceLeavesNoLinkAfterPosting();
    void showsAPostedCalculationOrSaysItIsMissing();
    void popUpCommandsShowAndDeleteTheSelectedCalculation();
    void theKindChooserNamesTheKindAndTheCalculationRunsAsIt();
};

void FrmObracunJedTest::calculatePostAndPostAgainKeepOneRow() {
    f_->open();
    f_->load(f_->ana);
    QCOMPARE(f_->find<QLabel>("lblPrezime")->text(), QString("Ilić"));
    QCOMPARE(f_->text("txtBrojSati"), QString("176"));
    f_->type("txtBrojSati", "200");
    f_->click("cmdObracun");
    QCOMPARE(f_->text("txtBruto"), QString("100.000,00"));
    QCOMPARE(f_->text("txtPorezIznos"), QString("6.577,90"));
    QCOMPARE(f_->text("txtNeto"), QString("73.522,10"));
    QCOMPARE(f_->text("txtUkupnaObaveza"), QString("115.150,00"));
    QCOMPARE(f_->find<QTreeWidget>("listObustave")->topLevelItemCount(), 1);
    QCOMPARE(f_->text("txtZaIsplatu"), QString("66.170,10")); // less 7,352 withheld

    dt::queueOk();
    f_->click("cmdKnkjizi");
    QVERIFY(wasShown("Knjizenje je zavrseno!"));
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracuni"), 1);
    QCOMPARE(f_->money("SELECT NETO FROM obracuni"), din("73522.10"));
    QCOMPARE(f_->count("SELECT broj_sati FROM obracuni"), 200);
    QCOMPARE(f_->money("SELECT Iznos FROM obracun_obustava WHERE akontacija = 0"), din("7352"));
    QCOMPARE(f_->money("SELECT na_ruke FROM obracuni"), Currency()); // all into the account

    dt::queueOk();
    f_->click("cmdKnkjizi");
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracuni"), 1);
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracun_obustava"), 1);
    const QTreeWidgetItem* row = f_->find<QTreeWidget>("listZ")->topLevelItem(0);
    QVERIFY(row->foreground(0).color() != QColor(Qt::red));
}

void FrmObracunJedTest::netBelowTheMinimumIsRecalculatedOnYes() {
    f_->open();
    f_->load(f_->ana); // 176 h × 500: net 65,110.10 below 65,296
    dt::queueYes();
    f_->click("cmdObracun");
    QCOMPARE(f_->text("txtBruto"), QString("88.265,19"));
    QCOMPARE(f_->text("txtNeto"), QString("65.295,99"));
    dt::queueOk();
    f_->click("cmdKnkjizi");
    QCOMPARE(f_->money("SELECT BRUTO FROM obracuni"), din("88265.19"));
}

void FrmObracunJedTest::overriddenTaxRateAndM4DaysReachThePosting() {
    f_->open();
    f_->load(f_->ana);
    dt::queueNumber(din("20"));
    f_->doubleClick("txtPorez");
    QCOMPARE(f_->text("txtPorez"), QString("20"));
    dt::queueNumber(din("31"));
    f_->doubleClick("lblM4");
    QCOMPARE(f_->text("lblM4"), QString("31 - dana"));
    dt::queueNumber(din("32"));
    dt::queueOk();
    f_->doubleClick("lblM4");
    QVERIFY(wasShown("Uneli ste neispravnu vrednost! Promenite je dvoklikom ili ce se "
                     "racunati ceo mesec!"));
    QCOMPARE(f_->text("lblM4"), QString("0 - dana"));
    dt::queueNumber(din("20"));
    f_->doubleClick("lblM4");

    f_->type("txtBrojSati", "200");
    f_->click("cmdObracun");
    QCOMPARE(f_->text("txtPorezIznos"), QString("13.155,80")); // (100,000 − 34,221) × 20 %
    dt::queueOk();
    f_->click("cmdKnkjizi");
    QCOMPARE(f_->count("SELECT m4dani FROM obracuni"), 20);
}

void FrmObracunJedTest::cashInHandAboveTheAmountToPayIsReset() {
    f_->open();
    f_->load(f_->ana);
    f_->type("txtBrojSati", "200");
    f_->click("cmdObracun");
    dt::queueOk();
    f_->type("txtNaRuke", "70000");
    f_->window->txtNaRuke_LostFocus();
    QVERIFY(wasShown("Iznos 'na ruke' ne može biti veći od iznosa za isplatu!"));
    QCOMPARE(f_->text("txtNaRuke"), QString("66.170,10"));
    f_->type("txtNaRuke", "1000");
    f_->window->txtNaRuke_LostFocus();
    dt::queueOk();
    f_->click("cmdKnkjizi");
    QCOMPARE(f_->money("SELECT na_ruke FROM obracuni"), din("1000"));
}

void FrmObracunJedTest::postAllTickedPostsEveryTickedEmployeeWithOneMessage() {
    f_->seed->employee("Marić", {2020, 1, 1});
    f_->seed->employee("Perić", {2020, 1, 1});
    f_->open();
    QCOMPARE(f_->find<QTreeWidget>("listZ")->topLevelItemCount(), 3);
    f_->click("cmdCheck");
    f_->find<QTreeWidget>("listZ")->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    dt::queueNo(); // Ilić stays below the minimum
    dt::queueOk();
    f_->click("cmdSviODjednom");
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracuni"), 2);
    QCOMPARE(int(dt::shown().size()), 2);
    QVERIFY(wasShown("Knjizenje je zavrseno!"));
}

void FrmObracunJedTest::removingAnAdvanceLeavesNoLinkAfterPosting() {
    f_->open();
    f_->load(f_->ana);
    f_->type("txtBrojSati", "200");
    f_->click("cmdObracun");
    dt::queueOk();
    f_->click("cmdKnkjizi");
    const std::int64_t id = f_->count("SELECT Id_obracun FROM obracuni");
    const std::int64_t advance = f_->seed->advance(f_->ana, {2026, 3, 10}, din("20000"));
    f_->context.PayrollDb->run(
        "INSERT INTO obracuni_ostale_zarade_veza(ID_obracun, ID_OOz) VALUES (?, ?)", id, advance);
    f_->load(f_->ana);
    auto* advances = f_->find<QTreeWidget>("listAkontacije");
    QCOMPARE(advances->topLevelItemCount(), 1);
    QCOMPARE(f_->find<QLabel>("lblAkontacijeUkupno")->text(), QString("20.000,00"));
    advances->setCurrentItem(advances->topLevelItem(0));
    dt::queueYes();
    f_->click("cmdAkonMinus");
    QCOMPARE(advances->topLevelItemCount(), 0);
    dt::queueOk();
    f_->click("cmdKnkjizi");
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracuni_ostale_zarade_veza"), 0);
}

void FrmObracunJedTest::showsAPostedCalculationOrSaysItIsMissing() {
    f_->seed->employee("Babić", {2020, 1, 1}); // listed first
    f_->open();
    dt::queueOk();
    QVERIFY(!f_->window->showPosted(f_->ana));
    QVERIFY(wasShown("Nije pronadjen obracun u bazi!"));
    f_->load(f_->ana);
    f_->type("txtBrojSati", "200");
    f_->click("cmdObracun");
    dt::queueOk();
    f_->click("cmdKnkjizi");
    f_->window->clearEmployeeNumber();
    QVERIFY(f_->window->showPosted(f_->ana));
    QCOMPARE(f_->text("txtNeto"), QString("73.522,10"));
    QCOMPARE(f_->text("txtBrojSati"), QString("200"));
    QCOMPARE(f_->window->selectedEmployee()->first, f_->ana);
}

void FrmObracunJedTest::popUpCommandsShowAndDeleteTheSelectedCalculation() {
    ui::frmGlavni main(f_->context);
    registerIndividualCommands(main, f_->context);
    registerMaintenanceCommands(main, f_->context);
    main.show();
    auto* calculation = new payroll::frmObracunJed(f_->context);
    main.showChild(calculation);
    calculation->findChild<QLineEdit*>("txtID_Radnik")->setText(QString::number(f_->ana));
    calculation->UcitajRadnika();
    calculation->findChild<QLineEdit*>("txtBrojSati")->setText("200");
    calculation->cmdObracun_Click();
    dt::queueOk();
    calculation->cmdKnkjizi_Click();

    main.command("mnuPo")->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
    auto* shown = main.mdiArea()->subWindowList().back()->widget();
    QCOMPARE(shown->findChild<QLineEdit*>("txtNeto")->text(), QString("73.522,10"));

    main.mdiArea()->setActiveSubWindow(main.mdiArea()->subWindowList().front());
    dt::queueYes();
    dt::queueOk();
    main.command("mnuOO")->trigger();
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracuni"), 0);
    QCOMPARE(f_->count("SELECT COUNT(*) FROM obracun_obustava"), 0);
    QCOMPARE(calculation->findChild<QLineEdit*>("txtID_Radnik")->text(), QString());

    dt::queueOk();
    main.command("mnuPo")->trigger();
    QVERIFY(wasShown("Nije pronadjen obracun u bazi!"));
    QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
}

void FrmObracunJedTest::theKindChooserNamesTheKindAndTheCalculationRunsAsIt() {
    f_->open();
    f_->load(f_->ana);
    QCOMPARE(f_->find<QLabel>("lblTip")->text(), QString("REDOVNA ZARADA"));
    QCOMPARE(f_->find<QLabel>("lblTipBroj")->text(), QString("0 - Puno radno vreme"));
    QTimer::singleShot(0, [] {
        auto* chooser =
            qobject_cast<parameters::frmTipObracuna*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        auto* kinds = chooser->findChild<QComboBox*>("cmbTip");
        QCOMPARE(kinds->currentIndex(), 0); // the employee's kind is offered
        kinds->setCurrentIndex(3);
        chooser->accept();
    });
    f_->click("cmdTip");
    QCOMPARE(f_->find<QLabel>("lblTip")->text(), QString("MINIMALNA BRUTO"));
    QCOMPARE(f_->find<QLabel>("lblTipBroj")->text(), QString("3 - minimalna bruto"));
    // Kind 3: tax and contributions of the minimum base 51,297 (contributions 10,208.11).
    f_->click("cmdObracun");
    QCOMPARE(f_->text("txtUkupnoDoprinosa"), QString("10.208,11"));
    dt::queueOk();
    f_->click("cmdKnkjizi");
    QCOMPARE(f_->count("SELECT tip_obracuna FROM obracuni"), 3);
}

QTEST_MAIN(FrmObracunJedTest)
#include "FrmObracunJedTest.moc"
