// The batch calculation window driven offscreen: the list and its counters, calculate and post,
// calculate all with its progress bar and one closing message, the re-posting under the access
// code, the overrides by double-click, and the menu command that opens it.

#include "payroll/frmObracunNeto.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "BatchCompany.h"
#include "CompanyFixture.h"
#include "Controls.h"
#include "PayrollFixtures.h"
#include "WindowTest.h"
#include "payroll/PayrollCommands.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
namespace dt = zarion::ui::testing;

struct Fixture : test::CompanyFixture {
    std::vector<std::int64_t> ids;
    std::unique_ptr<payroll::frmObracunNeto> window;

    Fixture()
        : CompanyFixture({{2026, 3, 20}, 9, 0, 0}) {
        test::writeSettings(db(), test::coefficientPricing());
        payroll::MonthParameters month = test::month2026();
        month.prosecna_ocena_RU = 5;
        test::startMonth(db(), 2026, 3, month);
        for (const char* name : {"Antic", "Babic", "Cvetic"})
            ids.push_back(test::addEmployee(db(), name, 4));
        const auto union_ = test::addDeduction(db(), "Sindikat", 1, 800);
        for (auto id : ids)
            test::assignDeduction(db(), id, union_);
        context.CalcYear = 2026;
        context.CalcMonth = 3;
        context.CalcFinal = true;
    }

    db::Database& db() { return payroll(); }

    payroll::frmObracunNeto& open() {
        window = std::make_unique<payroll::frmObracunNeto>(context);
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }
    template <typename T> T* child(const char* name) {
        return zarion::testing::control<T>(window.get(), name);
    }
    QTreeWidgetItem* resultLine(const QString& name) {
        auto* list = child<QTreeWidget>("listRezultat");
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (list->topLevelItem(row)->data(0, Qt::UserRole).toString() == name)
                return list->topLevelItem(row);
        return nullptr;
    }
    bool redRow(int row) {
        return child<QTreeWidget>("listZ")->topLevelItem(row)->foreground(0).color() == Qt::red;
    }
};

class FrmObracunNetoTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void theListIsRedUntilPostedAndCounted();
    void calculateAndPostOneEmployee();
    void calculateAllShowsProgressAndOneMessage();
    void aFullDiskEndsCalculateAllWithOneMessageAndNothingPosted();
    void ctrlARepostsOnlyWithTheAccessCode();
    void theAdvanceWindowPostsOnlyAdvances();
    void theAdvanceProposesTheFirstPartOfTheMonth();
    void aNegativePayoutIsRedAndAskedAboutBeforePosting();
    void doubleClickOverridesTheAverageAndADeduction();
    void theMenuCommandOpensTheBatchWindow();
};

void FrmObracunNetoTest::theListIsRedUntilPostedAndCounted() {
    f_->open();
    QCOMPARE(f_->child<QLabel>("lblVrsta")->text(), QString("1 - KONAČNI OBRAČUN"));
    QCOMPARE(f_->child<QTreeWidget>("listZ")->topLevelItemCount(), 3);
    QVERIFY(f_->redRow(0));
    QCOMPARE(f_->child<QLabel>("lblUkupno")->text(), QString("Uk: 3"));
    QVERIFY(f_->child<QLabel>("lblNeobracunato")->text().endsWith(" 3"));
    // choosing a row puts its number into the box; the pop-up commands see the choice
    f_->child<QTreeWidget>("listZ")->setCurrentItem(
        f_->child<QTreeWidget>("listZ")->topLevelItem(2));
    QCOMPARE(f_->child<QLineEdit>("txtID_Radnik")->text(), QString::number(f_->ids[2]));
    QCOMPARE(f_->window->selectedEmployee()->first, f_->ids[2]);
    QCOMPARE(f_->window->selectedEmployee()->second, QString("Cvetic Radnik"));
}

void FrmObracunNetoTest::calculateAndPostOneEmployee() {
    f_->open();
    f_->child<QLineEdit>("txtID_Radnik")->setText(QString::number(f_->ids[1]));
    dt::queueOk();
    f_->child<QPushButton>("cmdKnjiziKonacni")->click();
    QCOMPARE(shownTexts(), QStringList{"Knjizenje je zavrseno!"});
    QCOMPARE(dt::shown()[0].title, QString("Tarlen"));
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 1);
    QCOMPARE(f_->count("SELECT ID_RADNIK FROM obracuni"), f_->ids[1]);
    QCOMPARE(f_->count("SELECT osnovna_bruto FROM obracuni"), 80000);
    QCOMPARE(f_->count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = 0"), 1);
    QCOMPARE(f_->count("SELECT count(*) FROM akontacija_obracuni"), 0);
    // the list is recoloured and counted again
    QVERIFY(!f_->redRow(1));
    QVERIFY(f_->child<QLabel>("lblObracunato")->text().endsWith(" 1"));
    // the result shows K and the working field; the payout is net less the deduction
    QTreeWidgetItem* net = f_->resultLine("NETO");
    QVERIFY(net);
    QCOMPARE(net->text(1), QString("0,00"));
    QCOMPARE(net->text(2), net->text(3));
    QVERIFY(f_->child<QLabel>("lblObustave")->text().endsWith("800,00"));
}

void FrmObracunNetoTest::calculateAllShowsProgressAndOneMessage() {
    f_->open();
    dt::queueOk();
    f_->child<QPushButton>("cmdAUTO")->click();
    QCOMPARE(shownTexts(), QStringList{"Obracun je zavrsen za sve radnike!"});
    QCOMPARE(dt::shown()[0].icon, QMessageBox::Information);
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 3);
    QCOMPARE(f_->count("SELECT count(*) FROM obracun_obustava"), 3);
    QCOMPARE(f_->child<QLabel>("lblNeobracunato")->text(), QString("Neobracunato: 0"));

    // a second run posts nothing and still ends with the message
    dt::clear();
    dt::queueOk();
    f_->child<QPushButton>("cmdAUTO")->click();
    QCOMPARE(shownTexts(), QStringList{"Obracun je zavrsen za sve radnike!"});
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 3);
}

void FrmObracunNetoTest::aFullDiskEndsCalculateAllWithOneMessageAndNothingPosted() {
    for (int i = 0; i < 40; ++i)
        test::addEmployee(f_->db(), "Radnik" + std::to_string(i), 4);
    f_->open();
    // the disk fills while the run posts
    f_->db().execScript("PRAGMA max_page_count = " +
                        std::to_string(f_->count("PRAGMA page_count")));
    dt::queueOk();
    f_->child<QPushButton>("cmdAUTO")->click();
    QCOMPARE(shownTexts(),
             QStringList{"Nema više mesta na disku za bazu podataka! Ništa nije proknjiženo."});
    QCOMPARE(dt::shown()[0].icon, QMessageBox::Critical);
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 0);
    QCOMPARE(f_->count("SELECT count(*) FROM obracun_obustava"), 0);
    QCOMPARE(f_->child<QLabel>("lblNeobracunato")->text(), QString("Neobracunato: 43"));
}

void FrmObracunNetoTest::ctrlARepostsOnlyWithTheAccessCode() {
    f_->open();
    dt::queueOk();
    f_->child<QPushButton>("cmdAUTO")->click();
    f_->db().run("UPDATE obracuni SET NETO = 1");

    dt::clear();
    dt::queueNumber(Currency::fromUnits(1234));
    QTest::keyClick(f_->window.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(shownTexts(), QStringList{"Unesite sifru za ponovno knjizenje konacnog obracuna!"});
    QCOMPARE(f_->count("SELECT sum(NETO = 1) FROM obracuni"), 3);

    dt::clear();
    dt::queueNumber(Currency::fromUnits(7269));
    dt::queueOk();
    QTest::keyClick(f_->window.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(dt::shown().size(), std::size_t(2));
    QCOMPARE(dt::shown()[1].text, QString("Gotovo!"));
    QCOMPARE(f_->count("SELECT sum(NETO = 1) FROM obracuni"), 0);
    QCOMPARE(f_->count("SELECT count(*) FROM obracun_obustava"), 3);
}

void FrmObracunNetoTest::theAdvanceWindowPostsOnlyAdvances() {
    f_->context.CalcFinal = false;
    f_->open();
    QCOMPARE(f_->child<QLabel>("lblVrsta")->text(), QString("0 - AKONTACIJA"));
    QVERIFY(f_->child<QPushButton>("cmdKnjiziAkontaciju")->isVisible());
    QVERIFY(!f_->child<QPushButton>("cmdKnjiziKonacni")->isVisible());
    dt::queueOk();
    f_->child<QPushButton>("cmdAUTO")->click();
    QCOMPARE(dt::shown().size(), std::size_t(1));
    QCOMPARE(f_->count("SELECT count(*) FROM akontacija_obracuni"), 3);
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 0);
    // the fixed 800 halved for the first part
    QCOMPARE(f_->count("SELECT count(*) FROM obracun_obustava WHERE AKONTACIJA = 1 AND Iznos = "
                       "4000000"),
             3);
}

// March 2026: 22 working days, 10 of them up to the 15th; meal 8,800 and holiday pay 4,400 for
// the month.
void FrmObracunNetoTest::theAdvanceProposesTheFirstPartOfTheMonth() {
    f_->db().run("UPDATE parametri_po_mesecima SET topli_obrok = 88000000, regres = 44000000");
    f_->context.CalcFinal = false;
    f_->open();
    f_->child<QLineEdit>("txtID_Radnik")->setText(QString::number(f_->ids[0]));
    auto* entries = f_->child<QTableWidget>("tblUlaz");
    const auto entry = [entries](const char* column) {
        for (int row = 0; row < entries->rowCount(); ++row)
            if (entries->item(row, 0)->toolTip() == column)
                return entries->item(row, 1)->text();
        return QString();
    };
    // the inputs under the operator's captions, amounts as a Serbian reader writes them
    QCOMPARE(entry("broj_sati"), QString("80"));
    QCOMPARE(entry("topli_obrok"), QString("4.000,00"));
    QCOMPARE(entry("regres"), QString("2.000,00"));
    QCOMPARE(entries->item(0, 0)->text(), QString("Ocena radnog učinka"));

    f_->child<QPushButton>("cmdIzNEto")->click();
    auto* results = f_->child<QTreeWidget>("listRezultat");
    QCOMPARE(results->headerItem()->text(0), QString("Stavka"));
    QCOMPARE(results->headerItem()->text(1), QString("Akontacija"));
    QTreeWidgetItem* net = f_->resultLine("NETO");
    QCOMPARE(net->text(0), QString("NETO ZARADA"));
    QCOMPARE(net->toolTip(0), QString("NETO"));
    QCOMPARE(f_->resultLine("Doprinosi_PIO_F")->text(0), QString("Doprinosi PIO - firma"));

    dt::queueOk();
    f_->child<QPushButton>("cmdKnjiziAkontaciju")->click();
    QCOMPARE(f_->count("SELECT broj_sati FROM akontacija_obracuni"), 80);
    QCOMPARE(f_->count("SELECT topli_obrok FROM akontacija_obracuni"), 4000);
    QCOMPARE(f_->count("SELECT regres FROM akontacija_obracuni"), 2000);
}

void FrmObracunNetoTest::aNegativePayoutIsRedAndAskedAboutBeforePosting() {
    f_->open();
    f_->child<QLineEdit>("txtID_Radnik")->setText(QString::number(f_->ids[0]));
    f_->child<QPushButton>("cmdIzNEto")->click();
    auto* deductions = f_->child<QTreeWidget>("listObustave");
    dt::queueNumber(Currency::fromUnits(1000000));
    emit deductions->itemDoubleClicked(deductions->topLevelItem(0), 0);
    auto* payout = f_->child<QLabel>("lblZaIsplatu");
    QVERIFY(payout->text().startsWith("Za isplatu: -"));
    QVERIFY(payout->styleSheet().contains("red"));

    dt::clear();
    dt::queueNo();
    f_->child<QPushButton>("cmdKnjiziKonacni")->click();
    QCOMPARE(dt::shown().size(), std::size_t(1));
    QVERIFY(dt::shown()[0].text.startsWith("Iznos za isplatu je manji od nule"));
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 0);

    dt::queueYes();
    dt::queueOk();
    f_->child<QPushButton>("cmdKnjiziKonacni")->click();
    QCOMPARE(f_->count("SELECT count(*) FROM obracuni"), 1);

    // calculate all names those it posted below zero in its closing message
    f_->db().run("UPDATE obustaveproc SET procenat = 1000000");
    dt::clear();
    dt::queueOk();
    f_->child<QPushButton>("cmdAUTO")->click();
    QCOMPARE(dt::shown().size(), std::size_t(1));
    QVERIFY(dt::shown()[0].text.contains("Iznos za isplatu je manji od nule: Babic Radnik"));
    QVERIFY(dt::shown()[0].text.contains("Iznos za isplatu je manji od nule: Cvetic Radnik"));
}

void FrmObracunNetoTest::doubleClickOverridesTheAverageAndADeduction() {
    f_->open();
    f_->child<QLineEdit>("txtID_Radnik")->setText(QString::number(f_->ids[0]));
    f_->child<QPushButton>("cmdIzNEto")->click();
    auto* results = f_->child<QTreeWidget>("listRezultat");

    dt::queueNumber(Currency::parse("1000"));
    emit results->itemDoubleClicked(f_->resultLine("prosek_3_meseca"), 0);
    QCOMPARE(f_->resultLine("prosek_3_meseca")->text(2), QString("1.000,00"));

    auto* deductions = f_->child<QTreeWidget>("listObustave");
    dt::queueNumber(Currency::fromUnits(950));
    emit deductions->itemDoubleClicked(deductions->topLevelItem(0), 0);
    QCOMPARE(deductions->topLevelItem(0)->text(1), QString("950,00"));
    QCOMPARE(dt::shown()[1].text, QString("Unesite novi iznos za obustavu: "));

    dt::queueOk();
    f_->child<QPushButton>("cmdKnjiziKonacni")->click();
    QCOMPARE(f_->count("SELECT prosek_3_meseca FROM obracuni"), 1000);
    QCOMPARE(f_->count("SELECT Iznos FROM obracun_obustava"), 950);
}

void FrmObracunNetoTest::theMenuCommandOpensTheBatchWindow() {
    f_->context.CalcMonth = 0;
    ui::frmGlavni main(f_->context);
    registerPayrollCommands(main, f_->context);
    QAction* command = main.command("mnuPojOLD");
    QVERIFY(command && command->isEnabled());
    QString chooser;
    QTimer::singleShot(0, [&chooser] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        chooser = dialog->objectName();
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdPokreni"), Qt::LeftButton);
    });
    command->trigger();
    QCOMPARE(chooser, QString("frmMesecIGod"));
    // the 20th of March, pricing by coefficient: the final of March in the batch window
    QCOMPARE(f_->context.CalcMonth, 3);
    QVERIFY(f_->context.CalcFinal);
    const auto frames = main.mdiArea()->subWindowList();
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.front()->widget()->objectName(), QString("frmObracunNeto"));
}

QTEST_MAIN(FrmObracunNetoTest)
#include "FrmObracunNetoTest.moc"
