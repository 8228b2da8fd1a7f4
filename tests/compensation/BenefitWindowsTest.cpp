// The award and maternity windows, driven offscreen: what the operator types is stored.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CompanyFixture.h"
#include "EmployeeSeed.h"
#include "compensation/AwardOrders.h"
#include "compensation/frmNagrade.h"
#include "compensation/frmPorodiljsko.h"
#include "core/AppContext.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::compensation;
namespace dt = zarion::ui::testing;

class BenefitWindowsTest : public QObject {
    Q_OBJECT

    struct Fixture : test::CompanyFixture {
        Fixture()
            : CompanyFixture({{2026, 4, 10}, 9, 0, 0}) {}
        std::int64_t employee =
            test::addEmployee(payroll(), {.surname = "Čolić", .name = "Milica"});
    };

    template <typename T> static T* child(QWidget& w, const char* name) {
        return w.findChild<T*>(name);
    }

private slots:
    void init() {
        dt::clear();
        dt::setStrict(true);
    }
    void cleanup() { QCOMPARE(dt::pending(), 0); }

    void aJubileeAwardIsGrossedUpPostedAndDeleted() {
        Fixture f;
        f.context.PayrollDb->run("INSERT INTO parametri (porez_zarade) VALUES (10)");
        f.context.PayrollDb->run(
            "INSERT INTO uplatni_racuni_ostale (id_ostale, racun_porez_na_plate) VALUES (1, 'x')");
        QVERIFY(createAwardOrder(*f.context.PayrollDb, AwardKind::Jubilee, {2026, 4, 15}, "Jubilej",
                                 Currency::fromUnits(25000))
                    .ok());
        frmJubilarne window(f.context);
        child<QLineEdit>(window, "txtID_Radnik")->setText(QString::number(f.employee));
        child<QLineEdit>(window, "txtNeto")->setText("61.000,00");
        child<QPushButton>(window, "cmdIzNeta")->click();
        QCOMPARE(child<QLineEdit>(window, "txtBruto")->text(), QStringLiteral("65.000,00"));
        child<QPushButton>(window, "cmdProknjizi")->click();
        QCOMPARE(f.count("SELECT BRUTO FROM obracun_ostale_zarade"), 65000);
        auto* list = child<QTreeWidget>(window, "listO");
        QCOMPARE(list->topLevelItemCount(), 1);

        dt::queueYes();
        dt::queueOk();
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QCOMPARE(dt::shown().back().text, QStringLiteral("Brisanje je zavrseno!"));
        QCOMPARE(f.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 0);
    }

    void aMaternityCaseNeedsAnEmployeeAndIsSavedWithIt() {
        Fixture f;
        frmPorodiljsko window(f.context);
        child<QLineEdit>(window, "txtNeto")->setText("80.000,00");
        dt::queueOk();
        child<QPushButton>(window, "cmdSnimi")->click();
        QCOMPARE(dt::shown().back().text, QStringLiteral("Niste uneli potrebne podatke!"));

        child<QLineEdit>(window, "txtID_Radnik")->setText(QString::number(f.employee));
        child<QPushButton>(window, "cmdSnimi")->click();
        QCOMPARE(f.count("SELECT NETO FROM bolovanjaPOR WHERE datum_zatvaranja = '2099-12-31'"),
                 80000);
        QCOMPARE(child<QTreeWidget>(window, "listB")->topLevelItemCount(), 1);
    }
};

QTEST_MAIN(BenefitWindowsTest)
#include "BenefitWindowsTest.moc"
