#include "compensation/frmObracunBolovanje.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "compensation/SickLeavePosting.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "parameters/frmParametri_po_mesecima.h"
#include "payroll/Settings.h"
#include "ui/AskWholeNumber.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using ui::operator""_q;
using ui::fromQ;
using ui::toQ;

namespace {

// The calculated amounts the window shows, with their captions.
struct Shown {
    const char* name;
    const char* caption;
    Currency LeaveAmounts::*member;
};

constexpr Shown ShownAmounts[] = {
    {"txtOslobodjenje", "Poresko oslobo|enje:", &LeaveAmounts::Oslobodjenje},
    {"txtPorez", "Porez:", &LeaveAmounts::porez_na_zaradu},
    {"txtPIO", "PIO radnik:", &LeaveAmounts::Doprinosi_PIO},
    {"txtZO", "Zdravstvo radnik:", &LeaveAmounts::Doprinosi_zo},
    {"txtNEZ", "Nezaposlenost radnik:", &LeaveAmounts::doprinosi_nezaposlenost},
    {"txtUkDop", "Ukupno doprinosi radnik:", &LeaveAmounts::ukupno_doprinosa},
    {"txtPIOF", "PIO poslodavac:", &LeaveAmounts::Doprinosi_PIO_F},
    {"txtZOF", "Zdravstvo poslodavac:", &LeaveAmounts::Doprinosi_zo_F},
    {"txtNEZF", "Nezaposlenost poslodavac:", &LeaveAmounts::doprinosi_nezaposlenost_f},
    {"txtUkDopF", "Ukupno doprinosi poslodavac:", &LeaveAmounts::ukupno_doprinosa_F},
    {"txtUkObaveza", "Ukupna obaveza:", &LeaveAmounts::ukupno_obaveza},
    {"txtSolidarni", "Solidarni porez:", &LeaveAmounts::solidarni_porez},
};

QString amountText(Currency value) {
    return toQ(format(value, NumberFormat::Grouped2));
}

Currency amountOf(const QLineEdit* box) {
    return parseAmount(fromQ(box->text())).value_or(Currency());
}

double hoursOf(const QLineEdit* box) {
    return amountOf(box).toDouble();
}

} // namespace

frmObracunBolovanje::frmObracunBolovanje(AppContext& context, LeaveKind kind, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , kind_(kind)
    , cmbMesec(new QComboBox(this))
    , cmbGodina(new QComboBox(this))
    , listZ(ui::makeList(this, "listZ",
                         {"Ime i prezime"_q, "ID"_q, "ID bolovanje"_q, "NETO"_q, "BolovanjeOD"_q,
                          "BolovanjeDO"_q}))
    , txtID_Radnik(box("txtID_Radnik"))
    , txtIme(box("txtIme"))
    , txtNetoBolovanje(box("txtNetoBolovanje"))
    , txtDatumDo(box("txtDatumDo"))
    , txtMesecSati(box("txtMesecSati"))
    , txtSati(box("txtSati", true))
    , txtTekuciRacun(box("txtTekuciRacun", true))
    , txtNeto(box("txtNeto", true))
    , txtBruto(box("txtBruto", true))
    , lblStope(new QLabel(this))
    , cmdNeto(new QPushButton("Obra~un iz NETO"_q, this))
    , cmdBruto(new QPushButton("Obra~un iz BRUTO"_q, this))
    , cmdProknjizi(new QPushButton("Proknji`i"_q, this))
    , cmdParametri(new QPushButton("Parametri"_q, this))
    , cmdTekuci(new QPushButton("Teku}i parametri"_q, this)) {
    setObjectName("frmObracunBolovanje");
    setWindowTitle(kind == LeaveKind::Maternity ? "Obra~un porodiljskog bolovanja"_q
                                                : "Obra~un bolovanja preko 30 dana"_q);
    cmbMesec->setObjectName("cmbMesec");
    cmbGodina->setObjectName("cmbGodina");
    ui::fillMonths(cmbMesec);
    ui::fillYears(cmbGodina);
    lblStope->setObjectName("lblStope");
    lblStope->setWordWrap(true);
    cmdNeto->setObjectName("cmdNeto");
    cmdBruto->setObjectName("cmdBruto");
    cmdProknjizi->setObjectName("cmdProknjizi");
    cmdParametri->setObjectName("cmdParametri");
    cmdTekuci->setObjectName("cmdTekuci");
    const int widths[] = {210, 50, 90, 110, 110};
    for (int column = 0; column < 5; ++column)
        listZ->setColumnWidth(column, widths[column]);
    txtMesecSati->installEventFilter(this);
    txtMesecSati->setToolTip("Dvostruki klik menja broj sati u mesecu"_q);

    connect(listZ, &QTreeWidget::itemClicked, this, &frmObracunBolovanje::chooseCase);
    connect(listZ, &QTreeWidget::itemActivated, this, &frmObracunBolovanje::chooseCase);
    connect(txtSati, &QLineEdit::textEdited, this, &frmObracunBolovanje::txtSati_Change);
    connect(cmdNeto, &QPushButton::clicked, this, &frmObracunBolovanje::cmdNeto_Click);
    connect(cmdBruto, &QPushButton::clicked, this, &frmObracunBolovanje::cmdBruto_Click);
    connect(cmdProknjizi, &QPushButton::clicked, this, &frmObracunBolovanje::cmdProknjizi_Click);
    connect(cmdTekuci, &QPushButton::clicked, this, &frmObracunBolovanje::cmdTekuci_Click);
    connect(cmdParametri, &QPushButton::clicked, this, [this] {
        ui::showBeside(this, new parameters::frmParametri_po_mesecima(*context_.PayrollDb));
    });
    for (QComboBox* period : {cmbMesec, cmbGodina})
        connect(period, &QComboBox::currentIndexChanged, this,
                &frmObracunBolovanje::UcitajBolovanja);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Mesec:"_q, this));
    top->addWidget(cmbMesec);
    top->addWidget(new QLabel("Godina:"_q, this));
    top->addWidget(cmbGodina);
    top->addStretch();
    auto* commands = new QHBoxLayout;
    for (QPushButton* command : {cmdNeto, cmdBruto, cmdProknjizi, cmdParametri, cmdTekuci})
        commands->addWidget(command);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listZ, 1);
    layout->addWidget(amountsPanel());
    layout->addWidget(lblStope);
    lblPredat = ui::filedNoteLabel(this);
    layout->addWidget(lblPredat);
    layout->addLayout(commands);
    resize(820, 720);

    const Date today = context_.clock.today();
    setPeriod(context_.CalcYear != 0 ? context_.CalcYear
                                     : (context_.WorkYear != 0 ? context_.WorkYear : today.year),
              context_.CalcMonth != 0 ? context_.CalcMonth : today.month);
}

QLineEdit* frmObracunBolovanje::box(const char* name, bool editable) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(!editable);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QWidget* frmObracunBolovanje::amountsPanel() {
    auto* panel = new QGroupBox(this);
    auto* grid = new QGridLayout(panel);
    const std::pair<const char*, QLineEdit*> inputs[] = {
        {"ID radnika:", txtID_Radnik},
        {"Ime i prezime:", txtIme},
        {"NETO bolovanja:", txtNetoBolovanje},
        {"Bolovanje do:", txtDatumDo},
        {"Sati u mesecu:", txtMesecSati},
        {"Broj sati:", txtSati},
        {"Teku}i ra~un:", txtTekuciRacun},
        {"NETO:", txtNeto},
        {"BRUTO:", txtBruto},
    };
    txtIme->setAlignment(Qt::AlignLeft);
    txtTekuciRacun->setAlignment(Qt::AlignLeft);
    int row = 0;
    for (const auto& [caption, edit] : inputs) {
        grid->addWidget(new QLabel(toQ(yuscii(caption)), panel), row, 0);
        grid->addWidget(edit, row++, 1);
    }
    row = 0;
    for (const Shown& shown : ShownAmounts) {
        QLineEdit* edit = box(shown.name);
        edit->setParent(panel);
        amounts_.push_back(edit);
        grid->addWidget(new QLabel(toQ(yuscii(shown.caption)), panel), row, 2);
        grid->addWidget(edit, row++, 3);
    }
    return panel;
}

int frmObracunBolovanje::year() const {
    return cmbGodina->currentText().toInt();
}

int frmObracunBolovanje::month() const {
    return cmbMesec->currentText().toInt();
}

CalculationKind frmObracunBolovanje::calculationKind() const {
    return kind_ == LeaveKind::Maternity ? CalculationKind::Maternity : CalculationKind::SickLeave;
}

void frmObracunBolovanje::setPeriod(int year, int month) {
    {
        const QSignalBlocker blockMonth(cmbMesec);
        const QSignalBlocker blockYear(cmbGodina);
        cmbMesec->setCurrentText(QString::number(month));
        cmbGodina->setCurrentText(QString::number(year));
    }
    UcitajBolovanja();
}

bool frmObracunBolovanje::loadRates() {
    if (currentRates_)
        return true;
    const auto month = payroll::loadMonthParameters(*context_.PayrollDb, year(), this->month());
    if (!month) {
        ui::message(this, "Greska kod pronalazenja parametara za izabrani mesec!"_q,
                    ui::Icon::Exclamation);
        return false;
    }
    rates_ = *month;
    showRates();
    return true;
}

void frmObracunBolovanje::showRates() {
    const auto rate = [](double value) {
        return format(value, NumberFormat::General) + " %";
    };
    lblStope->setText(toQ(
        "Porez: "_yu + rate(rates_.porez_zarade) + "   PIO: " + rate(rates_.Doprinosi_PIO) + " + " +
        rate(rates_.Doprinosi_PIO_F) + "   Zdravstvo: " + rate(rates_.Doprinosi_zo) + " + " +
        rate(rates_.Doprinosi_zo_F) + "   Nezaposlenost: " + rate(rates_.doprinosi_nezaposlenost) +
        " + " + rate(rates_.doprinosi_nezaposlenost_f) + "   Oslobo|enje: "_yu +
        format(rates_.iznos_poreskog_oslobojenja, NumberFormat::Grouped2) +
        "   Min. osnovica: " + format(rates_.minimalna_osnovica, NumberFormat::Grouped2) +
        (currentRates_ ? "   (teku}i parametri)"_yu : std::string())));
}

void frmObracunBolovanje::UcitajBolovanja() {
    listZ->clear();
    cases_.clear();
    clearCalculation();
    ui::guarded(this, "UcitajBolovanja", [&] {
        lblPredat->setText(ui::filedNote(context_, calculationKind(), year(), month()));
        cases_ = casesOfMonth(*context_.PayrollDb, kind_, year(), month());
        for (const LeaveCase& c : cases_)
            ui::addRow(listZ,
                       {c.name, std::to_string(c.ID_RADNIK), std::to_string(c.id),
                        format(c.NETO, NumberFormat::Grouped2), toDisplayText(c.datum_otvaranja),
                        shownEnd(c)},
                       c.id)
                ->setTextAlignment(3, Qt::AlignRight);
    });
}

void frmObracunBolovanje::clearCalculation() {
    chosen_.reset();
    result_.reset();
    for (QLineEdit* edit : {txtID_Radnik, txtIme, txtNetoBolovanje, txtDatumDo, txtMesecSati,
                            txtSati, txtTekuciRacun, txtNeto, txtBruto})
        edit->clear();
    for (QLineEdit* edit : amounts_)
        edit->clear();
}

void frmObracunBolovanje::chooseCase() {
    const std::int64_t id = ui::currentNumber(listZ);
    clearCalculation();
    for (const LeaveCase& c : cases_)
        if (c.id == id)
            chosen_ = c;
    if (!chosen_)
        return;
    ui::guarded(this, "chooseCase", [&] {
        if (!loadRates())
            return;
        const LeaveStart start =
            startLeaveMonth(*context_.PayrollDb, kind_, *chosen_, year(), month());
        txtID_Radnik->setText(QString::number(chosen_->ID_RADNIK));
        txtIme->setText(toQ(chosen_->name));
        txtNetoBolovanje->setText(amountText(chosen_->NETO));
        txtDatumDo->setText(toQ(shownEnd(*chosen_)));
        txtMesecSati->setText(
            QString::number(fullMonthHours(*context_.PayrollDb, year(), month())));
        txtSati->setText(toQ(format(start.hours, NumberFormat::General)));
        txtNeto->setText(amountText(start.net));
        txtTekuciRacun->setText(toQ(start.posted ? start.posted->tekuci_Racun : start.account));
        if (start.posted) {
            showAmounts(*start.posted);
            result_ = start.posted;
        }
        if (start.askHours) {
            ui::message(this, toQ(hoursWarning()), ui::Icon::Exclamation);
            txtSati->setFocus();
            txtSati->selectAll();
        }
    });
}

LeaveMonth frmObracunBolovanje::leaveMonth() const {
    return {hoursOf(txtSati), hoursOf(txtMesecSati),
            payroll::loadSettings(*context_.PayrollDb).solidarityTax()};
}

void frmObracunBolovanje::txtSati_Change() {
    if (!chosen_ || hoursOf(txtMesecSati) == 0)
        return;
    txtNeto->setText(amountText(netForHours(chosen_->NETO, leaveMonth())));
    result_.reset();
}

void frmObracunBolovanje::txtMesecSati_DblClick() {
    const auto hours = ui::askWholeNumber(this, "Unesite broj u mesecu"_q);
    if (!hours || *hours == 0)
        return;
    txtMesecSati->setText(QString::number(*hours));
    txtSati_Change();
}

void frmObracunBolovanje::showAmounts(const LeaveAmounts& amounts) {
    for (std::size_t i = 0; i < amounts_.size(); ++i)
        amounts_[i]->setText(amountText(amounts.*ShownAmounts[i].member));
    txtBruto->setText(toQ(format(amounts.BRUTO, NumberFormat::Grouped4)));
    txtNeto->setText(amountText(amounts.NETO));
}

void frmObracunBolovanje::calculate(const char* routine, bool fromNet) {
    if (!chosen_) {
        ui::message(this, "Niste uneli potrebne podatke!"_q, ui::Icon::Exclamation);
        return;
    }
    ui::guarded(this, routine, [&] {
        if (!loadRates())
            return;
        auto calculated = fromNet ? leaveFromNet(amountOf(txtNeto), leaveMonth(), rates_)
                                  : leaveFromGross(amountOf(txtBruto), leaveMonth(), rates_);
        if (!calculated) {
            ui::showRefusal(this, calculated.refusal());
            return;
        }
        calculated->tekuci_Racun = fromQ(txtTekuciRacun->text().trimmed());
        showAmounts(*calculated);
        result_ = std::move(calculated).value();
    });
}

void frmObracunBolovanje::cmdNeto_Click() {
    calculate("cmdNeto_Click", true);
}

void frmObracunBolovanje::cmdBruto_Click() {
    calculate("cmdBruto_Click", false);
}

void frmObracunBolovanje::cmdProknjizi_Click() {
    if (!chosen_ || !result_) {
        ui::message(this, "Niste uneli potrebne podatke!"_q, ui::Icon::Exclamation);
        return;
    }
    const auto permit = ui::permitChange(this, context_, calculationKind(), year(), month());
    if (!permit)
        return;
    ui::guarded(this, "cmdProknjizi_Click", [&] {
        LeaveAmounts posted = *result_;
        posted.tekuci_Racun = fromQ(txtTekuciRacun->text().trimmed());
        if (const auto refused = postLeave(*context_.PayrollDb, kind_, chosen_->ID_RADNIK, year(),
                                           month(), posted)) {
            ui::showRefusal(this, *refused);
            return;
        }
        UcitajBolovanja();
    });
}

void frmObracunBolovanje::cmdTekuci_Click() {
    ui::guarded(this, "cmdTekuci_Click", [&] {
        rates_ = currentRates(*context_.PayrollDb);
        currentRates_ = true;
        result_.reset();
        showRates();
    });
}

bool frmObracunBolovanje::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMesecSati && event->type() == QEvent::MouseButtonDblClick) {
        txtMesecSati_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmObracunBolovanje::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
