// The month chooser as the operator uses it before a calculation.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "parameters/frmMesecIGod.h"
#include "parameters/frmTipObracuna.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::parameters;
namespace dt = zarion::ui::testing;

struct Fixture {
    test::TemplateDatabase db;
    std::unique_ptr<FixedClock> clock;
    std::unique_ptr<AppContext> context;

    Fixture() {
        db->run("INSERT INTO postavke(na_pola_meseca) VALUES (1)");
        db->run("INSERT INTO parametri(porez_zarade, Doprinosi_PIO, cena_Rada) VALUES (10, 14, ?)",
                Currency::parse("250.5"));
    }

    // The working context as it stands on the given day, over the one payroll database.
    AppContext& on(Date today) {
        auto payroll = context ? std::move(context->PayrollDb) : db.release();
        auto nextClock = std::make_unique<FixedClock>(DateTime{today, 9, 0, 0});
        context = std::make_unique<AppContext>(*nextClock);
        clock = std::move(nextClock);
        context->PayrollDb = std::move(payroll);
        return *context;
    }
    db::Database& payroll() { return *context->PayrollDb; }

    template <typename T> static T* child(QWidget& window, const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    static void start(QWidget& window) {
        QTest::mouseClick(child<QPushButton>(window, "cmdPokreni"), Qt::LeftButton);
    }
};

class MesecIGodWindowTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void proposesTheAdvanceUpToTheFifteenthAndTheFinalAfter();
    void aMonthPaidAtOnceIsAlwaysFinal();
    void startingCopiesOnceAndThenNamesEachChangedParameter();
    void closingWithoutStartingChoosesNoMonth();
    void calculationTypeIsWrittenIntoTheCallersCaptions();
};

void MesecIGodWindowTest::proposesTheAdvanceUpToTheFifteenthAndTheFinalAfter() {
    frmMesecIGod fifteenth(f_->on({2024, 3, 15}));
    QCOMPARE(Fixture::child<QComboBox>(fifteenth, "cmbGod")->currentText(), QStringLiteral("2024"));
    QCOMPARE(Fixture::child<QComboBox>(fifteenth, "cmbMesec")->currentText(), QStringLiteral("3"));
    QVERIFY(Fixture::child<QRadioButton>(fifteenth, "optAkontacija")->isChecked());
    QVERIFY(Fixture::child<QRadioButton>(fifteenth, "optAkontacija")->isEnabled());

    frmMesecIGod sixteenth(f_->on({2024, 3, 16}));
    QVERIFY(Fixture::child<QRadioButton>(sixteenth, "optKOnacni")->isChecked());
    Fixture::start(sixteenth);
    QCOMPARE(sixteenth.result(), int(QDialog::Accepted));
    QCOMPARE(f_->context->CalcMonth, 3);
    QCOMPARE(f_->context->CalcYear, 2024);
    QVERIFY(f_->context->CalcFinal);
}

void MesecIGodWindowTest::aMonthPaidAtOnceIsAlwaysFinal() {
    AppContext& context = f_->on({2024, 3, 10});
    f_->payroll().run("UPDATE postavke SET na_pola_meseca = 0");
    frmMesecIGod chooser(context);
    auto* advance = Fixture::child<QRadioButton>(chooser, "optAkontacija");
    auto* final = Fixture::child<QRadioButton>(chooser, "optKOnacni");
    QVERIFY(final->isChecked());
    QVERIFY(!advance->isEnabled());
    QVERIFY(!final->isEnabled());
    Fixture::start(chooser);
    QVERIFY(context.CalcFinal);
}

void MesecIGodWindowTest::startingCopiesOnceAndThenNamesEachChangedParameter() {
    AppContext& context = f_->on({2024, 5, 3});
    frmMesecIGod first(context);
    Fixture::child<QComboBox>(first, "cmbMesec")->setCurrentIndex(3); // April
    Fixture::start(first);
    QVERIFY(dt::shown().empty());
    QCOMPARE(context.CalcMonth, 4);
    QCOMPARE(context.CalcYear, 2024);
    QVERIFY(!context.CalcFinal);
    QCOMPARE(*f_->payroll().scalar("SELECT count(*) FROM parametri_po_mesecima WHERE MEsec = 4 "
                                   "AND GODINA = 2024 AND porez_zarade = 10"),
             std::int64_t{1});

    f_->payroll().run("UPDATE parametri SET porez_zarade = 12, cena_Rada = ?",
                      Currency::parse("260"));
    frmMesecIGod second(context);
    Fixture::child<QComboBox>(second, "cmbMesec")->setCurrentIndex(3);
    dt::queueOk();
    dt::queueOk();
    Fixture::start(second);
    QCOMPARE(second.result(), int(QDialog::Accepted));
    QCOMPARE(dt::shown().size(), std::size_t(2));
    QCOMPARE(dt::shown()[0].text,
             QStringLiteral("Parametar porez_zarade se razlikuje od trenutne vrednosti!"));
    QCOMPARE(dt::shown()[1].text,
             QStringLiteral("Parametar cena_Rada se razlikuje od trenutne vrednosti!"));
    QCOMPARE(dt::shown()[0].icon, QMessageBox::Information);
    QCOMPARE(*f_->payroll().scalar("SELECT count(*) FROM parametri_po_mesecima"), std::int64_t{1});
    QCOMPARE(*f_->payroll().scalar("SELECT porez_zarade FROM parametri_po_mesecima"),
             std::int64_t{10});
}

void MesecIGodWindowTest::closingWithoutStartingChoosesNoMonth() {
    AppContext& context = f_->on({2024, 3, 20});
    context.CalcYear = 2023;
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->objectName(), QStringLiteral("frmMesecIGod"));
        chooser->reject();
    });
    QVERIFY(!chooseCalculationMonth(nullptr, context));
    QCOMPARE(context.CalcYear, 0);
    QCOMPARE(*f_->payroll().scalar("SELECT count(*) FROM parametri_po_mesecima"), std::int64_t{0});

    QTimer::singleShot(0, [] {
        auto* chooser = QApplication::activeModalWidget();
        QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("cmdPokreni")),
                          Qt::LeftButton);
    });
    QVERIFY(chooseCalculationMonth(nullptr, context));
    QCOMPARE(context.CalcYear, 2024);
}

void MesecIGodWindowTest::calculationTypeIsWrittenIntoTheCallersCaptions() {
    QLabel heading;
    QLabel kind;
    frmTipObracuna chooser(&heading, &kind);
    Fixture::child<QComboBox>(chooser, "cmbTip")->setCurrentIndex(2);
    chooser.reject(); // closing in any way writes the choice
    QCOMPARE(heading.text(), QStringLiteral("SA OLAKŠICAMA"));
    QCOMPARE(kind.text(), QStringLiteral("2 - izmenjeni parametri"));
}

QTEST_MAIN(MesecIGodWindowTest)
#include "MesecIGodWindowTest.moc"
