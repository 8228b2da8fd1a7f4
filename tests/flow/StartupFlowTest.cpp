// Walks the way in as an operator does: sign-in, company register, main window.
#include "ui/StartupFlow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "TempDir.h"
#include "WindowTest.h"
#include "core/startup/CompanyRegister.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"
#include "ui/DialogTesting.h"

using namespace zarion;
namespace fs = std::filesystem;
namespace dt = zarion::ui::testing;

struct Fixture {
    test::TempDir base;
    FixedClock clock{{{2026, 12, 4}, 9, 5, 7}};
    AppContext context{clock};
    ui::StartupFlow flow{context};

    Fixture() {
        startup::prepareDataRoot(startup::chooseDataRoot(base.path()));
        auto registerDb = db::Database::open(startup::registerPath(dataRoot()));
        startup::saveOperator(*registerDb, "ANA", "tajna", "Ana", "Đorđević", 0);
        startup::createCompany(*registerDb, dataRoot(), 2026, "Žitopromet d.o.o.", "Šabac");
        auto master = db::Database::open(startup::masterDataPath(dataRoot(), 2026, 1));
        master->run("INSERT INTO podaci(Naziv, ADRESA, grad) VALUES (?, ?, ?)", "Žitopromet",
                    "Put 1", "Šabac");
        context.BaseFolder = base.path();
        flow.start();
    }
    ~Fixture() { delete flow.mainWindow(); }

    fs::path dataRoot() const { return base.path() / "kontora"; }

    void signIn(const QString& login, const QString& password) {
        auto* window = flow.login();
        window->findChild<QLineEdit*>("txtKorisnicko")->setText(login);
        window->findChild<QLineEdit*>("txtPas")->setText(password);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    }
    QTreeWidget* companyList() const {
        return flow.companies() ? flow.companies()->findChild<QTreeWidget*>("listFirme") : nullptr;
    }
    void setVersion(long long version) {
        auto payroll = db::Database::open(startup::payrollPath(dataRoot(), 2026, 1));
        payroll->run("UPDATE aaverzija SET Verzija = ?", static_cast<std::int64_t>(version));
    }
};

class StartupFlowTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void wrongPasswordKeepsTheLoginWindowOpen();
    void walksFromSignInToTheMainWindow();
    void olderCompanyDatabaseIsArchivedAndUpgraded();
    void registerKeysCreateAndRemoveCompanies();
};

void StartupFlowTest::wrongPasswordKeepsTheLoginWindowOpen() {
    f_->signIn("ana", "TAJNA");
    QCOMPARE(shownTexts(), QStringList{"Neispravna lozinka!"});
    QCOMPARE(dt::shown().front().icon, QMessageBox::Critical);
    QCOMPARE(dt::shown().front().title, QString("Tarlen"));
    QVERIFY(f_->flow.login()->isVisible());
    QVERIFY(!f_->flow.companies());
}

void StartupFlowTest::walksFromSignInToTheMainWindow() {
    f_->signIn("ana", "  tajna ");
    QTRY_VERIFY(f_->companyList());
    QCOMPARE(f_->context.WorkYear, 2026);
    QCOMPARE(f_->context.OperatorSurname, std::string("Đorđević"));
    QCOMPARE(f_->companyList()->topLevelItemCount(), 1);
    QCOMPARE(f_->companyList()->topLevelItem(0)->text(0), QString("Žitopromet d.o.o."));

    QTest::keyClick(f_->companyList(), Qt::Key_Return);
    QTRY_VERIFY(f_->flow.mainWindow());
    auto* main = f_->flow.mainWindow();
    QCOMPARE(main->findChild<QLabel*>("lblNatpis")->text(), QString("Žitopromet d.o.o. - Šabac"));
    QCOMPARE(main->command("mnuUnos")->text(), QString("Unos podataka"));
    QCOMPARE(main->command("mnuPomocne")->text(), QString("Pomocne procedure"));
    QVERIFY(main->command("mnuStamp")->isEnabled());
    // The employee windows register their own commands; the way in alone leaves them off.
    QVERIFY(!main->command("mnuZaposleni")->isEnabled());

    // Empty basic tables are pointed out; the equal schema version needs no upgrade.
    QCOMPARE(shownTexts(),
             (QStringList{"Postavite osnovne parametre obracuna!", "Podesite postavke programa!",
                          "Postavite ostale parametre obracuna!"}));
    QVERIFY(!fs::exists(f_->dataRoot() / "G2026" / "f1" / "ARHIVA"));
    QVERIFY(f_->context.PayrollDb->scalar("SELECT count(*) FROM opstine").value_or(0) > 0);
}

void StartupFlowTest::olderCompanyDatabaseIsArchivedAndUpgraded() {
    f_->setVersion(0);
    f_->signIn("ana", "tajna");
    QTRY_VERIFY(f_->companyList());
    QTest::keyClick(f_->companyList(), Qt::Key_Return);
    QTRY_VERIFY(f_->flow.mainWindow());
    QVERIFY(wasShown("Potrebno je uraditi update baze! Orginalna baza ce biti arhivirana u "
                     "folderu ARHIVA, na putanji originalne baze!"));
    QVERIFY(wasShown("Zavrsen je update baze!"));
    QVERIFY(fs::exists(f_->dataRoot() / "G2026" / "f1" / "ARHIVA" / "bpl041226338090507.db"));
    QCOMPARE(f_->context.PayrollDb->scalar("SELECT Verzija FROM aaverzija").value_or(0),
             startup::compiledSchemaVersion());
}

void StartupFlowTest::registerKeysCreateAndRemoveCompanies() {
    f_->signIn("ana", "tajna");
    QTRY_VERIFY(f_->companyList());
    auto* window = f_->flow.companies();
    auto* list = f_->companyList();

    QTest::keyClick(window, Qt::Key_F5);
    QVERIFY(window->findChild<QGroupBox*>("fraNovi")->isVisible());
    window->findChild<QLineEdit*>("txtFirma")->setText("Ćevabdžinica \"Kod Đoke\"; 100%");
    window->findChild<QLineEdit*>("txtGrad")->setText("   ");
    QTest::mouseClick(window->findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(shownTexts().back(), QString("Niste uneli potrebne podatke"));
    QCOMPARE(list->topLevelItemCount(), 1);

    window->findChild<QLineEdit*>("txtGrad")->setText("Niš");
    QTest::mouseClick(window->findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(shownTexts().back(), QString("Otvaranje nove firme je zavrseno!"));
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(1)->text(0), QString("Ćevabdžinica \"Kod Đoke\"; 100%"));
    QVERIFY(fs::exists(f_->dataRoot() / "G2026" / "f2" / "plate.db"));

    list->setCurrentItem(list->topLevelItem(1));
    dt::queueNo();
    QTest::keyClick(window, Qt::Key_F9);
    QCOMPARE(list->topLevelItemCount(), 2);
    list->setCurrentItem(list->topLevelItem(1));
    dt::queueYes();
    QTest::keyClick(window, Qt::Key_F9);
    QCOMPARE(shownTexts().back(),
             QString("Da li ste sigurni da zelite brisanje izabrane firme sa liste?"));
    QCOMPARE(list->topLevelItemCount(), 1);
}

QTEST_MAIN(StartupFlowTest)
#include "StartupFlowTest.moc"
