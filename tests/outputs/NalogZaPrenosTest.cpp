#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "Controls.h"
#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "outputs/frmNalogZaPrenos.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::outputs;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

class NalogZaPrenosTest : public zarion::testing::WindowTest {
    Q_OBJECT

    struct Fixture {
        test::TemplateDatabase db;
        FixedClock clock{{{2026, 4, 10}, 9, 0, 0}};
        AppContext context{clock};
        Fixture() { context.PayrollDb = db::Database::open(db->path()); }
        void order(int number, const char* recipient, const char* amount, const char* reference) {
            context.PayrollDb->run("INSERT INTO nalozi(Broj, poverilac, SIFRA, Iznos, "
                                   "POziv_na_broj) VALUES (?, ?, '253', ?, ?)",
                                   number, recipient, Currency::parse(amount), reference);
        }
    };

private slots:
    void withoutOrdersTheWindowSaysWhereToMakeThem() {
        Fixture f;
        dt::queueOk();
        frmNalogZaPrenos window(f.context);
        QVERIFY(!window.hasOrders());
        QCOMPARE(dt::shown().back().text,
                 QStringLiteral("Niste generisali naloge! Generisite ih iz pregleda obracuna!"));
    }

    void anOrderIsCorrectedAndSavedAndTheNextOneShown() {
        Fixture f;
        f.order(1, "Porez na zarade", "13733.74", "961100");
        f.order(2, "Babić Ivan", "66021.60", "");
        frmNalogZaPrenos window(f.context);
        QCOMPARE(control<QLabel>(&window, "lblBr")->text(), QStringLiteral("1 od 2"));
        QCOMPARE(control<QLineEdit>(&window, "txtModelP")->text(), QStringLiteral("97"));
        control<QLineEdit>(&window, "txtIZnos")->setText("13800.00");
        dt::queueOk();
        control<QPushButton>(&window, "cmdSnimi")->click();
        QCOMPARE(dt::shown().back().text, QStringLiteral("Promene na nalogu su snimljene!"));
        QCOMPARE(loadOrders(*f.context.PayrollDb).front().Iznos, Currency::parse("13800"));

        control<QPushButton>(&window, "cmdSledeci")->click();
        QCOMPARE(control<QLineEdit>(&window, "txtPrimalac")->text(), QStringLiteral("Babić Ivan"));
        QVERIFY(!control<QPushButton>(&window, "cmdSledeci")->isEnabled());
    }

    void aWrongReferenceUnderModel97IsShown() {
        Fixture f;
        f.order(1, "Porez na zarade", "100", "971100");
        frmNalogZaPrenos window(f.context);
        QVERIFY(!control<QLabel>(&window, "lblPoziv")->text().isEmpty());
        control<QLineEdit>(&window, "txtpozivP")->setText("961100");
        QVERIFY(control<QLabel>(&window, "lblPoziv")->text().isEmpty());
    }
};

QTEST_MAIN(NalogZaPrenosTest)
#include "NalogZaPrenosTest.moc"
