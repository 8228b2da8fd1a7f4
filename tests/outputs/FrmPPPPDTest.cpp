// The PPP-PD window: payer data and header, check boxes and totals, the export after the checks,
// the supervisor's overrides and the row editor.
#include "outputs/frmPPPPD.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "PostedSalaries.h"
#include "SampleDeclaration.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "outputs/frmPPPPDRed.h"
#include "ui/DialogTesting.h"

namespace zarion::test {

using outputs::Col;
using zarion::testing::control;

// The PPP-PD window of March 2026 filled with the regular and the lowest-base salary, the
// payer's record typed in where the company's data left it empty.
struct FilledReturn {
    TempDir base;
    TemplateDatabase payroll;
    FixedClock clock{{{2026, 4, 9}, 9, 0, 0}};
    AppContext context{clock};
    std::unique_ptr<outputs::frmPPPPD> window;

    FilledReturn() {
        payroll->run("INSERT INTO podaci_ppppd(sifra_opstine, email, uk_radnika, tip_isplatioca) "
                     "VALUES ('013', 'plate@firma.rs', 12, '1 - Pravno lice')");
        for (int code : {7, 13, 234}) // the template's list may hold them already
            payroll->run("INSERT INTO opstine(SIFRA, Naziv) SELECT ?1, 'Opstina' WHERE NOT EXISTS "
                         "(SELECT 1 FROM opstine WHERE SIFRA = ?1)",
                         code);
        context.BaseFolder = base.path();
        context.PayrollDb = db::Database::open(payroll->path());
        window = std::make_unique<outputs::frmPPPPD>(context);
        outputs::DeclarationFill fill;
        fill.year = 2026;
        fill.month = 3;
        fill.rows = {regularSalary(), lowestBaseSalary()};
        fill.rows[0][Col::BrojEfektivnihSati] = "168";
        fill.finalPart = true;
        window->fill(fill,
                     {10, 24, 10.3, 0.75, Currency::parse("51297"), Currency::parse("732820")});
        // the company record the window found empty, typed in
        for (const auto& [name, value] :
             {std::pair{"POD22", "101234567"}, std::pair{"POD25", "07654321"},
              std::pair{"POD26", "Zarion d.o.o."}, std::pair{"POD29", "Žička 5"}})
            edit(name)->setText(QString::fromUtf8(value));
        window->show();
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(window.get(), name); }
    QTreeWidget* list() { return control<QTreeWidget>(window.get(), "listPPPPD"); }
    void click(const char* button) {
        QTest::mouseClick(control<QPushButton>(window.get(), button), Qt::LeftButton);
    }
    QString total(int column) {
        return edit(QStringLiteral("txtUk%1").arg(column).toLatin1().constData())->text();
    }
    std::filesystem::path exported() const { return base.path() / "drive" / "E" / "ppppd.xml"; }
};

} // namespace zarion::test

using namespace zarion;
using outputs::Col;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

class FrmPPPPDTest : public zarion::testing::WindowTestWith<test::FilledReturn> {
    Q_OBJECT

private slots:
    void loadAndFillShowTheHeaderRowsAndTotals();
    void checkBoxesRecomputeTheTotals();
    void exportAfterTheChecksNamesTheFileWritten();
    void errorsStopTheExportUnlessConfirmed();
    void overridesNeedTheSupervisorsCode();
    void rowEditorWritesTheRowBack();
    void payrollListOpensTheReturnAfterTheReliefQuestions();
};

void FrmPPPPDTest::loadAndFillShowTheHeaderRowsAndTotals() {
    QCOMPARE(f_->list()->columnCount(), 25);
    QCOMPARE(f_->list()->headerItem()->text(6), QString("Šifra vr.prihoda"));
    QCOMPARE(f_->edit("POD27")->text(), QString("013"));
    QCOMPARE(f_->edit("POD210")->text(), QString("plate@firma.rs"));
    QCOMPARE(f_->edit("POD23")->text(), QString("12"));
    QCOMPARE(control<QComboBox>(f_->window.get(), "POD21")->currentText(),
             QString("1 - Pravno lice"));
    QCOMPARE(control<QComboBox>(f_->window.get(), "POD121")->currentText(), QString("03 - Mart"));
    QCOMPARE(f_->edit("POD122")->text(), QString("2026"));
    QVERIFY(control<QLabel>(f_->window.get(), "lblKonacna")->isVisible());
    QVERIFY(!control<QLabel>(f_->window.get(), "lblAkontacija")->isVisible());
    QCOMPARE(f_->list()->topLevelItemCount(), 2);
    QCOMPARE(f_->list()->topLevelItem(1)->text(0), QString("2"));
    QCOMPARE(f_->list()->topLevelItem(1)->checkState(0), Qt::Checked);
    QCOMPARE(f_->total(9), QString("150.000,50"));
    QCOMPARE(f_->total(15), QString("1.134,73"));
}

void FrmPPPPDTest::checkBoxesRecomputeTheTotals() {
    f_->list()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(f_->total(9), QString("50.000,50"));
    QVERIFY(!f_->window->declaration().rows[0].checked);
    f_->click("cmdNista");
    QCOMPARE(f_->total(11), QString("0,00"));
    f_->click("cmdSvi");
    QCOMPARE(f_->total(11), QString("8.155,85"));
    QCOMPARE(f_->list()->topLevelItem(0)->checkState(0), Qt::Checked);
}

void FrmPPPPDTest::exportAfterTheChecksNamesTheFileWritten() {
    dt::queueText("e:");
    dt::queueOk();
    f_->click("cmdIZvoz");
    QVERIFY(std::filesystem::exists(f_->exported()));
    const auto& boxes = dt::shown();
    QCOMPARE(boxes[0].text, QString("Unesite slovo memorijskog uredjaja! 0 za pretragu"));
    QCOMPARE(boxes[1].text,
             "Zavrsen je izvoz u XML fajl!\n" + QString::fromStdString(f_->exported().string()));
    QCOMPARE(boxes[1].icon, QMessageBox::Information);
}

void FrmPPPPDTest::errorsStopTheExportUnlessConfirmed() {
    QTreeWidgetItem* second = f_->list()->topLevelItem(1);
    f_->list()->itemDoubleClicked(second, 0);
    auto* editor = f_->window->findChild<outputs::frmPPPPDRed*>();
    QVERIFY(editor);
    control<QLineEdit>(editor, "txtKolona12")->setText("1578.95"); // tax one dinar too high
    editor->accept();

    dt::queueNo();
    f_->click("cmdIZvoz");
    QVERIFY(!std::filesystem::exists(f_->exported()));
    QVERIFY(dt::shown().back().text.contains(
        "Red 2 (Šaković Ana) GREŠKA: Porez (1578.95) nije osnovica poreza × 10 % (1577.95)"));

    dt::queueYes();
    dt::queueText("E");
    dt::queueOk();
    f_->click("cmdIZvoz");
    QVERIFY(std::filesystem::exists(f_->exported()));
}

void FrmPPPPDTest::overridesNeedTheSupervisorsCode() {
    dt::queueNumber(Currency::parse("1234")); // wrong: nothing happens, nothing is said
    f_->click("cmdSati");
    QCOMPARE(dt::shown().size(), std::size_t{1});

    dt::queueNumber(Currency::parse("7269"));
    dt::queueNumber(Currency::parse("176"));
    dt::queueOk();
    f_->click("cmdSati");
    QCOMPARE(f_->list()->topLevelItem(0)->text(9), QString("176"));
    QCOMPARE(f_->list()->topLevelItem(0)->text(8), QString("176")); // was at the fund of 168
    QCOMPARE(f_->list()->topLevelItem(1)->text(8), QString("160"));
    QCOMPARE(dt::shown().back().text, QString("Gotovo!"));

    dt::queueNumber(Currency::parse("7269"));
    dt::queueText("101110000");
    dt::queueYes();
    dt::queueOk();
    f_->click("cmdSifra");
    QCOMPARE(f_->list()->topLevelItem(1)->text(6), QString("101110000"));
    QCOMPARE(f_->list()->topLevelItem(1)->text(13), QString("0.00"));
    QCOMPARE(f_->total(12), QString("0,00"));
}

void FrmPPPPDTest::rowEditorWritesTheRowBack() {
    f_->list()->itemDoubleClicked(f_->list()->topLevelItem(0), 0);
    auto* editor = f_->window->findChild<outputs::frmPPPPDRed*>();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QString("Đurić Željko"));
    control<QLineEdit>(editor, "txtKolona10")->setText("100001.00");
    QTest::mouseClick(control<QPushButton>(editor, "cmdOK"), Qt::LeftButton);
    QCOMPARE(f_->list()->topLevelItem(0)->text(10), QString("100001.00"));
    QCOMPARE(f_->total(9), QString("150.001,50"));
}

void FrmPPPPDTest::payrollListOpensTheReturnAfterTheReliefQuestions() {
    test::PostedSalaries seed(*f_->context.PayrollDb);
    payroll::MonthParameters rates;
    rates.porez_zarade = 10;
    seed.monthRates(2026, 3, rates);
    const auto id = seed.employee({.surname = "Novaković", .name = "Ana", .municipality = 7});
    f_->context.PayrollDb->run(
        "UPDATE radnici SET sifra_vrste_prihoda = '101101260' WHERE id_radnik = ?", id);
    payroll::SalaryResult salary;
    salary.BRUTO = Currency::parse("100000");
    salary.porez_na_zaradu = Currency::parse("6577.90");
    seed.salary(CalculationKind::Final, id, 2026, 3, salary);
    const auto list =
        outputs::loadPayrollList(*f_->context.PayrollDb, {2026, 3, outputs::Payment::Whole, 0});
    QVERIFY(list.ok());

    for (const char* percent : {"70", "100", "0", "0"})
        dt::queueNumber(Currency::parse(percent));
    QWidget from;
    outputs::openPayrollDeclaration(&from, f_->context, *list);
    QCOMPARE(dt::shown().front().text,
             QString("Unesite procenat oslobadjanja za novozaposlene POREZ!"));
    QCOMPARE(dt::shown().back().text,
             QString("Unesite procenat oslobadjanja za novozaposlene NEZ!"));
    outputs::frmPPPPD* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != f_->window.get() && w->objectName() == "frmPPPPD")
            opened = static_cast<outputs::frmPPPPD*>(w);
    QVERIFY(opened);
    auto* rows = control<QTreeWidget>(opened, "listPPPPD");
    QCOMPARE(rows->topLevelItemCount(), 1);
    QCOMPARE(rows->topLevelItem(0)->text(3), QString("Novaković"));
    QCOMPARE(rows->topLevelItem(0)->text(12), QString("1973.37")); // 30 % of 6,577.90
    opened->close();
}

QTEST_MAIN(FrmPPPPDTest)
#include "FrmPPPPDTest.moc"
