// Drives the employee register and its code lists from the keyboard, as an operator does.
#include "employees/frmZaposleni.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "RegisterCompany.h"
#include "Typing.h"
#include "WindowTest.h"
#include "employees/EmployeeListModel.h"
#include "employees/EmployeeRecord.h"
#include "employees/EmployeesCommands.h"
#include "employees/frmBanke.h"
#include "employees/frmRJ.h"
#include "employees/frmTraziZaposlenog.h"
#include "ui/DialogTesting.h"
#include "ui/frmGlavni.h"

using namespace zarion;
namespace dt = zarion::ui::testing;

struct Fixture : test::RegisterCompany {
    std::unique_ptr<employees::frmZaposleni> window;

    db::Database& db() { return payroll(); }

    employees::frmZaposleni& open() {
        window = std::make_unique<employees::frmZaposleni>(context);
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }
    template <typename T> T* child(const char* name) {
        return zarion::testing::control<T>(window.get(), name);
    }
    QTreeView* list() { return child<QTreeView>("listZ"); }
    const employees::EmployeeListModel& model() {
        return *static_cast<const employees::EmployeeListModel*>(list()->model());
    }
    QString footer() { return child<QLabel>("lblUkupno")->text(); }
    bool panelShown() {
        auto* stack = window->findChild<QStackedWidget*>();
        return stack->currentWidget()->objectName() == "fraRadnik";
    }
    void selectEmployee(std::int64_t id) {
        list()->setCurrentIndex(model().index(model().rowOf(id), 0));
        list()->setFocus();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target && window->isAncestorOf(target) ? target : window.get(),
                        static_cast<Qt::Key>(key), modifiers);
    }
    void type(const char* box, const QString& text) {
        auto* line = child<QLineEdit>(box);
        line->setFocus();
        line->selectAll();
        zarion::testing::typeText(line, text);
    }
};

class FrmZaposleniTest : public zarion::testing::WindowTestWith<Fixture> {
    Q_OBJECT

private slots:
    void f5FillSaveShowsTheNewRow();
    void blankNameIsRefusedAndNothingWritten();
    void f6ChangesTheSelectedEmployee();
    void f9IsRefusedWhileADeductionRowExists();
    void filtersChangeTheFooterCount();
    void ownersAreBlueAndCtrlPTurnsTheFlag();
    void ctrlOWritesTheMunicipalityIntoEveryEmployee();
    void ctrlTTakesAnEmployeeOverIntoThePanel();
    void escClosesThePanelThenTheWindow();
    void unitAndBankInUseAreNotRemoved();
    void searchPutsTheChosenNumberIntoTheBox();
    void menuCommandsOpenTheWindows();
    void deductionsButtonOpensTheEmployeesDeductions();
};

void FrmZaposleniTest::f5FillSaveShowsTheNewRow() {
    f_->open();
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 3"));
    f_->list()->setFocus();
    f_->key(Qt::Key_F5);
    QVERIFY(f_->panelShown());
    QCOMPARE(f_->child<QPushButton>("cmdSnimi")->text(), QString("Snimi"));

    f_->type("txtPrezime", "Đurić");
    f_->key(Qt::Key_Return); // Enter moves on to the next box
    QCOMPARE(QApplication::focusWidget(), f_->child<QLineEdit>("txtIme"));
    zarion::testing::typeText(QApplication::focusWidget(), "Željko");
    f_->type("txtJMBG", "0101990710123");
    f_->type("txtKoeficijent", "2.5");
    f_->type("txtPG", "2.5");
    f_->child<QComboBox>("cmbRJ")->setCurrentIndex(1); // Uprava
    f_->child<QPushButton>("cmdSnimi")->setFocus();
    f_->key(Qt::Key_Return);

    QVERIFY(dt::shown().empty());
    QVERIFY(!f_->panelShown());
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 4"));
    const std::int64_t id = f_->model().idAt(f_->list()->currentIndex().row());
    const auto saved = employees::loadEmployee(f_->db(), id);
    QVERIFY(saved);
    QCOMPARE(saved->Prezime, std::string("Đurić"));
    QCOMPARE(saved->Ime, std::string("Željko"));
    QCOMPARE(saved->id_rj, f_->office);
    QCOMPARE(saved->pg, 2);
    QCOMPARE(saved->KOEFICIJENT, 2.5);
    QVERIFY(saved->Datum == (Date{2026, 3, 16}));
    QVERIFY(saved->datum_odjave == (Date{2099, 12, 31}));
    QCOMPARE(saved->vrsta, std::string("01"));
    QCOMPARE(f_->model().index(f_->list()->currentIndex().row(), 0).data().toString(),
             QString("Đurić Željko"));
    // The personal number stands whole in its column.
    const QModelIndex jmbg = f_->model().index(f_->list()->currentIndex().row(), 2);
    QCOMPARE(jmbg.data().toString(), QString("0101990710123"));
    QVERIFY(f_->list()->columnWidth(2) >
            f_->list()->fontMetrics().horizontalAdvance(jmbg.data().toString()));
}

void FrmZaposleniTest::blankNameIsRefusedAndNothingWritten() {
    f_->open();
    f_->list()->setFocus();
    f_->key(Qt::Key_F5);
    f_->type("txtPrezime", "Đurić");
    f_->type("txtIme", "   ");
    QTest::mouseClick(f_->child<QPushButton>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(shownTexts(), QStringList{"Ime je obavezan podatak!"});
    QCOMPARE(dt::shown().front().icon, QMessageBox::Warning);
    QVERIFY(f_->panelShown());
    QCOMPARE(QApplication::focusWidget(), f_->child<QLineEdit>("txtIme"));
    QCOMPARE(f_->count("SELECT count(*) FROM radnici"), 4);
    f_->key(Qt::Key_F5); // no new panel over the one being filled
    QCOMPARE(f_->child<QLineEdit>("txtPrezime")->text(), QString("Đurić"));
}

void FrmZaposleniTest::f6ChangesTheSelectedEmployee() {
    f_->open();
    const std::int64_t id = f_->model().idAt(1); // Ilić
    f_->selectEmployee(id);
    f_->key(Qt::Key_F6);
    QVERIFY(f_->panelShown());
    QCOMPARE(f_->child<QPushButton>("cmdSnimi")->text(), QString("Ažuriraj"));
    QCOMPARE(f_->child<QLineEdit>("txtPrezime")->text(), QString("Ilić"));
    f_->type("txtPrezime", "Ilić-Pavlović");
    f_->child<QComboBox>("cmbStatus")->setCurrentIndex(1); // 2 - Neaktivan, left today
    QTest::mouseClick(f_->child<QPushButton>("cmdSnimi"), Qt::LeftButton);
    const auto saved = employees::loadEmployee(f_->db(), id);
    QCOMPARE(saved->Prezime, std::string("Ilić-Pavlović"));
    QVERIFY(saved->nije_u_ro);
    QVERIFY(saved->datum_odjave == (Date{2026, 3, 16}));
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 2"));
}

void FrmZaposleniTest::f9IsRefusedWhileADeductionRowExists() {
    f_->open();
    const std::int64_t kept = f_->model().idAt(0);
    const std::int64_t free = f_->model().idAt(1);
    f_->db().run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, Iznos) VALUES (1, ?, 500)",
                 kept);
    f_->selectEmployee(kept);
    f_->key(Qt::Key_F9);
    QCOMPARE(shownTexts(), QStringList{"Postoje podaci za izabranog radnika!"});
    QCOMPARE(f_->count("SELECT count(*) FROM radnici"), 4);
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 3"));

    dt::clear();
    f_->selectEmployee(free);
    dt::queueNo();
    f_->key(Qt::Key_Delete);
    QCOMPARE(f_->count("SELECT count(*) FROM radnici"), 4);
    dt::queueYes();
    f_->key(Qt::Key_Delete);
    QCOMPARE(shownTexts().back(),
             QString("Da li ste sigurni da želite da obrišete izabranog radnika iz baze?"));
    QCOMPARE(f_->count("SELECT count(*) FROM radnici"), 3);
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 2"));
    QCOMPARE(f_->model().rowOf(free), -1);
}

void FrmZaposleniTest::filtersChangeTheFooterCount() {
    f_->open();
    auto* units = f_->child<QComboBox>("cmbRJFilter");
    QCOMPARE(units->itemText(0), QString("0 - sve RJ"));
    units->setCurrentIndex(units->findData(QVariant::fromValue<qlonglong>(f_->office)));
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 1"));
    f_->child<QCheckBox>("chkNeaktivni")->setChecked(true);
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 2"));
    units->setCurrentIndex(0);
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 4"));
    f_->child<QComboBox>("cmbTipFilter")->setCurrentIndex(1); // 1 - Pripravnik
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 1"));
    f_->child<QComboBox>("cmbTipFilter")->setCurrentIndex(5);       // every type
    f_->child<QComboBox>("cmbOdredjenoFilter")->setCurrentIndex(2); // fixed term
    QCOMPARE(f_->footer(), QString("Uk.prikazano: 0"));
    QCOMPARE(f_->model().rowCount(), 0);
}

void FrmZaposleniTest::ownersAreBlueAndCtrlPTurnsTheFlag() {
    f_->open();
    const int owner = 2; // Marić
    for (int c = 0; c < f_->model().columnCount(); ++c)
        QCOMPARE(f_->model().index(owner, c).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 255));
    QVERIFY(!f_->model().index(0, 0).data(Qt::ForegroundRole).isValid());

    const std::int64_t id = f_->model().idAt(0);
    f_->selectEmployee(id);
    dt::queueYes();
    f_->key(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(shownTexts(), QStringList{"Da li ste sigurni da zelite da da zaposlenom Šćepanović "
                                       "Ana promenite status u VLASNIK/PREDUZETNIK?"});
    QVERIFY(employees::loadEmployee(f_->db(), id)->vlasnik);
    QVERIFY(f_->model().index(0, 0).data(Qt::ForegroundRole).isValid());
}

void FrmZaposleniTest::ctrlOWritesTheMunicipalityIntoEveryEmployee() {
    f_->open();
    f_->list()->setFocus();
    dt::queueNumber(Currency());
    f_->key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f_->count("SELECT count(*) FROM radnici WHERE sifra_opstine = 16"), 0);
    dt::queueNumber(16_din);
    f_->key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(shownTexts().back(), QString("Unesite sifru opstine"));
    QCOMPARE(f_->count("SELECT count(*) FROM radnici WHERE sifra_opstine = 16"), 4);
}

void FrmZaposleniTest::ctrlTTakesAnEmployeeOverIntoThePanel() {
    {
        auto aux = db::Database::create(f_->context.companyFolder() / "platepom.db");
        aux->execScript("CREATE TABLE radnici (mbr INTEGER, \"prezime i ime\" TEXT, jmbg TEXT, "
                        "lbo TEXT, adresa TEXT, \"radna jedinica\" INTEGER, opis TEXT, "
                        "\"koeficijent ld\" DOUBLE, ss TEXT, sifra_vrste_prihoda TEXT, "
                        "MEsec INTEGER, \"staz pocetak godina\" INTEGER, "
                        "\"PARTIJA - Tekuci racun\" TEXT, rs INTEGER)");
        aux->run("INSERT INTO radnici VALUES (17, 'Đurić Željko', '0101990710123', '', "
                 "'Karađorđeva 5', 2, 'Magacioner', 1.8, 'IV', '101', 0, 2011, '160-9', 1)");
    }
    f_->open();
    f_->list()->setFocus();
    f_->key(Qt::Key_F5);
    dt::queueNumber(5_din);
    f_->key(Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(shownTexts().back(), QString("Nije pronadjen zaposleni sa MBR: 5"));
    dt::queueNumber(17_din);
    f_->key(Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(f_->child<QLineEdit>("txtPrezime")->text(), QString("Đurić"));
    QCOMPARE(f_->child<QLineEdit>("txtIme")->text(), QString("Željko"));
    QCOMPARE(f_->child<QComboBox>("cmbRJ")->currentIndex(), 1);
    QCOMPARE(f_->child<QComboBox>("cmbBanka")->currentIndex(), 0);
    QCOMPARE(f_->count("SELECT count(*) FROM radnici"), 4); // the panel only, until saved
    QTest::mouseClick(f_->child<QPushButton>("cmdSnimi"), Qt::LeftButton);
    const auto saved = employees::loadEmployee(f_->db(), f_->model().idAt(3));
    QCOMPARE(saved->radno_mesto, std::string("Magacioner"));
    QVERIFY(saved->Datum == (Date{2011, 1, 1}));
    QCOMPARE(saved->ID_BAnka, f_->bank);
}

void FrmZaposleniTest::escClosesThePanelThenTheWindow() {
    f_->open();
    f_->list()->setFocus();
    f_->key(Qt::Key_F5);
    f_->type("txtPrezime", "Novak");
    f_->key(Qt::Key_Escape);
    QVERIFY(!f_->panelShown());
    QVERIFY(f_->window->isVisible());
    QCOMPARE(f_->count("SELECT count(*) FROM radnici"), 4);
    f_->key(Qt::Key_Escape);
    QVERIFY(!f_->window->isVisible());
}

void FrmZaposleniTest::unitAndBankInUseAreNotRemoved() {
    employees::frmRJ units(f_->context);
    units.show();
    auto* unitList = units.findChild<QTreeWidget*>("listRJ");
    unitList->setCurrentItem(unitList->topLevelItem(0));
    QTest::keyClick(unitList, Qt::Key_F9);
    QCOMPARE(shownTexts(), QStringList{"Nije moguce izbrisati izabrani radnu jedinicu: " +
                                       QString::number(f_->production) + " - Proizvodnja"});
    QCOMPARE(unitList->topLevelItemCount(), 2);

    dt::clear();
    employees::frmBanke banks(f_->context);
    banks.show();
    auto* bankList = banks.findChild<QTreeWidget*>("listBanke");
    QCOMPARE(bankList->headerItem()->text(1), QString("Tekući račun"));
    QTest::keyClick(bankList, Qt::Key_Delete);
    QCOMPARE(shownTexts(), QStringList{"Ne mozete obrisati izabranu banku!"});
    QTest::keyClick(bankList, Qt::Key_F5);
    QTest::keyClicks(banks.findChild<QLineEdit*>("txtBanka"), "Erste");
    QTest::mouseClick(banks.findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(shownTexts().back(), QString("Niste uneli naziv tekuci racun!"));
    QTest::keyClicks(banks.findChild<QLineEdit*>("txtTekuciRacun"), "340-1");
    QTest::mouseClick(banks.findChild<QPushButton*>("cmdSnimi"), Qt::LeftButton);
    QCOMPARE(bankList->topLevelItemCount(), 2);
    QCOMPARE(bankList->currentItem()->text(0), QString("Erste"));
    dt::queueYes();
    QTest::keyClick(bankList, Qt::Key_F9);
    QCOMPARE(shownTexts().back(), QString("Brisanje je zavrseno!"));
    QCOMPARE(bankList->topLevelItemCount(), 1);
}

void FrmZaposleniTest::searchPutsTheChosenNumberIntoTheBox() {
    QLineEdit txtID_Radnik;
    QTimer::singleShot(0, [] {
        auto* search =
            qobject_cast<employees::frmTraziZaposlenog*>(QApplication::activeModalWidget());
        QVERIFY(search);
        auto* fragment = search->findChild<QLineEdit*>("txtTrazi");
        zarion::testing::typeText(fragment, "ŠĆE");
        QCOMPARE(search->findChild<QTreeWidget*>("listRadnici")->topLevelItemCount(), 1);
        QTest::keyClick(fragment, Qt::Key_Return);
    });
    QVERIFY(employees::chooseEmployeeInto(txtID_Radnik, f_->db()));
    QCOMPARE(txtID_Radnik.text(),
             QString::number(f_->count("SELECT id_radnik FROM radnici WHERE Ime = 'Ana'")));
}

void FrmZaposleniTest::menuCommandsOpenTheWindows() {
    ui::frmGlavni main(f_->context);
    registerEmployeesCommands(main, f_->context);
    const std::pair<const char*, const char*> commands[] = {{"mnuURJ", "frmRJ"},
                                                            {"mnuUBanke", "frmBanke"},
                                                            {"mnuZaposleni", "frmZaposleni"},
                                                            {"mnuPregledIzv", "frmIzvZaposleni"}};
    for (const auto& [command, window] : commands) {
        QVERIFY(main.command(command)->isEnabled());
        main.command(command)->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().back()->widget()->objectName(), QString(window));
    }
    QCOMPARE(main.mdiArea()->subWindowList().size(), 4);
    QTest::keyClick(main.mdiArea()->subWindowList().back()->widget(), Qt::Key_Escape);
    QCOMPARE(main.mdiArea()->subWindowList().size(), 3); // Esc closes the statements
}

void FrmZaposleniTest::deductionsButtonOpensTheEmployeesDeductions() {
    ui::frmGlavni main(f_->context);
    registerEmployeesCommands(main, f_->context);
    main.resize(1400, 900);
    main.show();
    main.command("mnuZaposleni")->trigger();
    auto* register_ =
        qobject_cast<employees::frmZaposleni*>(main.mdiArea()->subWindowList().back()->widget());
    QVERIFY(register_);
    QCOMPARE(register_->size(), QSize(1180, 620)); // as large as it asked, not squeezed
    auto* list = register_->findChild<QTreeView*>("listZ");
    const auto& model = *static_cast<const employees::EmployeeListModel*>(list->model());
    const std::int64_t id = model.idAt(1); // Ilić
    list->setCurrentIndex(model.index(1, 0));
    QTest::keyClick(list, Qt::Key_F6);
    auto* cmdObustave = register_->findChild<QPushButton*>("cmdObustave");
    QVERIFY(cmdObustave->isEnabled());
    QTest::mouseClick(cmdObustave, Qt::LeftButton);

    QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
    QWidget* deductions = main.mdiArea()->subWindowList().back()->widget();
    QCOMPARE(deductions->objectName(), QString("frmObustaveRadnik"));
    QCOMPARE(deductions->findChild<QLineEdit*>("txtID_Radnik")->text(), QString::number(id));
    QCOMPARE(deductions->findChild<QLabel*>("lblRadnik")->text(), QString("Ilić Đorđe"));
}

QTEST_MAIN(FrmZaposleniTest)
#include "FrmZaposleniTest.moc"
