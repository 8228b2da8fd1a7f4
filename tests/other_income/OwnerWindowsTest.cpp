// The owner's salary, the advance picker and the bank lists of other income, driven as an
// operator drives them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "Controls.h"
#include "IndividualDb.h"
#include "TempDir.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "other_income/EmployeeAdvances.h"
#include "other_income/frmIzborAkontacije.h"
#include "other_income/frmObracunVlasnika.h"
#include "other_income/frmPregledPoBankamaOstale.h"
#include "other_income/frmUplRacuniOstale.h"
#include "payroll/IndividualHelpers.h"
#include "payroll/frmObracunJed.h"
#include "ui/DialogTesting.h"

using namespace zarion;
namespace dt = zarion::ui::testing;
using zarion::test::din;
using zarion::testing::control;

struct Fixture : test::IndividualContext {
    std::int64_t owner = 0;

    Fixture() {
        owner = seed->employee("Vlasnić", {2020, 1, 1});
        context.PayrollDb->run("UPDATE radnici SET vlasnik = 1 WHERE id_radnik = ?", owner);
        context.PayrollDb->run(
            "INSERT INTO parametri_vlasnik(porez_zarade, Doprinosi_PIO, Doprinosi_zo, "
            "doprinosi_nezaposlenost, iznos_poreskog_oslobojenja) VALUES (10, 24, 10.3, 0.75, ?)",
            din("34221"));
    }
    ~Fixture() { payroll::individualHelpers() = {}; }

    static void type(QWidget* window, const char* box, const QString& text) {
        control<QLineEdit>(window, box)->setText(text);
    }
    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    // The individual calculation with the owner on screen.
    std::unique_ptr<payroll::frmObracunJed> individual() {
        auto window = std::make_unique<payroll::frmObracunJed>(context);
        window->show();
        type(window.get(), "txtID_Radnik", QString::number(owner));
        QTest::keyClick(control<QLineEdit>(window.get(), "txtID_Radnik"), Qt::Key_Return);
        return window;
    }
    void post(QWidget* window) {
        dt::queueOk();
        click(window, "cmdKnkjizi");
    }
    Currency money(const char* sql) { return seed->money(sql); }
};

class OwnerWindowsTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void theOwnersFiguresComeBackToTheIndividualCalculationAndArePosted();
    void theHoursCoefficientScalesTheNonTaxableAmount();
    void withoutTheOwnersParametersTheWindowSaysSo();
    void theChosenAdvanceIsLinkedWhenTheCalculationIsPosted();
    void theBankListOfAnOrderWritesTheOtherIncomeFile();
    void thePaymentAccountsListEveryKind();
};

void OwnerWindowsTest::theOwnersFiguresComeBackToTheIndividualCalculationAndArePosted() {
    int hourFundSeen = 0;
    QStringList shown; // the owner's window: non-taxable, gross and tax
    payroll::individualHelpers().calculateOwner = [this, &hourFundSeen, &shown](QWidget* parent,
                                                                                int hourFund) {
        hourFundSeen = hourFund;
        other_income::frmObracunVlasnika window(f_->context, hourFund, parent);
        Fixture::type(&window, "txtNeto", "58372");
        Fixture::click(&window, "cmdIzNeta");
        for (const char* box : {"txtNeoporezivi", "txtBruto", "txtPorezIznos"})
            shown << control<QLineEdit>(&window, box)->text();
        return window.figures();
    };
    const auto window = f_->individual();
    Fixture::click(window.get(), "cmdObracun");
    QCOMPARE(hourFundSeen, 176); // March 2026: 22 working days
    QCOMPARE(shown, QStringList({"34.221,00", "100.000,00", "6.578,00"}));
    QCOMPARE(control<QLineEdit>(window.get(), "txtBruto")->text(), QString("100000.00"));
    QCOMPARE(control<QLineEdit>(window.get(), "txtNeto")->text(), QString("58372.00"));
    QCOMPARE(control<QLineEdit>(window.get(), "txtUkupnoDoprinosa")->text(), QString("35050.00"));
    QCOMPARE(control<QLineEdit>(window.get(), "txtUkupnaObaveza")->text(), QString("100000.00"));
    f_->post(window.get());
    QCOMPARE(f_->money("SELECT BRUTO FROM obracuni"), din("100000"));
    QCOMPARE(f_->money("SELECT NETO FROM obracuni"), din("58372"));
    QCOMPARE(f_->money("SELECT porez_na_zaradu FROM obracuni"), din("6578"));
    QCOMPARE(f_->money("SELECT Doprinosi_zo FROM obracuni"), din("10300"));
    QCOMPARE(f_->money("SELECT Doprinosi_PIO_F FROM obracuni"), Currency());
    QCOMPARE(f_->money("SELECT Oslobodjenje FROM obracuni"), din("34221"));
}

void OwnerWindowsTest::theHoursCoefficientScalesTheNonTaxableAmount() {
    other_income::frmObracunVlasnika window(f_->context, 168);
    Fixture::type(&window, "txtSati", "84");
    window.txtSati_LostFocus();
    QCOMPARE(control<QLabel>(&window, "lblK")->text(), QString("0.5"));
    // 34.221 × 0,5 = 17.110,5 to the even dinar
    QCOMPARE(control<QLineEdit>(&window, "txtNeoporezivi")->text(), QString("17.110,00"));
    dt::queueNumber(din("84"));
    window.askTotalHours(); // all hours worked: the coefficient is 1 again
    QCOMPARE(control<QLabel>(&window, "lblK")->text(), QString("1"));
    Fixture::type(&window, "txtBruto", "30000");
    Fixture::click(&window, "cmdIzBruta");
    QCOMPARE(control<QLineEdit>(&window, "txtPorezIznos")->text(), QString("0,00"));
    QCOMPARE(control<QLineEdit>(&window, "txtNeto")->text(), QString("19.485,00"));
}

void OwnerWindowsTest::withoutTheOwnersParametersTheWindowSaysSo() {
    f_->context.PayrollDb->run("DELETE FROM parametri_vlasnik");
    dt::queueOk();
    other_income::frmObracunVlasnika window(f_->context, 176);
    QVERIFY(!window.ready());
    QCOMPARE(dt::shown().back().text, QString("Niste uneli parametre za vlasnika!"));
    QVERIFY(!control<QPushButton>(&window, "cmdIzNeta")->isEnabled());
}

void OwnerWindowsTest::theChosenAdvanceIsLinkedWhenTheCalculationIsPosted() {
    f_->context.PayrollDb->run("UPDATE radnici SET vlasnik = 0");
    f_->seed->advance(f_->owner, {2026, 3, 5}, din("10000"));
    const std::int64_t newest = f_->seed->advance(f_->owner, {2026, 3, 15}, din("12000"));
    QStringList offered; // the picker's lines: date and amount
    payroll::individualHelpers().pickAdvances = [this, &offered](QWidget* parent,
                                                                 std::int64_t employee) {
        other_income::frmIzborAkontacije picker(
            other_income::employeeAdvances(*f_->context.PayrollDb, employee), parent);
        auto* list = control<QTreeWidget>(&picker, "listAkontacije");
        offered.clear();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            offered << list->topLevelItem(i)->text(0) + " " + list->topLevelItem(i)->text(2);
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        return picker.chosen();
    };
    const auto window = f_->individual();
    QVERIFY(control<QPushButton>(window.get(), "cmdAkontPLus")->isEnabled());
    Fixture::click(window.get(), "cmdAkontPLus");
    Fixture::click(window.get(), "cmdAkontPLus"); // the same advance is listed once
    QCOMPARE(offered, QStringList({"15.03.2026 12.000,00", "05.03.2026 10.000,00"}));
    QCOMPARE(control<QTreeWidget>(window.get(), "listAkontacije")->topLevelItemCount(), 1);
    QCOMPARE(control<QLabel>(window.get(), "lblAkontacijeUkupno")->text(), QString("12.000,00"));
    Fixture::click(window.get(), "cmdObracun");
    f_->post(window.get());
    QCOMPARE(f_->seed->count("SELECT ID_OOz FROM obracuni_ostale_zarade_veza"), newest);
}

void OwnerWindowsTest::theBankListOfAnOrderWritesTheOtherIncomeFile() {
    db::Database& db = *f_->context.PayrollDb;
    db.run("INSERT INTO banke(banka, tekuci_Racun) VALUES ('Komercijalna banka', '205-9-9')");
    db.run("UPDATE radnici SET ID_BAnka = ?, tekuci_Racun = '205-0000000012345-67'",
           db.lastInsertId());
    db.run("INSERT INTO nalozi_ostale_zarade(tip_noz, Datum, Naziv) "
           "VALUES (6, '2026-03-18', 'Ugovor o delu')");
    const std::int64_t order = db.lastInsertId();
    db.run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, NETO) VALUES (?, ?, ?)", order,
           f_->owner, din("25000"));

    other_income::frmPregledPoBankamaOstale window(f_->context);
    window.chooseOrder(order);
    auto* banks = control<QTreeWidget>(&window, "listBanke");
    QCOMPARE(banks->topLevelItemCount(), 1);
    QCOMPARE(banks->topLevelItem(0)->text(2), QString("25.000,00"));
    QCOMPARE(control<QTreeWidget>(&window, "listR")->topLevelItemCount(), 1);
    dt::queueText("x");
    dt::queueOk();
    Fixture::click(&window, "cmdKomercijalna");
    const auto file = f_->base.path() / "drive" / "X" / "OZ_Kombank_200326.txt";
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    QVERIFY2(text.find("25000.00") != std::string::npos, text.c_str());
    QVERIFY(text.find("OSTALE ZARADE ") != std::string::npos);
}

void OwnerWindowsTest::thePaymentAccountsListEveryKind() {
    f_->context.PayrollDb->run(
        "INSERT INTO uplatni_racuni_ostale(id_ostale, isplatni_racun) VALUES (6, '160-1-1')");
    other_income::frmUplRacuniOstale window(*f_->context.PayrollDb);
    auto* kinds = control<QTreeWidget>(&window, "listVrste");
    QCOMPARE(kinds->topLevelItemCount(), 12);
    QCOMPARE(kinds->topLevelItem(0)->text(0), QString("99 - Akontacije"));
    const QTreeWidgetItem* contract = zarion::testing::rowWithText(kinds, "6 - Ugovor o delu");
    QVERIFY(contract);
    QCOMPARE(contract->text(1), QString("160-1-1"));
}

QTEST_MAIN(OwnerWindowsTest)
#include "OwnerWindowsTest.moc"
