#include "other_income/frmUgovorODelu.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "other_income/OtherIncomeCommands.h"
#include "other_income/frmNoviNalog.h"
#include "outputs/frmPPPPD.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
using namespace zarion::other_income;
namespace dt = zarion::ui::testing;

class FrmUgovorODeluTest : public zarion::testing::WindowTest {
    Q_OBJECT

    struct Fixture {
        test::TemplateDatabase db;
        FixedClock clock{{{2026, 4, 10}, 9, 0, 0}};
        AppContext context{clock};
        std::int64_t person = 0;
        Fixture() {
            context.PayrollDb = db::Database::open(db->path());
            person = test::addEmployee(*context.PayrollDb, {.surname = "Babić", .name = "Ivan"});
        }
        // A service contract order: 10 % tax, no standardized costs, PIO 14 % of the person.
        std::int64_t order(int kind, double tax = 10, double pio = 14) {
            OtherIncomeOrder o;
            o.tip_noz = kind;
            o.Datum = {2026, 4, 1};
            o.Naziv = "April";
            o.rates.tax = tax;
            o.rates.employee.pio = pio;
            return saveOrder(*context.PayrollDb, o).value();
        }
        // An order of the kind paying the person a gross of 10,000.
        void paidOrder(int kind) {
            PersonRow row;
            row.id_noz = order(kind);
            row.id_radnik = person;
            row.amounts = fromGross(kind, Currency::fromUnits(10000),
                                    loadOrder(*context.PayrollDb, row.id_noz)->rates);
            postPersonRow(*context.PayrollDb, kind, row, false);
        }
        std::int64_t count(const char* sql) { return context.PayrollDb->scalar(sql).value_or(-1); }
    };

    template <typename T> static T* child(QWidget& w, const char* name) {
        return zarion::testing::control<T>(&w, name);
    }
    static void type(QWidget& w, const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(w, box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void choosePerson(QWidget& w, std::int64_t id) {
        type(w, "txtID_Radnik", QString::number(id));
        QTest::keyClick(child<QLineEdit>(w, "txtID_Radnik"), Qt::Key_Return);
    }

private slots:
    void everyKindHasItsMenuCommand() {
        Fixture f;
        ui::frmGlavni main(f.context);
        registerOtherIncomeCommands(main, f.context);
        const std::pair<const char*, const char*> commands[] = {
            {"mnuOZPrivremeni", "frmUgovorODelu"}, {"mnuOSAutor", "frmUgovorODelu"},
            {"mnuOZDopunsi", "frmUgovorODelu"},    {"mnuUgovoroDelu", "frmUgovorODelu"},
            {"mnuStrPr", "frmUgovorODelu"},        {"mnuOZJR", "frmUgovorODelu"},
            {"mnuOZZakup", "frmUgovorODelu"},      {"mnuOZPT", "frmUgovorODelu"},
            {"mnuOstDnevnice", "frmUgovorODelu"},  {"mnuOstPenzija", "frmOtpremnine"},
            {"mnuOstOdvojeni", "frmUgovorODelu"},  {"mnuAkont", "frmAkontacije"}};
        for (const auto& [command, name] : commands) {
            QVERIFY(main.command(command)->isEnabled());
            main.command(command)->trigger();
            QCOMPARE(main.mdiArea()->subWindowList().back()->widget()->objectName(), QString(name));
        }
        auto* rent = qobject_cast<frmUgovorODelu*>(main.mdiArea()->subWindowList()[6]->widget());
        QCOMPARE(rent->kind(), 9);
        QCOMPARE(child<QLabel>(*rent, "lblNaslov")->text(), QStringLiteral("Isplate za zakup"));
        QTest::keyClick(rent, Qt::Key_Escape);
        QCOMPARE(main.mdiArea()->subWindowList().size(), 11);
    }

    void anAdvanceIsDeclaredAsTheMonthsAdvance() {
        Fixture f;
        f.paidOrder(99);
        frmUgovorODelu window(f.context, 99);
        dt::queueText("101101000");
        dt::queueNumber(Currency::fromUnits(176));
        child<QPushButton>(window, "cmdPPPPD")->click();
        QCOMPARE(dt::shown().at(0).text, QStringLiteral("Unesite šifru vrste prihoda"));
        outputs::frmPPPPD* declaration = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<outputs::frmPPPPD*>(top))
                declaration = found;
        QVERIFY(declaration);
        const auto& rows = declaration->declaration().rows;
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0][outputs::Col::Bruto], std::string("10000"));
        QCOMPARE(rows[0][outputs::Col::MesecniFondSati], std::string("176"));
        QVERIFY(declaration->declaration().advance);
        delete declaration;
    }

    // A gross of 10,000 at 10 % tax and PIO 14 %: tax 1,000, PIO 1,400, net 7,600.
    void theOrderOpensTheRecapitulationOfItsPaymentAccounts() {
        Fixture f;
        f.paidOrder(6);
        frmUgovorODelu window(f.context, 6);
        f.context.PayrollDb->run(
            "INSERT INTO uplatni_racuni_ostale (id_ostale, isplatni_racun) VALUES (6, '160-6-6')");
        child<QPushButton>(window, "cmdRekapRacuna")->click();
        auto* recap = zarion::testing::openedWindow<outputs::frmRekapitulacijaUplatnihRacuna>();
        QVERIFY(recap);
        QCOMPARE(recap->objectName(), QStringLiteral("frmRekapitulacijaUplatnihOstale"));
        auto* lines = child<QTreeWidget>(*recap, "listR");
        const std::pair<int, const char*> expected[] = {
            {0, "7.600,00"}, {1, "1.000,00"}, {2, "1.400,00"}, {5, "10.000,00"}};
        for (const auto& [line, amount] : expected)
            QCOMPARE(lines->topLevelItem(line)->text(2), QString(amount));
        delete recap;
    }

    void aNewOrderIsSavedFromTheEditorWithItsKind() {
        Fixture f;
        f.order(6, 20);
        frmUgovorODelu window(f.context, 6);
        child<QPushButton>(window, "cmdNovi")->click();
        auto* editor = window.findChild<frmNoviNalog*>();
        QVERIFY(editor);
        QCOMPARE(child<QLineEdit>(*editor, "txtPorez")->text(), QStringLiteral("20,00"));
        dt::queueOk();
        child<QPushButton>(*editor, "cmdSnimi")->click();
        QCOMPARE(dt::shown().back().text, QStringLiteral("Niste uneli opis naloga!"));
        child<QLineEdit>(*editor, "txtNAZIV")->setText("Maj");
        child<QPushButton>(*editor, "cmdSnimi")->click();
        QTRY_COMPARE(f.count("SELECT COUNT(*) FROM nalozi_ostale_zarade WHERE tip_noz = 6"), 2);
        QVERIFY(child<QComboBox>(window, "cmbNalog")->currentText().endsWith("Maj"));
    }

    void aPersonIsCalculatedFromGrossPostedAndEdited() {
        Fixture f;
        f.order(3);
        frmUgovorODelu window(f.context, 3);
        choosePerson(window, f.person);
        QCOMPARE(child<QLabel>(window, "lblIme")->text(), QStringLiteral("Babić Ivan"));
        // 10.000: tax 1.000, PIO 1.400, net 7.600
        type(window, "txtBruto", "10000");
        QCOMPARE(child<QLineEdit>(window, "txtNeto")->text(), QStringLiteral("7.600,00"));
        // PIO of the row overridden to 4 %: 10.000 - 1.000 - 400
        dt::queueNumber(Currency::fromUnits(4));
        QTest::mouseDClick(child<QLineEdit>(window, "txtPIO"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(window, "txtNeto")->text(), QStringLiteral("8.600,00"));
        dt::queueNumber(Currency::fromUnits(14));
        QTest::mouseDClick(child<QLineEdit>(window, "txtPIO"), Qt::LeftButton);
        child<QPushButton>(window, "cmdKnjizi")->click();
        QCOMPARE(f.count("SELECT NETO / 10000 FROM obracun_ostale_zarade"), 7600);
        QCOMPARE(child<QTreeWidget>(window, "listO")->topLevelItemCount(), 1);

        dt::queueNo(); // edit the row already there
        choosePerson(window, f.person);
        QCOMPARE(child<QLineEdit>(window, "txtBruto")->text(), QStringLiteral("10.000,00"));
        type(window, "txtNeto", "9000");
        child<QPushButton>(window, "cmdKnjizi")->click();
        QCOMPARE(f.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 1);
        QCOMPARE(f.count("SELECT NETO / 10000 FROM obracun_ostale_zarade"), 9000);

        dt::queueYes(); // a new row for the same person
        choosePerson(window, f.person);
        type(window, "txtBruto", "500");
        child<QPushButton>(window, "cmdKnjizi")->click();
        QCOMPARE(f.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 2);

        auto* list = child<QTreeWidget>(window, "listO");
        dt::queueYes();
        dt::queueOk();
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QCOMPARE(dt::shown().back().text, QStringLiteral("Brisanje je zavrseno!"));
        QCOMPARE(f.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 1);
        window.grab().save(QStringLiteral(ZARION_SCREENSHOT_DIR "/frmUgovorODelu.png"));
    }

    void aNetTheRatesCannotGrossUpIsRefusedAndNothingIsPosted() {
        Fixture f;
        f.order(6, 50, 50);
        frmUgovorODelu window(f.context, 6);
        choosePerson(window, f.person);
        dt::queueOk();
        type(window, "txtNeto", "1");
        QCOMPARE(dt::shown().back().text, QStringLiteral("GRESKA! Parametri nisu dobri!"));
        dt::queueOk();
        child<QPushButton>(window, "cmdKnjizi")->click();
        QCOMPARE(dt::shown().back().text, QStringLiteral("Niste uneli potrebne podatke!"));
        QCOMPARE(f.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 0);
    }

    void severanceIsCalculatedFromNetInPara() {
        Fixture f;
        OtherIncomeOrder o;
        o.tip_noz = 11;
        o.Datum = {2026, 4, 1};
        o.Naziv = "Penzija";
        o.rates.tax = 20;
        o.rates.nonTaxable = Currency::fromUnits(400000);
        saveOrder(*f.context.PayrollDb, o);
        frmUgovorODelu window(f.context, 11);
        QCOMPARE(window.objectName(), QStringLiteral("frmOtpremnine"));
        QCOMPARE(child<QComboBox>(window, "cmbTip")->itemData(0).toInt(), 11);
        QVERIFY(child<QLineEdit>(window, "txtBruto")->isReadOnly());
        choosePerson(window, f.person);
        type(window, "txtNeto", "400001");
        QCOMPARE(child<QLineEdit>(window, "txtBruto")->text(), QStringLiteral("400.001,25"));
        window.grab().save(QStringLiteral(ZARION_SCREENSHOT_DIR "/frmOtpremnine.png"));
    }
};

QTEST_MAIN(FrmUgovorODeluTest)
#include "FrmUgovorODeluTest.moc"
