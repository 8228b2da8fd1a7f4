// "Podaci o firmi" as the operator uses it: typing the company's data, a refused control digit,
// saving from the menu and finding the data again.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "Controls.h"
#include "TemplateDatabase.h"
#include "Templates.h"
#include "Typing.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "core/startup/CompanyData.h"
#include "parameters/ParametersCommands.h"
#include "parameters/frmPodaci.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

namespace zarion::test {

// The working context of 16 March 2026 with the payroll database and an empty master data
// database, as the company data window finds them before the company is described.
struct CompanyWithoutData {
    FixedClock clock{{{2026, 3, 16}, 10, 0, 0}};
    TempDir dir;
    TemplateDatabase payroll; // its folder lives as long as the test
    AppContext context{clock};

    CompanyWithoutData() {
        context.PayrollDb = payroll.release();
        context.CompanyMasterDb = db::Database::create(dir / "backtarlen.db");
        context.CompanyMasterDb->execScript(schema::masterDataSql());
    }

    static void type(QWidget& window, const char* box, const QString& text) {
        QLineEdit* edit = zarion::testing::control<QLineEdit>(&window, box);
        edit->clear();
        zarion::testing::typeText(edit, text);
    }
};

} // namespace zarion::test

using namespace zarion;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

class PodaciWindowTest : public zarion::testing::WindowTestWith<test::CompanyWithoutData> {
    Q_OBJECT

private slots:
    void wrongTaxNumberIsRefusedAndTheWindowStaysOnItsBox();
    void savedDataComesBackWhenTheMenuOpensTheWindowAgain();
};

void PodaciWindowTest::wrongTaxNumberIsRefusedAndTheWindowStaysOnItsBox() {
    parameters::frmPodaci window(f_->context);
    window.show();
    f_->type(window, "txtNaziv", QStringLiteral("Primer d.o.o."));
    f_->type(window, "txtMaticni", QStringLiteral("21804575"));
    f_->type(window, "txtPIB", QStringLiteral("108457315"));
    dt::queueOk();
    QTest::mouseClick(control<QPushButton>(&window, "cmdSnimi"), Qt::LeftButton);

    QCOMPARE(dt::shown().size(), std::size_t(1));
    QCOMPARE(dt::shown().front().title, QStringLiteral("Tarlen"));
    QCOMPARE(dt::shown().front().icon, QMessageBox::Warning);
    QVERIFY(dt::shown().front().text.startsWith(QStringLiteral("PIB nije ispravan")));
    QVERIFY(window.isVisible());
    QTRY_COMPARE(window.focusWidget(), control<QLineEdit>(&window, "txtPIB"));
    QCOMPARE(*f_->context.CompanyMasterDb->scalar("SELECT COUNT(*) FROM podaci"), 0);
}

void PodaciWindowTest::savedDataComesBackWhenTheMenuOpensTheWindowAgain() {
    ui::frmGlavni main(f_->context);
    registerParametersCommands(main, f_->context);
    QVERIFY(main.command(QStringLiteral("mnuPodaci"))->isEnabled());

    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Podaci o firmi"));
        f_->type(*window, "txtNaziv", QStringLiteral("Primer d.o.o."));
        f_->type(*window, "txtAdresa", QStringLiteral("Kneza Miloša 5"));
        f_->type(*window, "txtGrad", QStringLiteral("Beograd"));
        f_->type(*window, "txtPIB", QStringLiteral("108457314"));
        f_->type(*window, "txtZiroRacun", QStringLiteral("205-1-85"));
        auto* opstina = control<QComboBox>(window, "cmbOpstina");
        opstina->setCurrentIndex(opstina->findText(QStringLiteral("16"), Qt::MatchStartsWith));
        QTest::mouseClick(control<QPushButton>(window, "cmdSnimi"), Qt::LeftButton);
    });
    main.command(QStringLiteral("mnuPodaci"))->trigger();

    QVERIFY(dt::shown().empty());
    const auto stored = startup::readCompanyData(*f_->context.CompanyMasterDb);
    QVERIFY(stored);
    QCOMPARE(stored->PIB, std::string("108457314"));
    QCOMPARE(stored->ziroracun, std::string("205-0000000000001-85"));
    QCOMPARE(f_->context.CompanyAddress, std::string("Kneza Miloša 5, Beograd"));
    QCOMPARE(startup::companyMunicipality(*f_->context.PayrollDb), std::int64_t{16});

    parameters::frmPodaci again(f_->context);
    QCOMPARE(control<QLineEdit>(&again, "txtNaziv")->text(), QStringLiteral("Primer d.o.o."));
    QCOMPARE(control<QLineEdit>(&again, "txtZiroRacun")->text(),
             QStringLiteral("205-0000000000001-85"));
    QVERIFY(control<QComboBox>(&again, "cmbOpstina")->currentText().startsWith("16"));
}

QTEST_MAIN(PodaciWindowTest)
#include "PodaciWindowTest.moc"
