// The month parameter window as the operator uses it: choosing, saving, the pre-2013 fill.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "TemplateDatabase.h"
#include "WindowTest.h"
#include "parameters/CalculationMonth.h"
#include "parameters/frmParametri_po_mesecima.h"
#include "ui/DialogTesting.h"

using namespace zarion;
using namespace zarion::parameters;
namespace dt = zarion::ui::testing;

struct Fixture {
    test::TemplateDatabase db;
    frmParametri_po_mesecima window{*db};

    Fixture() {
        db->run("INSERT INTO parametri(porez_zarade, Doprinosi_PIO, Doprinosi_PIO_F, "
                "doprinosi_ro, Naziv_doprinosi_ro) VALUES (10, 14, 11, 1.5, ?)",
                "Doprinos komori");
        window.show();
    }

    template <typename T> T* child(const QString& name) { return window.findChild<T*>(name); }
    QLineEdit* box(int index) { return child<QLineEdit>(QStringLiteral("txtPar_%1").arg(index)); }

    // Chooses the year and the month as the operator does, one combo after the other.
    void choose(int month, int year) {
        auto* years = child<QComboBox>(QStringLiteral("cmbGod"));
        years->setCurrentText(QString::number(year));
        emit years->activated(years->currentIndex());
        auto* months = child<QComboBox>(QStringLiteral("cmbMEsec"));
        months->setCurrentIndex(month - 1);
        emit months->activated(months->currentIndex());
    }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    double employerPension(int month, int year) {
        db::Statement row = db->prepare("SELECT Doprinosi_PIO_F FROM parametri_po_mesecima "
                                        "WHERE MEsec = ? AND GODINA = ?");
        row.bindAll(month, year);
        return row.step() ? row.number(0) : -1;
    }
};

class ParametriPoMesecimaWindowTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void aMonthNotStartedIsToldAndCannotBeSaved();
    void aStartedMonthShowsItsRatesAndSavesTheBoxes();
    void thePre2013FillAsksFirstAndStopsAtApril2013();
};

void ParametriPoMesecimaWindowTest::aMonthNotStartedIsToldAndCannotBeSaved() {
    dt::queueOk();
    dt::queueOk();
    f_->choose(5, 2024);
    QCOMPARE(dt::shown().size(), std::size_t(2));
    QCOMPARE(dt::shown()[0].text, QStringLiteral("Nisu pronadjeni parametri za mesec: 5 - 2024"));
    QCOMPARE(dt::shown()[0].icon, QMessageBox::Warning);
    QCOMPARE(dt::shown()[1].text, QStringLiteral("Pokrenite obracun za izabrani mesec!"));
    QCOMPARE(dt::shown()[1].icon, QMessageBox::Information);
    QVERIFY(f_->box(0)->text().isEmpty());
    QVERIFY(f_->child<QLabel>(QStringLiteral("lblIzabraniM"))->text().isEmpty());

    dt::clear();
    dt::queueOk();
    f_->click("cmdSnimi");
    QCOMPARE(shownTexts(), QStringList{"Niste izabrali mesec!"});
    QCOMPARE(*f_->db->scalar("SELECT count(*) FROM parametri_po_mesecima"), std::int64_t{0});
}

void ParametriPoMesecimaWindowTest::aStartedMonthShowsItsRatesAndSavesTheBoxes() {
    startCalculationMonth(*f_->db, 5, 2024);
    f_->choose(5, 2024);
    QVERIFY(dt::shown().empty());
    QCOMPARE(f_->child<QLabel>(QStringLiteral("lblIzabraniM"))->text(), QStringLiteral("5"));
    QCOMPARE(f_->child<QLabel>(QStringLiteral("lblIzabraniG"))->text(), QStringLiteral("2024"));
    QCOMPARE(f_->child<QLabel>(QStringLiteral("lblPar_0"))->text(),
             QStringLiteral("Stopa poreza na zarade (%)"));
    QCOMPARE(f_->box(0)->text(), QStringLiteral("10"));
    QCOMPARE(f_->child<QLabel>(QStringLiteral("lblPar_8"))->text(),
             QStringLiteral("Doprinos komori"));

    f_->box(0)->setText(QStringLiteral("11,5")); // a decimal comma
    dt::queueOk();
    f_->click("cmdSnimi");
    QCOMPARE(shownTexts(), QStringList{"Snimanje parametara je zavrseno!"});
    QCOMPARE(*f_->db->scalar("SELECT porez_zarade * 10 FROM parametri_po_mesecima"),
             std::int64_t{115});
    QCOMPARE(*f_->db->scalar("SELECT porez_zarade FROM parametri"), std::int64_t{10});
}

void ParametriPoMesecimaWindowTest::thePre2013FillAsksFirstAndStopsAtApril2013() {
    for (const auto& [month, year] : {std::pair{12, 2012}, {4, 2013}, {5, 2013}})
        startCalculationMonth(*f_->db, month, year);
    f_->db->run("UPDATE parametri_po_mesecima SET Doprinosi_PIO_F = 22");

    dt::queueNo();
    f_->click("cmdPre2013");
    QCOMPARE(dt::shown().size(), std::size_t(1));
    QCOMPARE(dt::shown()[0].kind, dt::BoxKind::Question);
    QCOMPARE(f_->employerPension(12, 2012), 22.0);

    f_->choose(4, 2013);
    dt::clear();
    dt::queueYes();
    dt::queueOk();
    f_->click("cmdPre2013");
    QCOMPARE(dt::shown().back().text, QStringLiteral("Gotovo"));
    QCOMPARE(f_->employerPension(12, 2012), 14.0);
    QCOMPARE(f_->employerPension(4, 2013), 14.0);
    QCOMPARE(f_->employerPension(5, 2013), 22.0);
    // The month on show is read again with its new employer rate.
    int employerPio = 0;
    while (f_->child<QLabel>(QStringLiteral("lblPar_%1").arg(employerPio))->text() !=
           QStringLiteral("Stopa doprinosa za PIO na teret poslodavca (%)"))
        ++employerPio;
    QCOMPARE(f_->box(employerPio)->text(), QStringLiteral("14"));
}

QTEST_MAIN(ParametriPoMesecimaWindowTest)
#include "ParametriPoMesecimaWindowTest.moc"
