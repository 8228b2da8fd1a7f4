// The recapitulation and journal windows, opened from the payroll list and the menu.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "BooksMonth.h"
#include "Controls.h"
#include "WindowTest.h"
#include "core/AppContext.h"
#include "core/startup/DatabaseFiles.h"
#include "outputs/JournalSettings.h"
#include "outputs/frmGKNalogpodesavanje.h"
#include "outputs/frmNalogzaKnjizenje.h"
#include "outputs/frmRekapitulacijaIsplate.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "outputs/frmSpisakZarada.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using zarion::testing::control;
namespace dt = zarion::ui::testing;

namespace {

struct Fixture {
    test::BooksMonth month;
    FixedClock clock{{{2026, 6, 4}, 9, 0, 0}};
    AppContext context{clock};

    Fixture() {
        context.WorkYear = 2026;
        context.CalcMonth = 5;
        context.DataRoot = month.db.folder();
        context.PayrollDb = db::Database::open(month.db->path());
        startup::openAccountSchemes(context.DataRoot, 2026)
            ->run("INSERT INTO nalozi(id_nalog, Opis) VALUES (3, 'Plate')");
    }
    std::int64_t count(const char* sql) { return context.PayrollDb->scalar(sql).value_or(-1); }
    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
};

} // namespace

class BooksWindowsTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void thePayrollListOpensTheRecapitulationsOfItsList();
    void theJournalNeedsATypeAndPostsTheListOnce();
    void theJournalSettingsNeedAScheme();
};

void BooksWindowsTest::thePayrollListOpensTheRecapitulationsOfItsList() {
    outputs::frmSpisakZarada list(f_->context);
    list.show();
    QVERIFY(!control<QPushButton>(&list, "cmdRekapitulacija")->isEnabled());
    Fixture::click(&list, "cmdPokazi");
    Fixture::click(&list, "cmdRekapitulacija");
    auto* payout = zarion::testing::openedWindow<outputs::frmRekapitulacijaIsplate>();
    QVERIFY(payout);
    auto* lines = control<QTreeWidget>(payout, "listR");
    QCOMPARE(lines->topLevelItemCount(), 31);
    QCOMPARE(lines->topLevelItem(0)->text(1), QString("195.000,00"));
    QCOMPARE(lines->topLevelItem(1)->text(1), QString("3"));
    delete payout;

    dt::queueOk();
    Fixture::click(&list, "cmdRekapRacuna");
    QCOMPARE(dt::shown().back().text, QString("Niste uneli uplatne racune!"));
    f_->context.PayrollDb->run(
        "INSERT INTO parametri2(racun_za_isplatu) VALUES ('160-0000000000111-11')");
    Fixture::click(&list, "cmdRekapRacuna");
    auto* accounts = zarion::testing::openedWindow<outputs::frmRekapitulacijaUplatnihRacuna>();
    QVERIFY(accounts);
    QCOMPARE(accounts->objectName(), QString("frmRekapitulacijaUplatnihRacuna"));
    QCOMPARE(control<QLineEdit>(accounts, "txtRacun")->text(), QString("160-0000000000111-11"));
    QCOMPARE(control<QTreeWidget>(accounts, "listR")->topLevelItem(11)->text(1),
             QString("NETO zarade Banka Jug"));
    delete accounts;
}

void BooksWindowsTest::theJournalNeedsATypeAndPostsTheListOnce() {
    outputs::JournalSettings settings;
    settings.scheme = outputs::PostingScheme::First;
    outputs::saveJournalSettings(*f_->context.PayrollDb, settings);
    outputs::frmNalogzaKnjizenje window(f_->context, f_->month.list());
    window.show();
    QCOMPARE(control<QTreeWidget>(&window, "listK")->topLevelItemCount(), 0); // a scheme has none
    QCOMPARE(control<QTreeWidget>(&window, "listN")->topLevelItem(0)->text(0), QString("45000000"));
    QVERIFY(!control<QPushButton>(&window, "cmdK2")->isEnabled());

    dt::queueOk();
    Fixture::click(&window, "cmdKnjizi");
    QCOMPARE(dt::shown().back().text, QString("Niste izabrali tip naloga za knjizenje!"));
    QCOMPARE(f_->count("SELECT count(*) FROM Nalogzaknjizenje_opsti"), 0);

    auto* types = control<QComboBox>(&window, "cmbNalog");
    QCOMPARE(types->itemText(1), QString("3 - Plate"));
    types->setCurrentIndex(1);
    control<QLineEdit>(&window, "txtBroj")->setText("17");
    dt::queueOk();
    dt::queueOk();
    Fixture::click(&window, "cmdKnjizi");
    Fixture::click(&window, "cmdKnjizi");
    QCOMPARE(dt::shown().back().text, QString("Zavrseno je knjizenje naloga!"));
    // the first scheme's eight lines, once
    QCOMPARE(f_->count("SELECT count(*) FROM Nalogzaknjizenje_opsti WHERE podnalog = 17"), 8);
}

void BooksWindowsTest::theJournalSettingsNeedAScheme() {
    outputs::frmGKNalogpodesavanje window(f_->context);
    window.show();
    control<QLineEdit>(&window, "txtD_Neto")->setText(" 520 ");
    dt::queueOk();
    Fixture::click(&window, "cmdSnimi");
    QCOMPARE(dt::shown().back().text, QString("Izaberite predefinisani tip knjiženja!"));
    QCOMPARE(f_->count("SELECT count(*) FROM gk_nalog"), 0);

    control<QComboBox>(&window, "cmbSema")->setCurrentIndex(1);
    control<QComboBox>(&window, "cmbNalog")->setCurrentIndex(1);
    dt::queueOk();
    Fixture::click(&window, "cmdSnimi");
    QCOMPARE(dt::shown().back().text, QString("Gotovo!"));
    QCOMPARE(f_->count("SELECT count(*) FROM gk_nalog WHERE D_Neto = '520' AND tip_seme = 1 "
                       "AND id_tip = 3"),
             1);
}

QTEST_MAIN(BooksWindowsTest)
#include "BooksWindowsTest.moc"
