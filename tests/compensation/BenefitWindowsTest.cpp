// The award and maternity windows, driven offscreen: what the operator types is stored.
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "Controls.h"
#include "EmployeeSeed.h"
#include "WindowTest.h"
#include "compensation/AwardOrders.h"
#include "compensation/frmNagrade.h"
#include "compensation/frmPorodiljsko.h"
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
        frmJubilarne window(f_->context);
        control<QLineEdit>(&window, "txtID_Radnik")->setText(QString::number(f_->employee));
        control<QLineEdit>(&window, "txtNeto")->setText("61.000,00");
        control<QPushButton>(&window, "cmdIzNeta")->click();
        QCOMPARE(control<QLineEdit>(&window, "txtBruto")->text(), QStringLiteral("65.000,00"));
        control<QPushButton>(&window, "cmdProknjizi")->click();
        QCOMPARE(f_->count("SELECT BRUTO FROM obracun_ostale_zarade"), 65000);
        auto* list = control<QTreeWidget>(&window, "listO");
        QCOMPARE(list->topLevelItemCount(), 1);

        dt::queueYes();
        dt::queueOk();
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QVERIFY(wasShown("Brisanje je zavrseno!"));
        QCOMPARE(f_->count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 0);
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
