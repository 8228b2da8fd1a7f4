// The deduction and loan windows driven as an operator does, offscreen.
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
#include "DeductionCompany.h"
#include "WindowTest.h"
#include "employees/DeductionCommands.h"
#include "employees/frmKrediti.h"
#include "employees/frmObustaveKrediti.h"
#include "employees/frmObustaveProc.h"
#include "employees/frmObustaveRadnik.h"
#include "ui/DialogTesting.h"
#include "ui/Dialogs.h"
#include "ui/frmGlavni.h"

using namespace zarion;
using namespace zarion::employees;
using zarion::ui::operator""_q;
namespace dt = zarion::ui::testing;
using zarion::testing::rowWithText;

struct Fixture : test::DeductionCompany {
    std::int64_t rows(std::int64_t deduction) {
        return data.db()
            .scalar("SELECT count(*) FROM obustave_radnici WHERE id_obustava = ?", deduction)
            .value_or(-1);
    }
    static int checkedRows(QTreeWidget* list, int column) {
        int checked = 0;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            checked +=
                list->topLevelItem(i)->data(column, Qt::CheckStateRole).toInt() == Qt::Checked;
        return checked;
    }
};

class DeductionWindowsTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void setForAllAndRemoveFromAllRewriteTheParticipations();
    void doubleClickTogglesOneEmployee();
    void unsavedDeductionCannotBeSetForAll();
    void perEmployeeWindowShowsInactiveDeductionsInRed();
    void loanWindowSplitsTheInstalmentAndCountsTheMonths();
    void loanWindowRefusesToDeleteAUsedLoan();
    void ctrlIExportsTheRunningLoansOfEveryCreditor();
    void everyCommandOpensItsWindow();
};

void DeductionWindowsTest::setForAllAndRemoveFromAllRewriteTheParticipations() {
    f_->data.participation(f_->marko, f_->union_, {2023, 5, 1}, {2023, 12, 31});
    frmObustaveProc window(f_->context);
    auto* deductions = window.findChild<QTreeWidget*>("listObustave");
    auto* employees = window.findChild<QTreeWidget*>("listRadnici");
    auto* count = window.findChild<QLabel*>("lblUkupno");
    QCOMPARE(deductions->topLevelItemCount(), 3); // the creditor of loans is not a standing one
    deductions->setCurrentItem(rowWithText(deductions, "Sindikat metalaca"));
    QCOMPARE(Fixture::checkedRows(employees, 3), 1);

    dt::queueYes();
    QTest::mouseClick(window.findChild<QPushButton*>("cmdPostaviSvima"), Qt::LeftButton);
    QVERIFY(wasShown("Da li ste sigurni da zelite da obustavu: Sindikat metalaca "
                     "postavite SVIM radnicima?"));
    QVERIFY(wasShown("Postavljanje obustave svim radnicima je uspe{no zavr{eno!"_q));
    QCOMPARE(f_->rows(f_->union_), 3); // one fresh row per active employee
    QCOMPARE(f_->data.count("SELECT count(*) FROM obustave_radnici WHERE POCETAK = '2000-01-01'"),
             3);
    QCOMPARE(Fixture::checkedRows(employees, 3), 3);
    QCOMPARE(count->text(), "Ukupno prikazano zaposlenih: 3"_q);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdBezObustave"), Qt::LeftButton);
    QCOMPARE(count->text(), "Ukupno prikazano zaposlenih: 0"_q);

    dt::queueNo();
    QTest::mouseClick(window.findChild<QPushButton*>("cmdUkloniSvima"), Qt::LeftButton);
    QCOMPARE(f_->rows(f_->union_), 3);
    dt::queueYes();
    QTest::mouseClick(window.findChild<QPushButton*>("cmdUkloniSvima"), Qt::LeftButton);
    QVERIFY(wasShown("Brisanje obustave svim radnicima je uspe{no zavr{eno!"_q));
    QCOMPARE(f_->rows(f_->union_), 0);
    QCOMPARE(count->text(), "Ukupno prikazano zaposlenih: 3"_q);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSaObustavom"), Qt::LeftButton);
    QCOMPARE(employees->topLevelItemCount(), 0);
}

void DeductionWindowsTest::doubleClickTogglesOneEmployee() {
    frmObustaveProc window(f_->context);
    auto* deductions = window.findChild<QTreeWidget*>("listObustave");
    auto* employees = window.findChild<QTreeWidget*>("listRadnici");
    deductions->setCurrentItem(rowWithText(deductions, "Kantina"));
    employees->setCurrentItem(rowWithText(employees, "Petrović Marko"));

    dt::queueYes();
    window.listRadnici_DoubleClick();
    QVERIFY(wasShown("Da li ste sigurni da zelite da ukljucite obustavu: Kantina, za "
                     "radnika: Petrović Marko"));
    QCOMPARE(f_->rows(f_->canteen), 1);

    dt::queueText("po dogovoru");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdOpis"), Qt::LeftButton);
    QCOMPARE(rowWithText(employees, "Petrović Marko")->text(2), "po dogovoru"_q);

    dt::queueYes();
    window.listRadnici_DoubleClick();
    QVERIFY(wasShown("Da li ste sigurni da zelite da iskljucite obustavu: Kantina, za "
                     "radnika: Petrović Marko"));
    QCOMPARE(f_->rows(f_->canteen), 0);
}

void DeductionWindowsTest::unsavedDeductionCannotBeSetForAll() {
    frmObustaveProc window(f_->context);
    window.show();
    QTest::keyClick(&window, Qt::Key_F5);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdPostaviSvima"), Qt::LeftButton);
    QVERIFY(wasShown("Obustavu morate prethodno da snimite!"_q));
    QCOMPARE(f_->data.count("SELECT count(*) FROM obustave_radnici"), 0);

    window.findChild<QLineEdit*>("txtNaziv")->setText("Solidarna pomoć");
    QTest::keyClicks(window.findChild<QLineEdit*>("txtProcenat"), "0,5");
    window.findChild<QComboBox*>("cmbTip")->setCurrentIndex(0);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QVERIFY(wasShown("Niste uneli tekuci racun!"_q)); // and "0,5" reads as 0 ...
    QTest::keyClicks(window.findChild<QLineEdit*>("txtTekuciRacun"), "325-950050");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QVERIFY(wasShown("Niste uneli procenat ili iznos!"_q)); // ... which is refused
    window.findChild<QLineEdit*>("txtProcenat")->setText("0.5");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    auto* deductions = window.findChild<QTreeWidget*>("listObustave");
    QCOMPARE(deductions->topLevelItemCount(), 4);
    QCOMPARE(deductions->currentItem()->text(0), "Solidarna pomoć"_q);
    QCOMPARE(deductions->currentItem()->text(1), "0,50 %"_q);
}

void DeductionWindowsTest::perEmployeeWindowShowsInactiveDeductionsInRed() {
    f_->data.participation(f_->marko, f_->union_, {2000, 1, 1});
    f_->data.loan(f_->marko, f_->bank, {.iznos = 4000, .prviDeo = 2000, .drugiDeo = 2000});
    frmObustaveRadnik window(f_->context);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdAktiviraj"), Qt::LeftButton);
    QVERIFY(wasShown("Niste izabrali radnika!"_q));

    window.setEmployee(f_->marko);
    QCOMPARE(window.findChild<QLabel*>("lblRadnik")->text(), "Petrović Marko"_q);
    auto* standing = window.findChild<QTreeWidget*>("listObustave");
    QCOMPARE(standing->topLevelItemCount(), 3);
    const QColor red(Qt::red);
    QVERIFY(rowWithText(standing, "Sindikat metalaca")->foreground(0).color() != red);
    QTreeWidgetItem* insurance = rowWithText(standing, "Dobrovoljno osiguranje");
    QCOMPARE(insurance->foreground(0).color(), red);

    standing->setCurrentItem(insurance);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdAktiviraj"), Qt::LeftButton);
    QVERIFY(wasShown("Obustava Dobrovoljno osiguranje za izabranog radnika je aktivirana!"));
    QCOMPARE(f_->rows(f_->insurance), 1);
    insurance = rowWithText(standing, "Dobrovoljno osiguranje");
    QVERIFY(insurance->foreground(0).color() != red);
    standing->setCurrentItem(insurance);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdAktiviraj"), Qt::LeftButton);
    QVERIFY(wasShown("Obustava Dobrovoljno osiguranje za izabranog radnika je već aktivna!"));
    QTest::mouseClick(window.findChild<QPushButton*>("cmdDeaktiviraj"), Qt::LeftButton);
    QVERIFY(wasShown("Obustava Dobrovoljno osiguranje za izabranog radnika je deaktivirana!"));
    QCOMPARE(f_->rows(f_->insurance), 0);

    auto* loans = window.findChild<QTreeWidget*>("listKrediti");
    QCOMPARE(loans->topLevelItemCount(), 1);
    QCOMPARE(loans->topLevelItem(0)->text(1), "Banca Intesa - krediti"_q);
    QCOMPARE(loans->topLevelItem(0)->text(6), "4.000,00"_q);
    QCOMPARE(loans->topLevelItem(0)->text(8), "12"_q);
}

void DeductionWindowsTest::loanWindowSplitsTheInstalmentAndCountsTheMonths() {
    f_->data.twoParts(true);
    frmKrediti window(f_->context);
    window.newLoan(f_->marko, f_->bank);
    QCOMPARE(window.findChild<QLabel*>("lblRadnik")->text(), "Petrović Marko"_q);
    QCOMPARE(window.findChild<QLabel*>("lblRacun")->text(), "160-0000000599900-44"_q);
    QVERIFY(!window.findChild<QLineEdit*>("txtPrviDeo")->isHidden());
    auto pick = [&](const char* name, int value) {
        auto* box = window.findChild<QComboBox*>(name);
        box->setCurrentIndex(box->findData(value));
    };
    pick("cmbPocMesec", 11);
    pick("cmbPocGodina", 2024);
    pick("cmbKrajMesec", 2);
    pick("cmbKrajGodina", 2025);
    QCOMPARE(window.findChild<QLabel*>("lblMeseci")->text(), "Broj meseci: 4"_q);

    QTest::keyClicks(window.findChild<QLineEdit*>("txtRata"), "1001");
    QCOMPARE(window.findChild<QLineEdit*>("txtPrviDeo")->text(), "500,00"_q);
    QCOMPARE(window.findChild<QLineEdit*>("txtDrugiDeo")->text(), "501,00"_q);
    QCOMPARE(window.findChild<QLabel*>("lblUkupno")->text(), "Ukupna vrednost: 4.004,00"_q);
    auto* first = window.findChild<QLineEdit*>("txtPrviDeo");
    first->selectAll();
    QTest::keyClicks(first, "600");
    QCOMPARE(window.findChild<QLineEdit*>("txtRata")->text(), "1.101,00"_q);

    QTest::mouseClick(window.findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    auto st = f_->data.db().prepare("SELECT Iznos, prvi_deo, drugi_deo, ukupno_meseci, POCETAK, "
                                    "kraj FROM obustave_radnici WHERE id_obustava = ?");
    st.bindAll(f_->bank);
    QVERIFY(st.step());
    QCOMPARE(st.number(0), 1101.0);
    QCOMPARE(st.number(1), 600.0);
    QCOMPARE(st.number(2), 501.0);
    QCOMPARE(st.integer(3), 4);
    QCOMPARE(st.text(4), std::string("2024-11-01"));
    QCOMPARE(st.text(5), std::string("2025-02-01"));
}

void DeductionWindowsTest::loanWindowRefusesToDeleteAUsedLoan() {
    const auto used = f_->data.loan(f_->marko, f_->bank, {.iznos = 2000});
    const auto unused = f_->data.loan(f_->ana, f_->bank, {.iznos = 1000});
    f_->data.withheld(f_->data.calculation(f_->marko, 2024, 1, false, 50000_din), false, f_->bank,
                      used, 2000_din);

    frmKrediti window(f_->context);
    QVERIFY(window.openLoan(used));
    QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier);
    QVERIFY(wasShown("Nije moguce obrisati obustavu! Vec je koriscena u obracunu!"_q));
    QCOMPARE(f_->rows(f_->bank), 2);

    QVERIFY(window.openLoan(unused));
    QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier);
    QVERIFY(wasShown("Obustava je obrisana!"_q));
    QCOMPARE(f_->rows(f_->bank), 1);
    QVERIFY(!window.openLoan(unused));
    QVERIFY(wasShown("Greska kod pronalazenja kredita u bazi!"_q));
}

void DeductionWindowsTest::ctrlIExportsTheRunningLoansOfEveryCreditor() {
    f_->data.loan(f_->marko, f_->bank, {.iznos = 2000});
    frmObustaveKrediti window(f_->context);
    window.show();
    dt::queueText("97 ");
    dt::queueText(""); // the default name
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    const auto file = f_->context.BaseFolder / "IzvozExcel" / "kovrakreditori.xlsx";
    QVERIFY(std::filesystem::exists(file));
    QVERIFY(wasShown("Prefiks"_q));
    QVERIFY(wasShown("Unesite ime excel fajla!"_q));
    QCOMPARE(dt::shown().back().icon, QMessageBox::Information);
    QVERIFY(dt::shown().back().text.contains("kovrakreditori"));
}

void DeductionWindowsTest::everyCommandOpensItsWindow() {
    ui::frmGlavni main(f_->context);
    registerDeductionCommands(main, f_->context);
    const std::pair<const char*, const char*> commands[] = {
        {"mnuProcObustave", "frmObustaveProc"},
        {"mnuKreditne", "frmObustaveKrediti"},
        {"mnuUOPK", "frmKrediti_po_kreditorima"},
        {"mnuPreKre", "frmPregledPoKreditima"},
        {"mnuOPZ", "frmObustaveRadnik"}};
    for (const auto& [command, window] : commands) {
        QAction* action = main.command(command);
        QVERIFY2(action && action->isEnabled(), command);
        action->trigger();
        const auto frames = main.mdiArea()->subWindowList();
        QVERIFY2(!frames.isEmpty() && frames.last()->widget()->objectName() == window, command);
    }
    QCOMPARE(main.mdiArea()->subWindowList().size(), 5);
}

QTEST_MAIN(DeductionWindowsTest)
#include "DeductionWindowsTest.moc"
