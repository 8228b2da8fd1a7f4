#include "payroll/frmObracunJed.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"
#include "employees/EmployeeRecord.h"
#include "parameters/CalculationType.h"
#include "parameters/frmTipObracuna.h"
#include "payroll/IndividualEmployees.h"
#include "payroll/IndividualForm.h"
#include "payroll/IndividualHelpers.h"
#include "payroll/IndividualPosting.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::payroll {

using namespace ui;

namespace {

QString amountText(Currency amount) {
    return toQ(format(amount, NumberFormat::Grouped2));
}

QString plainText(Currency amount) {
    return toQ(format(amount, NumberFormat::Plain2));
}

QString rateText(double rate) {
    return toQ(shortestDecimal(rate));
}

Currency moneyOf(const QLineEdit* box) {
    return Currency::parse(fromQ(box->text().remove(',')));
}

double hoursOf(const QLineEdit* box) {
    return numericValue(fromQ(box->text()));
}

} // namespace

frmObracunJed::frmObracunJed(AppContext& context, QWidget* parent)
    : frmObracunJed(context, context.CalcYear, context.CalcMonth, parent) {}

frmObracunJed::frmObracunJed(AppContext& context, int year, int month, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , year_(year)
    , month_(month)
    , c_(std::make_unique<IndividualForm>()) {
    setObjectName("frmObracunJed");
    setWindowTitle("Obra~un zarade"_q);
    buildIndividualForm(this, *c_);
    resize(1260, 780);
    connectCommands();
    SelectAllOnFocus::installAll(this);

    c_->lblMesec->setText(QString::number(month_));
    c_->lblGodina->setText(QString::number(year_));
    c_->lblVrsta->setText("1 - KONA^NI OBRA^UN"_q);
    ui::guarded(this, "Form_Load", [&] {
        auto loaded = loadIndividualMonth(*context_.PayrollDb, year_, month_);
        if (!loaded) {
            message(this, toQ(loaded.message()), Icon::Critical);
            return;
        }
        monthData_ = *loaded;
        const auto previous = context_.payrollPath(year_ - 1);
        if (std::filesystem::exists(previous))
            previousYear_ = db::Database::open(previous);
        UcitajRadnike();
    });
    for (QPushButton* command : {c_->cmdObracun, c_->cmdIzNEto, c_->cmdKnkjizi, c_->cmdSviODjednom})
        command->setEnabled(monthData_.has_value());
    c_->cmdAkontPLus->setEnabled(static_cast<bool>(individualHelpers().pickAdvances));
    showRates();
    showKind(0);
    c_->lblM4->setText(toQ(m4DaysText(std::nullopt)));
}

frmObracunJed::~frmObracunJed() = default;

void frmObracunJed::connectCommands() {
    IndividualForm& c = *c_;
    connect(c.txtID_Radnik, &QLineEdit::returnPressed, this, &frmObracunJed::UcitajRadnika);
    connect(c.listZ, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        c_->txtID_Radnik->setText(item->text(1));
        UcitajRadnika();
    });
    connect(c.cmdObracun, &QPushButton::clicked, this, &frmObracunJed::cmdObracun_Click);
    connect(c.cmdIzNEto, &QPushButton::clicked, this, &frmObracunJed::cmdIzNEto_Click);
    connect(c.cmdNetoMetod, &QPushButton::clicked, this, &frmObracunJed::cmdNetoMetod_Click);
    connect(c.cmdKnkjizi, &QPushButton::clicked, this, &frmObracunJed::cmdKnkjizi_Click);
    connect(c.cmdSviODjednom, &QPushButton::clicked, this, &frmObracunJed::cmdSviODjednom_Click);
    connect(c.cmdAkonMinus, &QPushButton::clicked, this, &frmObracunJed::cmdAkonMinus_Click);
    connect(c.cmdAkontPLus, &QPushButton::clicked, this, &frmObracunJed::cmdAkontPLus_Click);
    connect(c.cmdTip, &QPushButton::clicked, this, &frmObracunJed::chooseKind);
    connect(c.txtNaRuke, &QLineEdit::editingFinished, this, &frmObracunJed::txtNaRuke_LostFocus);
    const auto tickAll = [this](bool on) {
        for (int i = 0; i < c_->listZ->topLevelItemCount(); ++i)
            c_->listZ->topLevelItem(i)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    };
    connect(c.cmdCheck, &QPushButton::clicked, this, [tickAll] { tickAll(true); });
    connect(c.cmdUnCheck, &QPushButton::clicked, this, [tickAll] { tickAll(false); });

    ContributionRates& r = entry_.rates;
    const auto rate = [this](DoubleClickBox* field, const char* prompt, double& value) {
        field->onDoubleClick = [this, field, prompt, &value] {
            overrideRate(field, prompt, value);
        };
    };
    rate(c.txtPIO, "Unesite vrednost za PIO na teret radnika", r.Doprinosi_PIO);
    rate(c.txtPIO_F, "Unesite vrednost za PIO na teret poslodavca", r.Doprinosi_PIO_F);
    rate(c.txtZO, "Unesite vrednost za ZO na teret radnika", r.Doprinosi_zo);
    rate(c.txtZO_F, "Unesite vrednost za ZO na teret poslodavca", r.Doprinosi_zo_F);
    rate(c.txtNEZ, "Unesite vrednost za NEZ na teret radnika", r.doprinosi_nezaposlenost);
    rate(c.txtNEZ_F, "Unesite vrednost za NEZ na teret poslodavca", r.doprinosi_nezaposlenost_f);
    rate(c.txtPorez, "Unesite vrednost za porez na dohodak", r.porez_zarade);
    c.txtNeoporezivi->onDoubleClick = [this] {
        overrideNonTaxable();
    };
    c.txtProsek->onDoubleClick = [this] {
        overrideAverage();
    };
    c.txtGodisnjiIznos->onDoubleClick = [this] {
        overrideAmount(c_->txtGodisnjiIznos, "Unesite iznos god.odmora!", entry_.annualLeaveAmount);
    };
    c.txtMinuliIznos->onDoubleClick = [this] {
        overrideAmount(c_->txtMinuliIznos, "Unesite iznos gmi.rada!", entry_.seniorityAmount);
    };
    c.txtOsnovnaNeto->onDoubleClick = [this] {
        overrideBasicNet();
    };
    c.lblM4->onDoubleClick = [this] {
        askM4Days();
    };
}

int frmObracunJed::month() const {
    return month_;
}

int frmObracunJed::year() const {
    return year_;
}

std::optional<std::pair<qint64, QString>> frmObracunJed::selectedEmployee() const {
    const QTreeWidgetItem* item = c_->listZ->currentItem();
    if (!item)
        return std::nullopt;
    return std::make_pair(item->data(0, Qt::UserRole).toLongLong(), item->text(0));
}

void frmObracunJed::clearEmployeeNumber() {
    c_->txtID_Radnik->clear();
}

void frmObracunJed::UcitajRadnike() {
    ui::guarded(this, "UcitajRadnike", [&] {
        const qint64 selected = ui::currentNumber(c_->listZ);
        std::vector<qint64> ticked;
        for (int i = 0; i < c_->listZ->topLevelItemCount(); ++i)
            if (c_->listZ->topLevelItem(i)->checkState(0) == Qt::Checked)
                ticked.push_back(c_->listZ->topLevelItem(i)->data(0, Qt::UserRole).toLongLong());
        c_->listZ->clear();
        for (const IndividualListRow& row :
             individualEmployeeList(*context_.PayrollDb, year_, month_)) {
            QTreeWidgetItem* item =
                ui::addRow(c_->listZ, {row.name, std::to_string(row.id)}, row.id);
            const bool tick = std::find(ticked.begin(), ticked.end(), row.id) != ticked.end();
            item->setCheckState(0, tick ? Qt::Checked : Qt::Unchecked);
            if (!row.posted)
                ui::colourRow(item, Qt::red);
        }
        ui::selectNumber(c_->listZ, selected);
        c_->lblPredat->setText(ui::filedNote(context_, CalculationKind::Final, year_, month_));
    });
}

std::vector<db::Database*> frmObracunJed::history() {
    std::vector<db::Database*> databases{context_.PayrollDb.get()};
    if (previousYear_)
        databases.push_back(previousYear_.get());
    return databases;
}

void frmObracunJed::UcitajRadnika() {
    if (!monthData_)
        return;
    ui::guarded(this, "UcitajRadnika", [&] {
        const qint64 id = wholeValue(fromQ(c_->txtID_Radnik->text()));
        const auto employee = employees::loadEmployee(*context_.PayrollDb, id);
        if (!employee) {
            message(this, "Greska kod pronalazenja radnika u bazi!"_q, Icon::Critical);
            return;
        }
        employeeId_ = id;
        {
            const QSignalBlocker block(c_->listZ);
            ui::selectNumber(c_->listZ, id);
        }
        intoAccount_ = employee->isplata_preko_racuna;
        owner_ = employee->vlasnik;
        account_ = employee->tekuci_Racun;
        IndividualForm& c = *c_;
        c.lblPrezime->setText(toQ(employee->Prezime));
        c.lblIme->setText(toQ(employee->Ime));
        c.lblJMBG->setText(toQ(employee->JMBG));
        c.lblRadnoMesto->setText(toQ(employee->radno_mesto));
        c.lblKoeficijent->setText(rateText(employee->KOEFICIJENT));
        c.lblStaz->setText(
            QString("%1 g. %2 m. %3 d.").arg(employee->pg).arg(employee->Pm).arg(employee->Pd));
        c.lblDatum->setText(toQ(toDisplayText(employee->Datum)));
        c.lblTekuciRacun->setText(toQ(employee->tekuci_Racun));
        c.chkIsplataPrekoRacuna->setChecked(employee->isplata_preko_racuna);
        c.chkVlasnik->setChecked(employee->vlasnik);

        entry_ = proposeEntry(history(), *employee, *monthData_);
        clearCalculation();
        advances_.clear();
        m4Days_.reset();
        const auto posted =
            loadPostedIndividual(*context_.PayrollDb, id, monthData_->year, monthData_->month);
        if (posted) {
            entry_ = entryFromPosted(entry_, posted->result, posted->osnovna_neto,
                                     monthData_->fund.hours);
            figures_ = IndividualFigures{posted->result, entry_.basicGross, posted->osnovna_neto};
            deductions_ =
                employees::postedDeductions(*context_.PayrollDb, posted->Id_obracun, false);
            advances_ = linkedAdvances(*context_.PayrollDb, posted->Id_obracun);
            m4Days_ = posted->m4dani;
        }
        showEntry();
        if (figures_)
            showFigures(*figures_);
        showDeductions();
        showAdvances();
        showPayout();
        if (posted && intoAccount_)
            c.txtNaRuke->setText(plainText(posted->na_ruke));
    });
}

bool frmObracunJed::showPosted(qint64 employeeId) {
    if (!monthData_ || !loadPostedIndividual(*context_.PayrollDb, employeeId, monthData_->year,
                                             monthData_->month)) {
        message(this, toQ(calculationNotFound()), Icon::Critical);
        return false;
    }
    c_->txtID_Radnik->setText(QString::number(employeeId));
    UcitajRadnika();
    return true;
}

void frmObracunJed::showKind(int kind) {
    const auto captions =
        parameters::calculationTypeCaptions(kind).value_or(*parameters::calculationTypeCaptions(0));
    c_->lblTip->setText(toQ(captions.heading));
    c_->lblTipBroj->setText(toQ(captions.kind));
}

void frmObracunJed::chooseKind() {
    parameters::frmTipObracuna chooser(c_->lblTip, c_->lblTipBroj, this, entry_.input.tip_obracuna);
    if (chooser.exec() == QDialog::Accepted)
        entry_.input.tip_obracuna = chooser.chosenType();
    showKind(entry_.input.tip_obracuna);
}

void frmObracunJed::showRates() {
    const ContributionRates& r = entry_.rates;
    IndividualForm& c = *c_;
    c.txtPIO->setText(rateText(r.Doprinosi_PIO));
    c.txtPIO_F->setText(rateText(r.Doprinosi_PIO_F));
    c.txtZO->setText(rateText(r.Doprinosi_zo));
    c.txtZO_F->setText(rateText(r.Doprinosi_zo_F));
    c.txtNEZ->setText(rateText(r.doprinosi_nezaposlenost));
    c.txtNEZ_F->setText(rateText(r.doprinosi_nezaposlenost_f));
    c.txtPorez->setText(rateText(r.porez_zarade));
    c.txtNeoporezivi->setText(amountText(entry_.nonTaxable));
    c.txtProsek->setText(plainText(entry_.input.prosek_3_meseca));
    c.lblM4->setText(toQ(m4DaysText(m4Days_)));
    if (!monthData_)
        return;
    const std::string* names[] = {&monthData_->parameters.Naziv_doprinosi_ro,
                                  &monthData_->parameters.Naziv_doprinosi_ro2,
                                  &monthData_->parameters.Naziv_doprinosi_ro3};
    for (int i = 0; i < 3; ++i) {
        c.lblRO[i]->setText(toQ(*names[i]) + ":");
        c.lblRO[i]->setVisible(!names[i]->empty());
        c.txtRO[i]->setVisible(!names[i]->empty());
    }
}

void frmObracunJed::showEntry() {
    const SalaryInput& in = entry_.input;
    IndividualForm& c = *c_;
    showKind(in.tip_obracuna);
    showRates();
    const std::pair<QLineEdit*, double> hours[] = {
        {c.txtBrojSati, in.broj_sati},          {c.txtProduzeni, in.produzeni_rad_s},
        {c.txtNocni, in.nocni_rad_s},           {c.txtPraznik, in.rad_na_praznik_s},
        {c.txtNedelja, in.rad_nedeljom_s},      {c.txtBolovanje65, in.bolovnje65_s},
        {c.txtBolovanje100, in.bolovanje100_s}, {c.txtGodisnji, in.godisnji_s}};
    for (const auto& [field, value] : hours)
        field->setText(rateText(value));
    c.txtTopliObrok->setText(plainText(in.topli_obrok));
    c.txtRegres->setText(plainText(in.regres));
    c.txtFiksna->setText(plainText(in.fiksna_plata));
    c.txtStimulacije->setText(plainText(in.stimulacije));
    c.txtOsnovnaBruto->setText(plainText(entry_.basicGross));
}

void frmObracunJed::readEntry() {
    SalaryInput& in = entry_.input;
    const IndividualForm& c = *c_;
    in.broj_sati = hoursOf(c.txtBrojSati);
    in.produzeni_rad_s = hoursOf(c.txtProduzeni);
    in.nocni_rad_s = hoursOf(c.txtNocni);
    in.rad_na_praznik_s = hoursOf(c.txtPraznik);
    in.rad_nedeljom_s = hoursOf(c.txtNedelja);
    in.bolovnje65_s = hoursOf(c.txtBolovanje65);
    in.bolovanje100_s = hoursOf(c.txtBolovanje100);
    in.godisnji_s = hoursOf(c.txtGodisnji);
    in.topli_obrok = moneyOf(c.txtTopliObrok);
    in.regres = moneyOf(c.txtRegres);
    in.fiksna_plata = moneyOf(c.txtFiksna);
    in.stimulacije = moneyOf(c.txtStimulacije);
    entry_.basicGross = moneyOf(c.txtOsnovnaBruto);
}

void frmObracunJed::overrideRate(QLineEdit* field, const char* prompt, double& rate) {
    if (const auto value = askNumber(this, toQ(yuscii(prompt)))) {
        rate = value->toDouble();
        field->setText(rateText(rate));
    }
}

void frmObracunJed::overrideAmount(QLineEdit* field, const char* prompt,
                                   std::optional<Currency>& amount) {
    if (const auto value = askNumber(this, toQ(yuscii(prompt)))) {
        amount = *value;
        field->setText(plainText(*value));
    }
}

void frmObracunJed::overrideNonTaxable() {
    if (const auto value = askNumber(this, "Unesite vrednost za neoporezivi deo"_q)) {
        entry_.nonTaxable = *value;
        c_->txtNeoporezivi->setText(amountText(*value));
    }
}

void frmObracunJed::overrideAverage() {
    if (const auto value = askNumber(this, "Unesite vrednost za prose~nu bruto zaradu po satu"_q)) {
        entry_.input.prosek_3_meseca = *value;
        c_->txtProsek->setText(plainText(*value));
    }
}

void frmObracunJed::overrideBasicNet() {
    const auto net = askNumber(this, "Unesite iznos osnovne NETO zarade"_q);
    if (!net)
        return;
    const auto gross = quickGrossForNet(*net, entry_.nonTaxable, entry_.rates);
    if (!gross) {
        message(this, toQ(gross.message()), Icon::Critical);
        return;
    }
    c_->txtOsnovnaNeto->setText(plainText(*net));
    c_->txtOsnovnaBruto->setText(plainText(*gross));
}

void frmObracunJed::askM4Days() {
    const auto typed = askNumber(this, "Unesite ukupan broj dana u radnom odnosu (za M4)"_q);
    if (!typed)
        return;
    m4Days_ = m4DaysOf(*typed, year_, month_);
    if (!m4Days_)
        message(this, toQ(wrongM4Days()), Icon::Exclamation);
    c_->lblM4->setText(toQ(m4DaysText(m4Days_)));
}

void frmObracunJed::clearCalculation() {
    figures_.reset();
    deductions_.clear();
    for (QLineEdit* field : std::initializer_list<QLineEdit*>{
             c_->txtBruto, c_->txtPorezIznos, c_->txtPIOIznos, c_->txtZOIznos, c_->txtNEZIznos,
             c_->txtUkupnoDoprinosa, c_->txtNeto, c_->txtPIO_FIznos, c_->txtZO_FIznos,
             c_->txtNEZ_FIznos, c_->txtUkupnoDoprinosaF, c_->txtUkupnaObaveza, c_->txtZaIsplatu,
             c_->txtNaRuke, c_->txtOsnovnaNeto})
        field->clear();
}

void frmObracunJed::showFigures(const IndividualFigures& figures) {
    const SalaryResult& r = figures.result;
    IndividualForm& c = *c_;
    const std::pair<QLineEdit*, Currency> amounts[] = {
        {c.txtOsnovnaIznos, r.osnovna_bruto},
        {c.txtProduzeniIznos, r.produzeni_rad_i},
        {c.txtNocniIznos, r.nocni_rad_i},
        {c.txtPraznikIznos, r.rad_na_praznik_i},
        {c.txtNedeljaIznos, r.rad_nedeljom_i},
        {c.txtBolovanje65Iznos, r.bolovnje65_i},
        {c.txtBolovanje100Iznos, r.bolovanje100_i},
        {c.txtGodisnjiIznos, r.godisnji_i},
        {c.txtMinuliIznos, r.minuli_rad},
        {c.txtBruto, r.BRUTO},
        {c.txtPorezIznos, r.porez_na_zaradu},
        {c.txtPIOIznos, r.Doprinosi_PIO},
        {c.txtZOIznos, r.Doprinosi_zo},
        {c.txtNEZIznos, r.doprinosi_nezaposlenost},
        {c.txtUkupnoDoprinosa, r.ukupno_doprinosa},
        {c.txtNeto, r.NETO},
        {c.txtPIO_FIznos, r.Doprinosi_PIO_F},
        {c.txtZO_FIznos, r.Doprinosi_zo_F},
        {c.txtNEZ_FIznos, r.doprinosi_nezaposlenost_f},
        {c.txtRO[0], r.doprinosi_ro_f},
        {c.txtRO[1], r.doprinosi_ro_f2},
        {c.txtRO[2], r.doprinosi_ro_f3},
        {c.txtUkupnoDoprinosaF, r.ukupno_doprinosa_F},
        {c.txtUkupnaObaveza, r.ukupno_obaveza}};
    for (const auto& [field, amount] : amounts)
        field->setText(plainText(amount));
    if (!figures.basicGross.isZero()) {
        c.txtOsnovnaBruto->setText(plainText(figures.basicGross));
        c.txtOsnovnaNeto->setText(plainText(figures.basicNet));
    }
}

employees::VariableAmountAsker frmObracunJed::variableAmountAsker() {
    return [this](const employees::VariableDeductionQuestion& q) {
        return askNumber(this, toQ(q.prompt));
    };
}

void frmObracunJed::priceDeductions() {
    employees::MonthDeductions priced =
        employees::priceMonthDeductions(*context_.PayrollDb,
                                        {employeeId_, monthData_->year, monthData_->month,
                                         employees::DeductionPart::Single, figures_->result.NETO},
                                        variableAmountAsker());
    for (const std::string& error : priced.errors)
        message(this, toQ(error), Icon::Critical);
    if (priced.missingRate) {
        message(this, toQ(*priced.missingRate), Icon::Critical);
        clearCalculation();
        showDeductions();
        return;
    }
    deductions_ = std::move(priced.rows);
    showDeductions();
    showPayout();
    // Paid into the account, the cash in hand is the part the operator keeps out of it (none
    // unless typed); paid in cash, it is the whole amount to pay.
    const Currency toPay = figures_->result.NETO - employees::deductionsTotal(deductions_);
    const Currency typed = moneyOf(c_->txtNaRuke);
    c_->txtNaRuke->setText(plainText(intoAccount_ ? (typed > toPay ? toPay : typed) : toPay));
}

void frmObracunJed::showDeductions() {
    c_->listObustave->clear();
    for (const employees::DeductionRow& row : deductions_)
        ui::addRow(c_->listObustave, {row.kreditor, format(row.Iznos, NumberFormat::Grouped2)},
                   row.id_obustava);
    c_->lblObustaveUkupno->setText(amountText(employees::deductionsTotal(deductions_)));
}

void frmObracunJed::showAdvances() {
    c_->listAkontacije->clear();
    for (const AdvanceLine& line : advances_)
        ui::addRow(c_->listAkontacije,
                   {toDisplayText(line.Datum), format(line.NETO, NumberFormat::Grouped2),
                    std::to_string(line.id_ooz)},
                   line.id_ooz);
    c_->lblAkontacijeUkupno->setText(amountText(advancesTotal(advances_)));
}

void frmObracunJed::showPayout() {
    if (!figures_)
        return;
    c_->txtZaIsplatu->setText(
        plainText(figures_->result.NETO - employees::deductionsTotal(deductions_)));
}

void frmObracunJed::calculateOwner() {
    const auto owner = individualHelpers().calculateOwner(this, monthData_->fund.hours);
    if (!owner)
        return;
    SalaryResult base = figures_ ? figures_->result : SalaryResult{};
    base.tip_obracuna = entry_.input.tip_obracuna;
    base.KOEFICIJENT = entry_.input.KOEFICIJENT;
    base.broj_sati = entry_.input.broj_sati;
    base.cena_Rada = entry_.input.cena_Rada;
    figures_ = IndividualFigures{withOwnerFigures(base, *owner), {}, {}};
    showFigures(*figures_);
    priceDeductions();
}

void frmObracunJed::cmdObracun_Click() {
    if (!monthData_ || employeeId_ == 0)
        return;
    if (owner_ && individualHelpers().calculateOwner) {
        ui::guarded(this, "cmdObracun_Click", [&] {
            readEntry();
            calculateOwner();
        });
        return;
    }
    ui::guarded(this, "cmdObracun_Click", [&] {
        readEntry();
        const auto calculated = calculateFromGross(entry_, *monthData_);
        if (!calculated) {
            message(this, toQ(calculated.message()), Icon::Critical);
            return;
        }
        figures_ = calculated->figures;
        showFigures(*figures_);
        if (calculated->belowMinimum && ask(this, toQ(belowMinimumNetQuestion()))) {
            c_->txtNeto->setText(plainText(calculated->belowMinimum->minimum));
            cmdIzNEto_Click();
            return;
        }
        priceDeductions();
    });
}

void frmObracunJed::cmdIzNEto_Click() {
    if (!monthData_ || employeeId_ == 0)
        return;
    if (owner_ && individualHelpers().calculateOwner) {
        cmdObracun_Click();
        return;
    }
    ui::guarded(this, "cmdIzNEto_Click", [&] {
        readEntry();
        const auto calculated = calculateFromNet(entry_, moneyOf(c_->txtNeto), *monthData_);
        if (!calculated) {
            message(this, toQ(calculated.message()), Icon::Critical);
            return;
        }
        figures_ = *calculated;
        showFigures(*figures_);
        priceDeductions();
    });
}

void frmObracunJed::cmdNetoMetod_Click() {
    showPayout();
}

void frmObracunJed::txtNaRuke_LostFocus() {
    if (!figures_)
        return;
    const Currency toPay = figures_->result.NETO - employees::deductionsTotal(deductions_);
    const auto checked = checkCashInHand(moneyOf(c_->txtNaRuke), toPay);
    if (!checked) {
        message(this, toQ(checked.message()), Icon::Exclamation);
        c_->txtNaRuke->setText(plainText(toPay));
    }
}

void frmObracunJed::cmdAkonMinus_Click() {
    const qint64 id = ui::currentNumber(c_->listAkontacije);
    if (id == 0)
        return;
    if (!ask(this, "Da li ste sigurni da `elite da uklonite izabranu akontaciju sa obra~una?"_q))
        return;
    std::erase_if(advances_, [id](const AdvanceLine& line) { return line.id_ooz == id; });
    showAdvances();
}

void frmObracunJed::cmdAkontPLus_Click() {
    if (employeeId_ == 0 || !individualHelpers().pickAdvances)
        return;
    ui::guarded(this, "cmdAkontPLus_Click", [&] {
        for (const AdvanceLine& chosen : individualHelpers().pickAdvances(this, employeeId_))
            if (std::none_of(advances_.begin(), advances_.end(),
                             [&](const AdvanceLine& line) { return line.id_ooz == chosen.id_ooz; }))
                advances_.push_back(chosen);
        showAdvances();
    });
}

IndividualPosting frmObracunJed::shownPosting() const {
    IndividualPosting posting;
    posting.result = figures_->result;
    posting.deductions = deductions_;
    posting.advances = advances_;
    posting.basicNet = moneyOf(c_->txtOsnovnaNeto);
    posting.intoAccount = intoAccount_;
    posting.account = account_;
    posting.cashInHand = moneyOf(c_->txtNaRuke);
    posting.m4Days = m4Days_;
    return posting;
}

void frmObracunJed::cmdKnkjizi_Click() {
    if (!monthData_ || !figures_ || employeeId_ == 0)
        return;
    ui::guarded(this, "cmdKnkjizi_Click", [&] {
        const auto permit = ui::permitChange(this, context_, CalculationKind::Final,
                                             monthData_->year, monthData_->month);
        if (!permit)
            return;
        const auto posted = postIndividual(*context_.PayrollDb, employeeId_, monthData_->year,
                                           monthData_->month, shownPosting());
        if (!posted) {
            message(this, toQ(posted.message()), Icon::Critical);
            return;
        }
        message(this, "Knjizenje je zavrseno!"_q, Icon::Information);
        UcitajRadnike();
    });
}

void frmObracunJed::cmdSviODjednom_Click() {
    if (!monthData_)
        return;
    std::vector<std::int64_t> ticked;
    for (int i = 0; i < c_->listZ->topLevelItemCount(); ++i)
        if (c_->listZ->topLevelItem(i)->checkState(0) == Qt::Checked)
            ticked.push_back(c_->listZ->topLevelItem(i)->data(0, Qt::UserRole).toLongLong());
    if (ticked.empty())
        return;
    ui::guarded(this, "cmdSviODjednom_Click", [&] {
        const auto permit = ui::permitChange(this, context_, CalculationKind::Final,
                                             monthData_->year, monthData_->month);
        if (!permit)
            return;
        IndividualQuestions questions;
        questions.variableAmount = variableAmountAsker();
        questions.calculateOnMinimum = [this](const MinimumNetCheck&) {
            return ask(this, toQ(belowMinimumNetQuestion()));
        };
        questions.repriceStale = [this](const std::string& name) {
            return ask(this, toQ(staleCalculationQuestion(name)));
        };
        // The employee on screen is posted with the figures the window shows.
        std::optional<ShownPosting> shown;
        if (figures_ && employeeId_ != 0)
            shown = ShownPosting{employeeId_, shownPosting()};
        const auto history = this->history();
        const PostAllReport report = postAllTicked(*context_.PayrollDb, history, *monthData_,
                                                   ticked, questions, shown ? &*shown : nullptr);
        if (report.stopped) { // the database failed: nothing was posted
            message(this, toQ(*report.stopped), Icon::Critical);
            return;
        }
        for (const std::string& failure : report.skipped)
            message(this, toQ(failure), Icon::Critical);
        message(this, "Knjizenje je zavrseno!"_q, Icon::Information);
        UcitajRadnike();
    });
}

} // namespace zarion::payroll
