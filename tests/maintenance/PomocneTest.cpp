// The auxiliary procedures as the operator reaches them: the access code, the window's commands
// and the two commands that act on the month (health-fund sheet, deleting one calculation).
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "PayrollRows.h"
#include "WindowTest.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Paths.h"
#include "maintenance/MaintenanceCommands.h"
#include "maintenance/frmPomocne.h"
#include "ui/CalculationWindow.h"
#include "ui/DialogTesting.h"
#include "ui/Dialogs.h"
#include "ui/frmGlavni.h"

using namespace zarion;
namespace fs = std::filesystem;
namespace dt = zarion::ui::testing;

namespace {

// A calculation window as the calculation windows present themselves to the pop-up menu.
class FakeCalculation : public QWidget, public ui::CalculationWindow {
public:
    CalculationKind calculationKind() const override {
        return final ? CalculationKind::Final : CalculationKind::Advance;
    }
    int month() const override { return 3; }
    int year() const override { return 2024; }
    std::optional<std::pair<qint64, QString>> selectedEmployee() const override { return employee; }
    void clearEmployeeNumber() override { ++cleared; }
    void UcitajRadnike() override { ++reloaded; }

    bool final = false;
    std::optional<std::pair<qint64, QString>> employee;
    int cleared = 0;
    int reloaded = 0;
};

} // namespace

struct Fixture : test::CompanyFixture {
    std::unique_ptr<ui::frmGlavni> window;
    test::PayrollRows rows{payroll()};

    Fixture()
        : CompanyFixture({{2024, 4, 10}, 8, 0, 0}) {
        window = std::make_unique<ui::frmGlavni>(context);
        registerMaintenanceCommands(*window, context);
    }

    fs::path payrollPath(int year) const { return context.payrollPath(year); }
    db::Database& db() { return payroll(); }

    ui::frmPomocne* openPomocne() {
        dt::queueNumber(Currency::fromUnits(ui::frmGlavni::PomocneAccessCode));
        window->command("mnuPomocne")->trigger();
        return window->findChild<ui::frmPomocne*>("frmPomocne");
    }
    void click(const char* button) {
        auto* pomocne = window->findChild<ui::frmPomocne*>("frmPomocne");
        QVERIFY(pomocne);
        auto* cmd = pomocne->findChild<QPushButton*>(button);
        QVERIFY2(cmd, button);
        QTest::mouseClick(cmd, Qt::LeftButton);
    }
};

class PomocneTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void onlyTheAccessCodeOpensTheWindow();
    void boxSwitchesCalculationWithoutDeductions();
    void finalToAdvanceForTheMonthAndForOneEmployee();
    void orphanCalculationsAreRemoved();
    void takingOverIsRefusedThenCopiesAndEndsTheProgram();
    void schemaMergeOpensOnTheTwoChosenDatabases();
    void deletingOneCalculationActsOnTheActiveCalculationWindow();
    void healthFundReportAsksTheMonthAndFillsTheSheet();
};

void PomocneTest::onlyTheAccessCodeOpensTheWindow() {
    dt::queueNumber(Currency::fromUnits(7268));
    f_->window->command("mnuPomocne")->trigger();
    QVERIFY(f_->window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!f_->window->findChild<ui::frmPomocne*>());

    auto* pomocne = f_->openPomocne();
    QVERIFY(pomocne);
    QCOMPARE(f_->window->mdiArea()->currentSubWindow()->widget(), pomocne);
    for (const char* name : {"cmdUvozBaze", "CmdKonUA", "cmdKonUAv", "Ob", "cmdBaze"})
        QVERIFY2(pomocne->findChild<QPushButton*>(name), name);
    QCOMPARE(shownTexts(), QStringList({"Unesite šifru!", "Unesite šifru!"}));
}

void PomocneTest::boxSwitchesCalculationWithoutDeductions() {
    f_->context.WithoutDeductions = true;
    auto* box = f_->openPomocne()->findChild<QCheckBox*>("chkBezObustava");
    QVERIFY(box->isChecked());
    box->click();
    QVERIFY(!f_->context.WithoutDeductions);
    box->click();
    QVERIFY(f_->context.WithoutDeductions);
}

void PomocneTest::finalToAdvanceForTheMonthAndForOneEmployee() {
    auto& rows = f_->rows;
    const auto petrovic = rows.employee("Petrović");
    const auto saric = rows.employee("Šarić");
    const auto finalP = rows.finalCalc(petrovic, 2024, 3, 50000_din);
    const auto finalS = rows.finalCalc(saric, 2024, 3, 40000_din);
    rows.deduction(finalP, false, 1500_din);
    rows.deduction(finalS, false, 800_din);
    f_->openPomocne();

    // One employee, finals kept.
    dt::queueNumber(Currency::fromUnits(saric));
    dt::queueNo();
    dt::queueNumber(2024_din);
    dt::queueNumber(3_din);
    f_->click("cmdKonUAv");
    QCOMPARE(rows.count("SELECT count(*) FROM obracuni"), 2);
    QCOMPARE(rows.count("SELECT count(*) FROM akontacija_obracuni WHERE ID_RADNIK = ?", saric), 1);
    QCOMPARE(rows.count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = 1"), 1);
    QCOMPARE(shownTexts().last(), QStringLiteral("Gotovo!"));

    // The whole month, finals removed: Šarić's advance is set aside for the new one.
    dt::clear();
    dt::queueYes();
    dt::queueNumber(2024_din);
    dt::queueNumber(3_din);
    f_->click("CmdKonUA");
    QCOMPARE(shownTexts(),
             QStringList({"Da li želite brisanje konačnog posle prebacivanja u avansni?",
                          "Unesite godinu!", "Unesite mesec!", "Gotovo!"}));
    QCOMPARE(rows.count("SELECT count(*) FROM obracuni"), 0);
    QCOMPARE(rows.count("SELECT count(*) FROM akontacija_obracuni"), 2);
    QCOMPARE(rows.count("SELECT count(*) FROM akontacija_obracuni_obrisani"), 1);
    QCOMPARE(rows.count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = 0"), 0);

    // Cancelling the month changes nothing and says nothing more.
    const std::string before = rows.snapshot();
    dt::clear();
    dt::queueYes();
    dt::queueNumber(2024_din);
    dt::queueCancel();
    f_->click("CmdKonUA");
    QCOMPARE(rows.snapshot(), before);
    QCOMPARE(shownTexts().size(), 3);
}

void PomocneTest::orphanCalculationsAreRemoved() {
    auto& rows = f_->rows;
    rows.finalCalc(0, 2024, 3, 1000_din);
    rows.finalCalc(rows.employee("Petrović"), 2024, 3, 50000_din);
    f_->openPomocne();
    f_->click("Ob");
    QCOMPARE(rows.count("SELECT count(*) FROM obracuni"), 1);
    QCOMPARE(shownTexts().last(), QStringLiteral("Gotovo!"));
}

void PomocneTest::takingOverIsRefusedThenCopiesAndEndsTheProgram() {
    auto last = startup::createPayrollTemplate(f_->payrollPath(2023));
    last->run("INSERT INTO radnici(Prezime, Ime) VALUES ('Đorđević', 'Ana')");
    last.reset();
    f_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f_->window.get()));
    f_->openPomocne();

    f_->rows.employee("Petrović");
    f_->click("cmdUvozBaze");
    QCOMPARE(shownTexts().last(),
             QStringLiteral("Baza u tekućoj godini nije prazna! Ne može se uraditi uvoz!"));
    QCOMPARE(dt::shown().back().icon, QMessageBox::Warning);
    QCoreApplication::processEvents(); // a queued close would be carried out here
    QVERIFY(f_->window->isVisible());

    f_->db().run("DELETE FROM radnici");
    f_->click("cmdUvozBaze");
    QCOMPARE(shownTexts().last(),
             QStringLiteral("Baza je kopirana. Program će biti ugašen, pokrenite ga ponovo!"));
    QCOMPARE(f_->db().scalar("SELECT count(*) FROM radnici WHERE Prezime = ?", "Đorđević"), 1);
    QTRY_VERIFY(!f_->window->isVisible());
}

void PomocneTest::schemaMergeOpensOnTheTwoChosenDatabases() {
    const fs::path templ = startup::templatePath(f_->context.DataRoot);
    startup::createPayrollTemplate(templ);
    auto* pomocne = f_->openPomocne();

    dt::queueCancel();
    f_->click("cmdBaze");
    QVERIFY(!pomocne->findChild<QDialog*>("frmBaze"));

    dt::queueFile(ui::toQ(templ.string()));
    dt::queueFile(ui::toQ(f_->payrollPath(2024).string()));
    f_->click("cmdBaze");
    auto* baze = pomocne->findChild<QDialog*>("frmBaze");
    QVERIFY(baze);
    QVERIFY(baze->isVisible());
    QCOMPARE(baze->findChild<QLabel*>("lblBaza1")->text(), ui::toQ(templ.string()));
    QCOMPARE(baze->findChild<QLabel*>("lblBaza2")->text(), ui::toQ(f_->payrollPath(2024).string()));
    QVERIFY(baze->findChild<QTreeWidget*>("listB1")->topLevelItemCount() > 0);
    QCOMPARE(baze->findChild<QTreeWidget*>("listB2")->topLevelItemCount(), 0);
    baze->close();
}

void PomocneTest::deletingOneCalculationActsOnTheActiveCalculationWindow() {
    auto& rows = f_->rows;
    const auto petrovic = rows.employee("Petrović");
    const auto advance = rows.advanceCalc(petrovic, 2024, 3, 20000_din);
    const auto finalCalc = rows.finalCalc(petrovic, 2024, 3, 50000_din);
    rows.deduction(advance, true, 700_din);
    rows.deduction(finalCalc, false, 1500_din);
    QAction* mnuOO = f_->window->command("mnuOO");
    QVERIFY(mnuOO->isEnabled());

    // No calculation window: nothing at all.
    mnuOO->trigger();
    f_->openPomocne();
    dt::clear();
    mnuOO->trigger();
    QVERIFY(dt::shown().empty());

    auto* calculation = new FakeCalculation;
    f_->window->showChild(calculation);
    mnuOO->trigger(); // an empty employee list
    QVERIFY(dt::shown().empty());

    calculation->employee = std::make_pair(qint64{petrovic}, QStringLiteral("Petrović Marko"));
    dt::queueNo();
    mnuOO->trigger();
    QCOMPARE(shownTexts(),
             QStringList({"Da li ste sigurni da zelite da obrisete obracun za radnika: Petrović "
                          "Marko za mesec: 3/2024"}));
    QCOMPARE(rows.count("SELECT count(*) FROM akontacija_obracuni"), 1);

    dt::clear();
    dt::queueYes();
    mnuOO->trigger();
    QCOMPARE(shownTexts().last(), QStringLiteral("Brisanje je zavrseno!"));
    QCOMPARE(rows.count("SELECT count(*) FROM akontacija_obracuni"), 0);
    QCOMPARE(rows.count("SELECT count(*) FROM obracuni"), 1);
    QCOMPARE(rows.count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = 0"), 1);
    QCOMPARE(calculation->cleared, 1);
    QCOMPARE(calculation->reloaded, 1);

    // Again: the advance is gone, the error is shown and the list is not reloaded.
    dt::clear();
    dt::queueYes();
    mnuOO->trigger();
    QCOMPARE(shownTexts().last(), QStringLiteral("Greska kod pronalazenja obracuna u bazi!"));
    QCOMPARE(dt::shown().back().icon, QMessageBox::Critical);
    QCOMPARE(calculation->reloaded, 1);
}

void PomocneTest::healthFundReportAsksTheMonthAndFillsTheSheet() {
    auto& rows = f_->rows;
    rows.finalCalc(rows.employee("Petrović", "Marko", "0101990710123"), 2024, 3, 44080_din);
    f_->db().run("INSERT INTO izvestaj(JMBG, Prezime, Ime) VALUES ('0101990710123', 'Petrović',"
                 " 'Marko')");
    QAction* mnuIRZZO = f_->window->command("mnuIRZZO");
    QVERIFY(mnuIRZZO->isEnabled());

    dt::queueCancel();
    mnuIRZZO->trigger();
    QCOMPARE(shownTexts(), QStringList({"Unesite godinu"}));

    dt::clear();
    dt::queueNumber(2024_din);
    dt::queueNumber(3_din);
    mnuIRZZO->trigger();
    QCOMPARE(shownTexts(), QStringList({"Unesite godinu", "Unesite mesec", "Gotovo!"}));
    QCOMPARE(rows.count("SELECT \"45\" FROM izvestaj"), 44080);
}

QTEST_MAIN(PomocneTest)
#include "PomocneTest.moc"
