// The award and maternity windows, driven offscreen: what the operator types is stored.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "Controls.h"
#include "EmployeeSeed.h"
#include "Typing.h"
#include "WindowTest.h"
#include "compensation/AwardOrders.h"
#include "compensation/DisabledCompensation.h"
#include "compensation/frmInvalidi.h"
#include "compensation/frmNagrade.h"
#include "compensation/frmObracunInvaliidi.h"
#include "compensation/frmPorodiljsko.h"
#include "compensation/frmPregledOdmora.h"
#include "compensation/frmSpisakZaradaInvalidi.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::compensation;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

namespace {

struct Fixture : test::CompanyFixture {
    Fixture()
        : CompanyFixture({{2026, 4, 10}, 9, 0, 0}) {}
    std::int64_t employee = test::addEmployee(payroll(), {.surname = "Čolić", .name = "Milica"});
};

} // namespace

class BenefitWindowsTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void aJubileeAwardIsGrossedUpPostedAndDeleted() {
        f_->payroll().run("INSERT INTO parametri (porez_zarade) VALUES (10)");
        f_->payroll().run(
            "INSERT INTO uplatni_racuni_ostale (id_ostale, racun_porez_na_plate) VALUES (1, 'x')");
        QVERIFY(createAwardOrder(f_->payroll(), AwardKind::Jubilee, {2026, 4, 15}, "Jubilej",
                                 Currency::fromUnits(25000))
                    .ok());
        for (const char* bank : {"Intesa", "Erste"})
            f_->payroll().run("INSERT INTO banke (banka) VALUES (?)", std::string(bank));
        f_->payroll().run("UPDATE radnici SET ID_BAnka = (SELECT ID_BAnka FROM banke WHERE banka = "
                          "'Intesa') WHERE id_radnik = ?",
                          f_->employee);
        frmJubilarne window(f_->context);
        QTimer::singleShot(0, [] {
            auto* search = QApplication::activeModalWidget();
            QVERIFY(search);
            auto* fragment = search->findChild<QLineEdit*>("txtTrazi");
            zarion::testing::typeText(fragment, "Čol");
            QTest::keyClick(fragment, Qt::Key_Return);
        });
        control<QPushButton>(&window, "cmdTrazi")->click();
        QCOMPARE(control<QLineEdit>(&window, "txtID_Radnik")->text(),
                 QString::number(f_->employee));
        QCOMPARE(control<QLabel>(&window, "lblIme")->text(), QStringLiteral("Čolić Milica"));
        control<QLineEdit>(&window, "txtNeto")->setText("61.000,00");
        control<QPushButton>(&window, "cmdIzNeta")->click();
        QCOMPARE(control<QLineEdit>(&window, "txtBruto")->text(), QStringLiteral("65.000,00"));
        control<QPushButton>(&window, "cmdProknjizi")->click();
        QCOMPARE(f_->count("SELECT BRUTO FROM obracun_ostale_zarade"), 65000);
        auto* list = control<QTreeWidget>(&window, "listO");
        QCOMPARE(list->topLevelItemCount(), 1);
        // the bank box narrows the list to the employees paid through the bank
        auto* banks = control<QComboBox>(&window, "cmbBanka");
        banks->setCurrentIndex(banks->findText("Erste"));
        QCOMPARE(list->topLevelItemCount(), 0);
        banks->setCurrentIndex(banks->findText("Intesa"));
        QCOMPARE(list->topLevelItemCount(), 1);

        dt::queueYes();
        dt::queueOk();
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QVERIFY(wasShown("Brisanje je zavrseno!"));
        QCOMPARE(f_->count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 0);
    }

    void anAnnualAwardCarriesTheContributionsOfBothSides() {
        f_->payroll().run("INSERT INTO parametri (porez_zarade, Doprinosi_PIO, Doprinosi_zo, "
                          "doprinosi_nezaposlenost) VALUES (10, 14, 5.15, 0.75)");
        QVERIFY(createAwardOrder(f_->payroll(), AwardKind::Annual, {2026, 4, 15}, "Godisnja",
                                 Currency::fromUnits(10000))
                    .ok());
        frmGodisnje window(f_->context);
        control<QLineEdit>(&window, "txtID_Radnik")->setText(QString::number(f_->employee));
        control<QLineEdit>(&window, "txtNeto")->setText("50000");
        control<QPushButton>(&window, "cmdProknjizi")->click();
        // gross (5,000,000 − 100,000) / 70.1 = 69,900.14; the employer pays 13,910.13 again
        QCOMPARE(f_->count("SELECT COUNT(*) FROM obracun_ostale_zarade WHERE BRUTO = 699001400 "
                           "AND Doprinosi_PIO_F = 97860200 AND ukupno_obaveza = 838102700"),
                 1);
        QCOMPARE(control<QTreeWidget>(&window, "listO")->topLevelItem(0)->text(9),
                 QStringLiteral("83.810,27"));
    }

    void theDisabledPersonsMonthIsPostedOnce() {
        f_->context.CalcMonth = 4;
        f_->context.CalcYear = 2026;
        f_->payroll().run(
            "INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade) VALUES (4, 2026, 10)");
        saveDisabledControl(f_->payroll(), {{}, {}, 0, Currency::fromUnits(12000), 10.3, {}});
        QVERIFY(!addDisabledPerson(f_->payroll(), f_->employee, "II", Currency::fromUnits(15000)));
        frmObracunInvaliidi window(f_->context);
        auto* list = control<QTreeWidget>(&window, "listI");
        list->setCurrentItem(list->topLevelItem(0));
        control<QPushButton>(&window, "cmdObracunaj")->click();
        QCOMPARE(control<QLabel>(&window, "lblRefundacija")->text(), QStringLiteral("18.211,67"));
        dt::queueOk();
        control<QPushButton>(&window, "cmdProknjizi")->click();
        dt::queueOk();
        control<QPushButton>(&window, "cmdProknjizi")->click();
        QVERIFY(wasShown("Obracun je proknjizen!"));
        QCOMPARE(f_->count("SELECT COUNT(*) FROM invalidi_obracuni"), 1);
    }

    // 9,000 paid in February of a gross of 10,000: tax 1,000, the employer's health 5.15 % = 515.
    // The list opens on February, the latest month with compensations, not on April.
    void theDisabledListOpensTheRecapitulationOfItsPaymentAccounts() {
        postDisabledCalculation(f_->payroll(), {f_->employee,
                                                2,
                                                2026,
                                                176,
                                                Currency::fromUnits(9000),
                                                {},
                                                Currency::fromUnits(1000),
                                                Currency::fromUnits(515),
                                                Currency::fromUnits(10000),
                                                Currency::fromUnits(1515),
                                                "160-1-1",
                                                5.15});
        frmSpisakZaradaInvalidi list(f_->context);
        QCOMPARE(control<QComboBox>(&list, "cmbMesec")->currentText(), QStringLiteral("2"));
        dt::queueOk();
        control<QPushButton>(&list, "cmdRekapRacuna")->click();
        QVERIFY(wasShown("Nisu postavljeni parametri za invalide!"));
        f_->payroll().run("INSERT INTO parametri_invalidi (racun_za_isplatu) VALUES ('205-9-9')");
        control<QPushButton>(&list, "cmdRekapRacuna")->click();
        auto* recap = zarion::testing::openedWindow<outputs::frmRekapitulacijaUplatnihRacuna>();
        QVERIFY(recap);
        QCOMPARE(control<QLineEdit>(recap, "txtRacun")->text(), QStringLiteral("205-9-9"));
        auto* lines = control<QTreeWidget>(recap, "listR");
        const std::pair<int, const char*> expected[] = {
            {0, "9.000,00"}, {1, "1.000,00"}, {5, "10.000,00"}, {7, "515,00"}};
        for (const auto& [row, amount] : expected)
            QCOMPARE(lines->topLevelItem(row)->text(2), QString(amount));
        delete recap;
    }

    void aDisabledPersonIsAddedOnceAndHisCompensationChanged() {
        frmInvalidi window(f_->context);
        control<QLineEdit>(&window, "txtID_Radnik")->setText(QString::number(f_->employee));
        dt::queueNumber(Currency::fromUnits(15000));
        control<QPushButton>(&window, "cmdDodaj")->click();
        dt::queueNumber(Currency::fromUnits(1));
        dt::queueOk();
        control<QPushButton>(&window, "cmdDodaj")->click();
        QVERIFY(wasShown("Vec ste ubacili invalida!"));
        auto* list = control<QTreeWidget>(&window, "listI");
        dt::queueNumber(Currency::fromUnits(16000));
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("16.000,00"));
        QCOMPARE(f_->count("SELECT COUNT(*) FROM invalidi"), 1);
    }

    void theLeaveOverviewTotalsHoursAndDays() {
        for (const int month : {1, 2})
            f_->payroll().run("INSERT INTO obracuni (ID_Radnik, godina, mesec, godisnji_s) "
                              "VALUES (?, 2026, ?, 12)",
                              f_->employee, month);
        frmPregledOdmora window(f_->context);
        QCOMPARE(control<QTreeWidget>(&window, "listO")->topLevelItem(0)->text(3),
                 QStringLiteral("3,0"));
        QCOMPARE(control<QLabel>(&window, "lblUkupno")->text(),
                 QStringLiteral("Ukupno sati: 24,00   Ukupno dana: 3,0"));
    }

    void aMaternityCaseNeedsAnEmployeeAndIsSavedWithIt() {
        frmPorodiljsko window(f_->context);
        control<QLineEdit>(&window, "txtNeto")->setText("80.000,00");
        dt::queueOk();
        control<QPushButton>(&window, "cmdSnimi")->click();
        QVERIFY(wasShown("Niste uneli potrebne podatke!"));

        control<QLineEdit>(&window, "txtID_Radnik")->setText(QString::number(f_->employee));
        control<QPushButton>(&window, "cmdSnimi")->click();
        QCOMPARE(f_->count("SELECT NETO FROM bolovanjaPOR WHERE datum_zatvaranja = '2099-12-31'"),
                 80000);
        QCOMPARE(control<QTreeWidget>(&window, "listB")->topLevelItemCount(), 1);
    }
};

QTEST_MAIN(BenefitWindowsTest)
#include "BenefitWindowsTest.moc"
