#include "employees/EmployeePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/NumericText.h"
#include "employees/CodeListPickers.h"
#include "employees/EmployeeTexts.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"

namespace zarion::employees {

using ui::operator""_q;
using ui::fromQ;
using ui::toQ;

namespace {

void addEntries(QComboBox* box, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries)
        box->addItem(toQ(entry));
}

QString numberText(double value) {
    return toQ(shortestDecimal(value));
}

// A row of the form holding several boxes side by side.
QWidget* row(QWidget* parent, std::initializer_list<QWidget*> boxes) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* box : boxes)
        layout->addWidget(box);
    return holder;
}

} // namespace

EmployeePanel::EmployeePanel(const Clock& clock, QWidget* parent)
    : QGroupBox(parent)
    , clock_(clock) {
    setObjectName("fraRadnik");
    txtID_ = lineEdit("txtID");
    txtID_->setReadOnly(true);
    txtID_->setFocusPolicy(Qt::NoFocus);
    txtPrezime_ = lineEdit("txtPrezime");
    txtIme_ = lineEdit("txtIme");
    txtJMBG_ = lineEdit("txtJMBG");
    txtJMBG_->setMaxLength(13);
    txtLBO_ = lineEdit("txtLBO");
    txtLicnaKarta_ = lineEdit("txtLicnaKarta");
    txtAdresa_ = lineEdit("txtAdresa");
    txtTelefon_ = lineEdit("txtTelefon");
    cmbPol_ = comboBox("cmbPol");
    addEntries(cmbPol_, sexEntries());
    cmbOpstina_ = comboBox("cmbOpstina");
    cmbSSS_ = comboBox("cmbSSS", true);
    addEntries(cmbSSS_, educationLevels());

    cmbRJ_ = comboBox("cmbRJ");
    cmbRadnoMesto_ = comboBox("cmbRadnoMesto", true);
    txtKoeficijent_ = lineEdit("txtKoeficijent");
    txtFunkcijskiDodatak_ = lineEdit("txtFunkcijskiDodatak");
    txtOtezaniUslovi_ = lineEdit("txtOtezaniUslovi");
    cmbPlatniRazred_ = comboBox("cmbPlatniRazred");
    for (int grade = 0; grade <= 10; ++grade)
        cmbPlatniRazred_->addItem(QString::number(grade));
    txtNeto_ = lineEdit("txtNeto");
    cmbTipObracuna_ = comboBox("cmbTipObracuna");
    addEntries(cmbTipObracuna_, calcTypeEntries());
    cmbVrsta_ = comboBox("cmbVrsta", true);
    addEntries(cmbVrsta_, insuredKindEntries());
    txtSifraVrstePrihoda_ = lineEdit("txtSifraVrstePrihoda");
    // The job column holds the long entries: occupations, calculation types, insured kinds.
    for (QComboBox* box : {cmbRadnoMesto_, cmbTipObracuna_, cmbVrsta_})
        box->setMinimumContentsLength(30);

    dtpDatum_ = dateEdit("dtpDatum");
    txtPG_ = lineEdit("txtPG");
    txtPM_ = lineEdit("txtPM");
    txtPD_ = lineEdit("txtPD");
    for (QLineEdit* box : {txtPG_, txtPM_, txtPD_})
        box->setMaximumWidth(48);
    cmbStatus_ = comboBox("cmbStatus");
    addEntries(cmbStatus_, statusEntries());
    dtpDatumOdjave_ = dateEdit("dtpDatumOdjave");
    cmbOdredjeno_ = comboBox("cmbOdredjeno");
    addEntries(cmbOdredjeno_, termEntries());
    dtpDatumOdredjeno_ = dateEdit("dtpDatumOdredjeno");
    txtBrojUgovora_ = lineEdit("txtBrojUgovora");
    txtAneks_ = lineEdit("txtAneks");
    cmbBanka_ = comboBox("cmbBanka");
    txtTekuciRacun_ = lineEdit("txtTekuciRacun");
    chkIsplataPrekoRacuna_ = new QCheckBox("Isplata preko ra~una"_q, this);
    chkIsplataPrekoRacuna_->setObjectName("chkIsplataPrekoRacuna");

    cmdSnimi = new QPushButton("Snimi"_q, this);
    cmdSnimi->setObjectName("cmdSnimi");
    cmdObustave = new QPushButton("Obustave"_q, this);
    cmdObustave->setObjectName("cmdObustave");

    auto* personal = new QFormLayout;
    personal->addRow("ID:", txtID_);
    personal->addRow("Prezime:", txtPrezime_);
    personal->addRow("Ime:", txtIme_);
    personal->addRow("JMBG:", txtJMBG_);
    personal->addRow("LBO:", txtLBO_);
    personal->addRow("Li~na karta:"_q, txtLicnaKarta_);
    personal->addRow("Adresa:", txtAdresa_);
    personal->addRow("Telefon:", txtTelefon_);
    personal->addRow("Pol:", cmbPol_);
    personal->addRow("Op{tina:"_q, cmbOpstina_);
    personal->addRow("Stru~na sprema:"_q, cmbSSS_);

    auto* job = new QFormLayout;
    job->addRow("Radna jedinica:", cmbRJ_);
    job->addRow("Radno mesto:", cmbRadnoMesto_);
    job->addRow("Koeficijent:", txtKoeficijent_);
    job->addRow("Funkcijski dodatak:", txtFunkcijskiDodatak_);
    job->addRow("Ote`ani uslovi:"_q, txtOtezaniUslovi_);
    job->addRow("Platni razred:", cmbPlatniRazred_);
    job->addRow("NETO:", txtNeto_);
    job->addRow("Tip obra~una:"_q, cmbTipObracuna_);
    job->addRow("Vrsta osiguranika:", cmbVrsta_);
    job->addRow("[ifra vrste prihoda:"_q, txtSifraVrstePrihoda_);

    employment_ = new QFormLayout;
    employment_->addRow("Datum zaposlenja:", dtpDatum_);
    employment_->addRow("Sta` (god/mes/dan):"_q, row(this, {txtPG_, txtPM_, txtPD_}));
    employment_->addRow("Status:", cmbStatus_);
    employment_->addRow("Datum odjave:", dtpDatumOdjave_);
    employment_->addRow("Radni odnos:", cmbOdredjeno_);
    employment_->addRow("Odre|eno do:"_q, dtpDatumOdredjeno_);
    employment_->addRow("Broj ugovora:", txtBrojUgovora_);
    employment_->addRow("Aneks:", txtAneks_);
    employment_->addRow("Banka:", cmbBanka_);
    employment_->addRow("Teku}i ra~un:"_q, txtTekuciRacun_);
    employment_->addRow(QString(), chkIsplataPrekoRacuna_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel("Esc - Zatvori   CTRL + T - pretra`ivanje"_q, this));
    buttons->addStretch();
    buttons->addWidget(cmdObustave);
    buttons->addWidget(cmdSnimi);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(18);
    grid->addLayout(personal, 0, 0);
    grid->addLayout(job, 0, 1);
    grid->addLayout(employment_, 0, 2);
    grid->addLayout(buttons, 1, 0, 1, 3);
    grid->setRowStretch(2, 1);

    connect(cmbStatus_, &QComboBox::currentIndexChanged, this, [this] { statusChanged(); });
    connect(cmbOdredjeno_, &QComboBox::currentIndexChanged, this, [this] { termChanged(); });
    ui::SelectAllOnFocus::installAll(this);
}

QLineEdit* EmployeePanel::lineEdit(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    return box;
}

QComboBox* EmployeePanel::comboBox(const char* name, bool editable) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    return box;
}

QDateEdit* EmployeePanel::dateEdit(const char* name) {
    auto* box = new QDateEdit(this);
    box->setObjectName(name);
    box->setDisplayFormat("dd.MM.yyyy");
    box->setCalendarPopup(true);
    return box;
}

void EmployeePanel::loadPickers(db::Database& db) {
    fillUnitPicker(*cmbRJ_, db, AllUnits::None);
    fillBankPicker(*cmbBanka_, db);
    fillMunicipalityPicker(*cmbOpstina_, db);
    fillOccupationPicker(*cmbRadnoMesto_, db);
}

// The leaving date and the end of the fixed term show only when they are written.
void EmployeePanel::statusChanged() {
    employment_->setRowVisible(dtpDatumOdjave_, cmbStatus_->currentIndex() == 1);
}

void EmployeePanel::termChanged() {
    employment_->setRowVisible(dtpDatumOdredjeno_, cmbOdredjeno_->currentIndex() == 1);
}

void EmployeePanel::startNew() {
    setTitle("Novi radnik"_q);
    for (QLineEdit* box : {txtID_, txtPrezime_, txtIme_, txtJMBG_, txtLBO_, txtLicnaKarta_,
                           txtAdresa_, txtTelefon_, txtKoeficijent_, txtFunkcijskiDodatak_,
                           txtOtezaniUslovi_, txtNeto_, txtSifraVrstePrihoda_, txtPG_, txtPM_,
                           txtPD_, txtBrojUgovora_, txtAneks_, txtTekuciRacun_})
        box->clear();
    const QDate today = toQDate(clock_.today());
    for (QComboBox* box : {cmbPol_, cmbOpstina_, cmbRJ_, cmbBanka_, cmbSSS_})
        box->setCurrentIndex(-1);
    cmbRadnoMesto_->setCurrentIndex(-1);
    cmbRadnoMesto_->setEditText(QString());
    cmbPlatniRazred_->setCurrentIndex(0);
    cmbTipObracuna_->setCurrentIndex(0);
    cmbVrsta_->setCurrentIndex(0); // "01"
    dtpDatum_->setDate(today);
    dtpDatumOdjave_->setDate(today);
    cmbStatus_->setCurrentIndex(0);
    dtpDatumOdredjeno_->setDate(today);
    cmbOdredjeno_->setCurrentIndex(0);
    statusChanged();
    termChanged();
    chkIsplataPrekoRacuna_->setChecked(true);
}

void EmployeePanel::showEmployee(const Employee& e) {
    setTitle(toQ(e.Prezime + " " + e.Ime));
    const QDate today = toQDate(clock_.today());
    txtID_->setText(QString::number(e.id_radnik));
    txtPrezime_->setText(toQ(e.Prezime));
    txtIme_->setText(toQ(e.Ime));
    txtJMBG_->setText(toQ(e.JMBG));
    txtLBO_->setText(toQ(e.lbo));
    txtLicnaKarta_->setText(toQ(e.licna_karta));
    txtAdresa_->setText(toQ(e.ADRESA));
    txtTelefon_->setText(toQ(e.telefon));
    cmbPol_->setCurrentIndex(e.pol == 1 || e.pol == 2 ? e.pol - 1 : -1);
    pickNumber(*cmbOpstina_, e.sifra_opstine);
    cmbSSS_->setCurrentIndex(cmbSSS_->findText(toQ(e.sss)));
    cmbSSS_->setEditText(toQ(e.sss));
    pickNumber(*cmbRJ_, e.id_rj);
    cmbRadnoMesto_->setCurrentIndex(cmbRadnoMesto_->findText(toQ(e.radno_mesto)));
    cmbRadnoMesto_->setEditText(toQ(e.radno_mesto));
    txtKoeficijent_->setText(numberText(e.KOEFICIJENT));
    txtFunkcijskiDodatak_->setText(numberText(e.funkcijski_dodatak));
    txtOtezaniUslovi_->setText(numberText(e.otezani_uslovi));
    cmbPlatniRazred_->setCurrentIndex(std::clamp(e.platni_razred, 0, 10));
    txtNeto_->setText(numberText(e.NETO));
    cmbTipObracuna_->setCurrentIndex(e.tip_obracuna >= 0 && e.tip_obracuna <= 4 ? e.tip_obracuna
                                                                                : -1);
    const std::string kind = insuredKindEntry(e.vrsta);
    cmbVrsta_->setCurrentIndex(cmbVrsta_->findText(toQ(kind)));
    cmbVrsta_->setEditText(toQ(kind.empty() ? e.vrsta : kind));
    txtSifraVrstePrihoda_->setText(toQ(e.sifra_vrste_prihoda));
    dtpDatum_->setDate(e.Datum.year > 0 ? toQDate(e.Datum) : today);
    txtPG_->setText(QString::number(e.pg));
    txtPM_->setText(QString::number(e.Pm));
    txtPD_->setText(QString::number(e.Pd));
    dtpDatumOdjave_->setDate(e.nije_u_ro && e.datum_odjave.year > 0 ? toQDate(e.datum_odjave)
                                                                    : today);
    cmbStatus_->setCurrentIndex(e.nije_u_ro ? 1 : 0);
    dtpDatumOdredjeno_->setDate(e.datum_na_odredjeno ? toQDate(*e.datum_na_odredjeno) : today);
    cmbOdredjeno_->setCurrentIndex(e.na_odredjeno ? 1 : 0);
    statusChanged();
    termChanged();
    txtBrojUgovora_->setText(toQ(e.broj_ugovora));
    txtAneks_->setText(toQ(e.aneks));
    pickNumber(*cmbBanka_, e.ID_BAnka);
    txtTekuciRacun_->setText(toQ(e.tekuci_Racun));
    chkIsplataPrekoRacuna_->setChecked(e.isplata_preko_racuna);
}

void EmployeePanel::takeImported(const ImportedEmployee& e) {
    txtPrezime_->setText(toQ(e.prezime));
    txtIme_->setText(toQ(e.ime));
    txtJMBG_->setText(toQ(e.jmbg));
    txtLBO_->setText(toQ(e.lbo));
    txtAdresa_->setText(toQ(e.adresa));
    cmbRJ_->setCurrentIndex(e.unitPosition < cmbRJ_->count() ? e.unitPosition : -1);
    cmbRadnoMesto_->setEditText(toQ(e.radnoMesto));
    txtKoeficijent_->setText(numberText(e.koeficijent));
    cmbSSS_->setEditText(toQ(e.sss));
    txtSifraVrstePrihoda_->setText(toQ(e.sifraVrstePrihoda));
    for (QLineEdit* box : {txtPG_, txtPM_, txtPD_})
        box->clear();
    if (e.datum.year > 0)
        dtpDatum_->setDate(toQDate(e.datum));
    txtTekuciRacun_->setText(toQ(e.tekuciRacun));
    cmbBanka_->setCurrentIndex(e.bankPosition < cmbBanka_->count() ? e.bankPosition : -1);
}

EmployeeForm EmployeePanel::form() const {
    EmployeeForm f;
    f.prezime = fromQ(txtPrezime_->text());
    f.ime = fromQ(txtIme_->text());
    f.jmbg = fromQ(txtJMBG_->text());
    f.lbo = fromQ(txtLBO_->text());
    f.licnaKarta = fromQ(txtLicnaKarta_->text());
    f.adresa = fromQ(txtAdresa_->text());
    f.telefon = fromQ(txtTelefon_->text());
    f.radnoMesto = fromQ(cmbRadnoMesto_->currentText());
    f.koeficijent = fromQ(txtKoeficijent_->text());
    f.funkcijskiDodatak = fromQ(txtFunkcijskiDodatak_->text());
    f.otezaniUslovi = fromQ(txtOtezaniUslovi_->text());
    f.pg = fromQ(txtPG_->text());
    f.pm = fromQ(txtPM_->text());
    f.pd = fromQ(txtPD_->text());
    f.datum = fromQDate(dtpDatum_->date());
    f.tekuciRacun = fromQ(txtTekuciRacun_->text());
    f.isplataPrekoRacuna = chkIsplataPrekoRacuna_->isChecked();
    f.status = cmbStatus_->currentIndex() == 1 ? 2 : 1;
    f.leavingDate = fromQDate(dtpDatumOdjave_->date());
    f.unit = pickedNumber(*cmbRJ_);
    f.sss = fromQ(cmbSSS_->currentText());
    f.bank = pickedNumber(*cmbBanka_);
    f.calcType = std::max(0, cmbTipObracuna_->currentIndex());
    f.sex = cmbPol_->currentIndex() + 1; // 0 when none is chosen
    f.municipality = pickedNumber(*cmbOpstina_);
    f.vrsta = fromQ(cmbVrsta_->currentText());
    f.sifraVrstePrihoda = fromQ(txtSifraVrstePrihoda_->text());
    f.platniRazred = std::max(0, cmbPlatniRazred_->currentIndex());
    f.neto = fromQ(txtNeto_->text());
    f.term = cmbOdredjeno_->currentIndex() == 1 ? 1 : 0;
    f.termEnd = fromQDate(dtpDatumOdredjeno_->date());
    f.brojUgovora = fromQ(txtBrojUgovora_->text());
    f.aneks = fromQ(txtAneks_->text());
    return f;
}

void EmployeePanel::focusField(MissingField::Field field) {
    (field == MissingField::Field::Prezime ? txtPrezime_ : txtIme_)->setFocus();
}

} // namespace zarion::employees
