#include "other_income/frmUgovorODelu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/Text.h"
#include "employees/frmTraziZaposlenog.h"
#include "other_income/OtherIncomeBoxes.h"
#include "other_income/OtherIncomeKinds.h"
#include "other_income/frmNoviNalog.h"
#include "payroll/IndividualForm.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;
using payroll::DoubleClickBox;

namespace {

QString windowName(int kind) {
    if (kind == SeveranceKind)
        return "frmOtpremnine";
    if (kind == AdvanceKind)
        return "frmAkontacije";
    return "frmUgovorODelu";
}

QLineEdit* inputBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(toQ(yuscii(caption)), parent);
    b->setObjectName(name);
    return b;
}

// The columns of the people list, and what a row shows in them.
QStringList personHeadings() {
    return {"Prezime i ime"_q, "ID"_q,
            "BRUTO"_q,         "Neoporezivi deo"_q,
            "Porez"_q,         "PIO"_q,
            "ZDR"_q,           "NEZ"_q,
            "PIO_F"_q,         "ZDR_F"_q,
            "NEZ_F"_q,         "NETO"_q,
            "OBAVEZA"_q,       "Banka"_q,
            "Teku}i ra~un"_q,  "Partija"_q,
            "ID_OOZ"_q,        "Normirani troskovi"_q,
            "JMBG"_q,          "Prezime"_q,
            "Ime"_q,           "Sati"_q,
            "Dani"_q};
}

std::vector<std::string> personTexts(const ListedPerson& p) {
    const RowAmounts& a = p.row.amounts;
    const auto amount = [](Currency value) {
        return fromQ(amountText(value));
    };
    return {p.fullName(),
            std::to_string(p.row.id_radnik),
            amount(a.gross),
            amount(a.nonTaxable),
            amount(a.tax),
            amount(a.employee.pio),
            amount(a.employee.zo),
            amount(a.employee.nez),
            amount(a.employer.pio),
            amount(a.employer.zo),
            amount(a.employer.nez),
            amount(a.net),
            amount(a.totalCost),
            p.banka,
            p.tekuci_Racun,
            p.partija(),
            std::to_string(p.row.id_ooz),
            amount(a.standardizedCosts),
            p.JMBG,
            p.Prezime,
            p.Ime,
            fromQ(rateText(p.row.broj_sati)),
            std::to_string(p.row.broj_dana)};
}

} // namespace

frmUgovorODelu::frmUgovorODelu(AppContext& context, int kind, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , kind_(kind) {
    setObjectName(windowName(kind));
    buildControls();
    connectCommands();
    for (const OtherIncomeKind* k : kindList(kind))
        cmbTip->addItem(toQ(k->listText), k->number);
    cmbTip->setCurrentIndex(cmbTip->findData(kind));
    if (const OtherIncomeKind* k = findKind(kind)) {
        setWindowTitle(toQ(k->title));
        lblNaslov->setText(toQ(k->heading));
    }
    lblTip->setText(QString::number(kind));
    UcitajNaloge();
}

void frmUgovorODelu::buildControls() {
    lblNaslov = new QLabel(this);
    lblNaslov->setObjectName("lblNaslov");
    QFont big = lblNaslov->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    lblNaslov->setFont(big);
    lblTip = new QLabel(this);
    lblTip->setObjectName("lblTip");
    lblTip->hide();
    cmbTip = new QComboBox(this);
    cmbTip->setObjectName("cmbTip");
    cmbNalog = new QComboBox(this);
    cmbNalog->setObjectName("cmbNalog");
    cmbNalog->setMinimumWidth(320);
    cmdNovi = button(this, "cmdNovi", "Novi nalog");
    cmdIzmeni = button(this, "cmdIzmeni", "Izmeni nalog");
    cmdObrisiNalog = button(this, "cmdObrisiNalog", "Obri{i nalog");

    txtPorez = new DoubleClickBox(this, "txtPorez");
    txtNormirani = new DoubleClickBox(this, "txtNormirani");
    txtNeoporezivi = new DoubleClickBox(this, "txtNeoporezivi");
    txtMinimalna = new DoubleClickBox(this, "txtMinimalna");
    txtPIO = new DoubleClickBox(this, "txtPIO");
    txtZO = new DoubleClickBox(this, "txtZO");
    txtNEZ = new DoubleClickBox(this, "txtNEZ");
    txtPIOF = new DoubleClickBox(this, "txtPIOF");
    txtZOF = new DoubleClickBox(this, "txtZOF");
    txtNEZF = new DoubleClickBox(this, "txtNEZF");

    txtID_Radnik = inputBox(this, "txtID_Radnik");
    txtID_Radnik->setFixedWidth(150);
    cmdTrazi = button(this, "cmdTrazi", "Tra`i");
    lblIme = new QLabel(this);
    lblIme->setObjectName("lblIme");
    txtSati = inputBox(this, "txtSati");
    txtDani = inputBox(this, "txtDani");
    txtBruto = inputBox(this, "txtBruto");
    txtNeto = inputBox(this, "txtNeto");
    lblObracun = new QLabel(this);
    lblObracun->setObjectName("lblObracun");
    cmdKnjizi = button(this, "cmdKnjizi", "Knji`i");
    listO = makeList(this, "listO", personHeadings());
    listO->setColumnWidth(0, 200);
    for (int c = 2; c <= 12; ++c)
        listO->headerItem()->setTextAlignment(c, Qt::AlignRight);
    lblUkupno = new QLabel(this);
    lblUkupno->setObjectName("lblUkupno");
    cmdSpisak = button(this, "cmdSpisak", "Spisak za isplatu");
    cmdDoprinosi = button(this, "cmdDoprinosi", "Prijava doprinosa");
    cmdPoreska = button(this, "cmdPoreska", "Poreska prijava");
    cmdSpecifikacija = button(this, "cmdSpecifikacija", "Specifikacija po op{tinama");
    cmdPPPPD = button(this, "cmdPPPPD", "PPP-PD");
    cmdNalozi = button(this, "cmdNalozi", "Nalozi za pla}anje");
    cmdRekapRacuna = button(this, "cmdRekapRacuna", "Rekapitulacija uplatnih ra~una");

    auto* orderRow = new QHBoxLayout;
    orderRow->addWidget(new QLabel("Vrsta:"_q, this));
    orderRow->addWidget(cmbTip);
    orderRow->addWidget(new QLabel("Nalog:"_q, this));
    orderRow->addWidget(cmbNalog, 1);
    orderRow->addWidget(cmdNovi);
    orderRow->addWidget(cmdIzmeni);
    orderRow->addWidget(cmdObrisiNalog);

    auto* rates = new QGridLayout;
    const std::pair<const char*, QLineEdit*> rateBoxes[] = {{"Porez %", txtPorez},
                                                            {"Normirani tro{kovi %", txtNormirani},
                                                            {"Neoporezivi deo", txtNeoporezivi},
                                                            {"Minimalna osnovica", txtMinimalna},
                                                            {"PIO %", txtPIO},
                                                            {"ZO %", txtZO},
                                                            {"NEZ %", txtNEZ},
                                                            {"PIO firma %", txtPIOF},
                                                            {"ZO firma %", txtZOF},
                                                            {"NEZ firma %", txtNEZF}};
    int column = 0;
    for (const auto& [caption, box] : rateBoxes) {
        rates->addWidget(new QLabel(toQ(yuscii(caption)), this), 0, column);
        rates->addWidget(box, 1, column++);
    }

    auto* person = new QGridLayout;
    person->addWidget(new QLabel("ID radnika:"_q, this), 0, 0);
    person->addWidget(txtID_Radnik, 0, 1);
    person->addWidget(cmdTrazi, 0, 2);
    person->addWidget(lblIme, 0, 3, 1, 3);
    person->addWidget(new QLabel("Broj sati:"_q, this), 1, 0);
    person->addWidget(txtSati, 1, 1);
    person->addWidget(new QLabel("Broj dana:"_q, this), 1, 2);
    person->addWidget(txtDani, 1, 3);
    person->addWidget(new QLabel("BRUTO:"_q, this), 2, 0);
    person->addWidget(txtBruto, 2, 1);
    person->addWidget(new QLabel("NETO:"_q, this), 2, 2);
    person->addWidget(txtNeto, 2, 3);
    person->addWidget(cmdKnjizi, 2, 5);
    person->addWidget(lblObracun, 3, 0, 1, 7);
    lblPredat = filedNoteLabel(this);
    person->addWidget(lblPredat, 4, 0, 1, 7);
    person->setColumnStretch(6, 1);
    for (QLineEdit* box : {txtSati, txtDani, txtBruto, txtNeto})
        box->setFixedWidth(150);

    auto* outputs = new QHBoxLayout;
    outputs->addWidget(lblUkupno, 1);
    for (QPushButton* b : {cmdSpisak, cmdDoprinosi, cmdPoreska, cmdSpecifikacija, cmdPPPPD,
                           cmdNalozi, cmdRekapRacuna})
        outputs->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNaslov);
    layout->addWidget(lblTip);
    layout->addLayout(orderRow);
    layout->addLayout(rates);
    layout->addLayout(person);
    layout->addWidget(listO, 1);
    layout->addLayout(outputs);
    resize(1100, 650);
    SelectAllOnFocus::installAll(this);
}

void frmUgovorODelu::connectCommands() {
    connect(cmbTip, &QComboBox::activated, this, [this] {
        kind_ = cmbTip->currentData().toInt();
        lblTip->setText(QString::number(kind_));
        UcitajNaloge();
    });
    connect(cmbNalog, &QComboBox::activated, this, &frmUgovorODelu::cmbNalog_Click);
    connect(cmdNovi, &QPushButton::clicked, this, &frmUgovorODelu::cmdNovi_Click);
    connect(cmdIzmeni, &QPushButton::clicked, this, &frmUgovorODelu::cmdIzmeni_Click);
    connect(cmdObrisiNalog, &QPushButton::clicked, this, &frmUgovorODelu::cmdObrisiNalog_Click);
    connect(txtID_Radnik, &QLineEdit::returnPressed, this, &frmUgovorODelu::UcitajRadnika);
    connect(cmdTrazi, &QPushButton::clicked, this, [this] {
        if (employees::chooseEmployeeInto(*txtID_Radnik, *context_.PayrollDb))
            UcitajRadnika();
    });
    connect(txtBruto, &QLineEdit::textEdited, this, &frmUgovorODelu::txtBruto_Change);
    connect(txtNeto, &QLineEdit::textEdited, this, &frmUgovorODelu::txtNeto_Change);
    connect(cmdKnjizi, &QPushButton::clicked, this, &frmUgovorODelu::cmdKnjizi_Click);
    connect(listO, &QTreeWidget::itemDoubleClicked, this, &frmUgovorODelu::listO_DblClick);
    connect(cmdSpisak, &QPushButton::clicked, this, &frmUgovorODelu::cmdSpisak_Click);
    connect(cmdDoprinosi, &QPushButton::clicked, this, &frmUgovorODelu::cmdDoprinosi_Click);
    connect(cmdPoreska, &QPushButton::clicked, this, &frmUgovorODelu::cmdPoreska_Click);
    connect(cmdSpecifikacija, &QPushButton::clicked, this, &frmUgovorODelu::cmdSpecifikacija_Click);
    connect(cmdPPPPD, &QPushButton::clicked, this, &frmUgovorODelu::cmdPPPPD_Click);
    connect(cmdNalozi, &QPushButton::clicked, this, &frmUgovorODelu::cmdNalozi_Click);
    connect(cmdRekapRacuna, &QPushButton::clicked, this, &frmUgovorODelu::cmdRekapRacuna_Click);

    const auto rate = [this](DoubleClickBox* box, const char* prompt, auto field) {
        box->onDoubleClick = [this, box, prompt, field] {
            overrideRate(box, prompt, field(rates_));
        };
    };
    rate(txtPIO, "Unesite vrednost doprinosa za PIO",
         [](RowRates& r) -> double& { return r.employee.pio; });
    rate(txtPIOF, "Unesite vrednost doprinosa za PIO na teret firme",
         [](RowRates& r) -> double& { return r.employer.pio; });
    rate(txtZO, "Unesite vrednost doprinosa za ZO",
         [](RowRates& r) -> double& { return r.employee.zo; });
    rate(txtZOF, "Unesite vrednost doprinosa za ZO na teret firme",
         [](RowRates& r) -> double& { return r.employer.zo; });
    rate(txtNEZ, "Unesite vrednost doprinosa za nezaposlenost",
         [](RowRates& r) -> double& { return r.employee.nez; });
    rate(txtNEZF, "Unesite vrednost doprinosa za nezaposlenost na teret firme",
         [](RowRates& r) -> double& { return r.employer.nez; });
    txtNeoporezivi->onDoubleClick = [this] {
        if (const auto value = askNumber(this, "Unesite neoporezivi deo!"_q)) {
            rates_.nonTaxable = *value;
            showRates();
            recalculate();
        }
    };
}

void frmUgovorODelu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmUgovorODelu::severance() const {
    return kind_ == SeveranceKind;
}

void frmUgovorODelu::UcitajNaloge() {
    cmbNalog->clear();
    order_.reset();
    guarded(this, "UcitajNaloge", [&] {
        orders_ = ordersOfKind(*context_.PayrollDb, kind_);
        for (const OtherIncomeOrder& order : orders_)
            cmbNalog->addItem(toQ(orderCaption(order)), QVariant::fromValue(order.id_noz));
    });
    const bool perDiem = kind_ == PerDiemKind;
    txtDani->setEnabled(perDiem);
    txtSati->setEnabled(!severance());
    txtBruto->setReadOnly(severance());
    cmbNalog_Click();
}

void frmUgovorODelu::cmbNalog_Click() {
    const int index = cmbNalog->currentIndex();
    order_.reset();
    if (index >= 0 && index < static_cast<int>(orders_.size()))
        order_ = orders_[static_cast<std::size_t>(index)];
    clearRow();
    UcitajRadnike();
}

void frmUgovorODelu::cmdNovi_Click() {
    guarded(this, "cmdNovi_Click",
            [&] { openEditor(newOrder(*context_.PayrollDb, kind_, context_.clock.today())); });
}

void frmUgovorODelu::cmdIzmeni_Click() {
    if (!order_) {
        message(this, "Izaberite nalog!"_q, Icon::Exclamation);
        return;
    }
    openEditor(*order_);
}

void frmUgovorODelu::cmdObrisiNalog_Click() {
    if (!order_) {
        message(this, "Izaberite nalog!"_q, Icon::Exclamation);
        return;
    }
    if (!ask(this,
             "Da li ste sigurni da zelite da obrisete nalog: "_q + toQ(orderCaption(*order_))))
        return;
    const auto permit = permitOrderChange(this, context_, order_->Datum);
    if (!permit)
        return;
    guarded(this, "cmdObrisiNalog_Click", [&] {
        removeOrder(*context_.PayrollDb, order_->id_noz);
        UcitajNaloge();
    });
}

void frmUgovorODelu::openEditor(const OtherIncomeOrder& order) {
    auto* editor = new frmNoviNalog(context_, order, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QDialog::accepted, this, [this, editor] {
        const auto saved = editor->saved();
        UcitajNaloge();
        if (saved) {
            cmbNalog->setCurrentIndex(cmbNalog->findData(QVariant::fromValue(*saved)));
            cmbNalog_Click();
        }
    });
    editor->open();
}

void frmUgovorODelu::showRates() {
    txtPorez->setText(rateText(rates_.tax));
    txtNormirani->setText(rateText(rates_.standardizedCosts));
    txtNeoporezivi->setText(amountText(rates_.nonTaxable));
    txtMinimalna->setText(amountText(rates_.minimumBase));
    txtPIO->setText(rateText(rates_.employee.pio));
    txtZO->setText(rateText(rates_.employee.zo));
    txtNEZ->setText(rateText(rates_.employee.nez));
    txtPIOF->setText(rateText(rates_.employer.pio));
    txtZOF->setText(rateText(rates_.employer.zo));
    txtNEZF->setText(rateText(rates_.employer.nez));
}

void frmUgovorODelu::overrideRate(DoubleClickBox* box, const char* prompt, double& rate) {
    if (const auto value = askNumber(this, toQ(yuscii(prompt)))) {
        rate = value->toDouble();
        box->setText(rateText(rate));
        recalculate();
    }
}

void frmUgovorODelu::clearRow() {
    rates_ = order_ ? order_->rates : RowRates{};
    row_ = PersonRow{};
    newRow_ = false;
    for (QLineEdit* box : {txtID_Radnik, txtSati, txtDani, txtBruto, txtNeto})
        box->clear();
    lblIme->clear();
    lblObracun->clear();
    showRates();
}

void frmUgovorODelu::UcitajRadnika() {
    const std::int64_t id = txtID_Radnik->text().trimmed().toLongLong();
    guarded(this, "UcitajRadnika", [&] {
        const auto name = registeredName(*context_.PayrollDb, id);
        if (!name) {
            lblIme->clear();
            row_.id_radnik = 0;
            message(this, "Greska pronalazenja radnika u bazi!"_q, Icon::Exclamation);
            return;
        }
        lblIme->setText(toQ(*name));
        row_ = PersonRow{};
        row_.id_radnik = id;
        newRow_ = false;
        const auto existing =
            order_ ? personRowOf(*context_.PayrollDb, order_->id_noz, id) : std::nullopt;
        if (existing) {
            if (ask(this, "Ve} postoji obra~un za izabrano lice na ovom nalogu. Da li `elite da "
                          "radite novi?"_q)) {
                newRow_ = true;
            } else {
                row_ = *existing;
                rates_.tax = row_.taxRate;
                rates_.nonTaxable = row_.amounts.nonTaxable;
                showRates();
                txtSati->setText(rateText(row_.broj_sati));
                txtDani->setText(QString::number(row_.broj_dana));
                txtNeto->setText(amountText(row_.amounts.net));
                txtBruto->setText(amountText(row_.amounts.gross));
                showAmounts();
            }
        }
    });
}

void frmUgovorODelu::recalculate() {
    if (fromNet_ && !txtNeto->text().trimmed().isEmpty())
        txtNeto_Change();
    else if (!fromNet_ && !txtBruto->text().trimmed().isEmpty())
        txtBruto_Change();
}

void frmUgovorODelu::txtBruto_Change() {
    if (severance())
        return;
    fromNet_ = false;
    row_.amounts = fromGross(kind_, amountOf(txtBruto), rates_);
    txtNeto->setText(amountText(row_.amounts.net));
    showAmounts();
}

void frmUgovorODelu::txtNeto_Change() {
    fromNet_ = true;
    const Currency net = amountOf(txtNeto);
    if (severance()) {
        row_.amounts = severanceFromNet(net, rates_);
    } else {
        const auto row = fromNet(kind_, net, rates_);
        if (!row) {
            row_.amounts = RowAmounts{};
            lblObracun->clear();
            showRefusal(this, row.refusal());
            return;
        }
        row_.amounts = row.value();
    }
    txtBruto->setText(amountText(row_.amounts.gross));
    showAmounts();
}

void frmUgovorODelu::showAmounts() {
    const RowAmounts& a = row_.amounts;
    lblObracun->setText("Normirani tro{kovi: "_q + amountText(a.standardizedCosts) +
                        "   Porez: "_q + amountText(a.tax) + "   PIO: "_q +
                        amountText(a.employee.pio) + "   ZO: "_q + amountText(a.employee.zo) +
                        "   NEZ: "_q + amountText(a.employee.nez) + "   Doprinosi firme: "_q +
                        amountText(a.employer.sum()) + "   OBAVEZA: "_q + amountText(a.totalCost));
}

void frmUgovorODelu::cmdKnjizi_Click() {
    if (!order_) {
        message(this, "Izaberite nalog!"_q, Icon::Exclamation);
        return;
    }
    row_.id_noz = order_->id_noz;
    row_.taxRate = rates_.tax;
    row_.broj_sati = amountOf(txtSati).toDouble();
    row_.broj_dana = txtDani->text().trimmed().toInt();
    const auto permit = permitOrderChange(this, context_, order_->Datum);
    if (!permit)
        return;
    guarded(this, "cmdKnjizi_Click", [&] {
        const auto posted = postPersonRow(*context_.PayrollDb, kind_, row_, newRow_);
        if (!posted) {
            showRefusal(this, posted.refusal());
            return;
        }
        clearRow();
        UcitajRadnike();
        txtID_Radnik->setFocus();
    });
}

void frmUgovorODelu::listO_DblClick(QTreeWidgetItem* item) {
    if (!item || !order_)
        return;
    const std::int64_t id_ooz = item->data(0, Qt::UserRole).toLongLong();
    if (!ask(this, "Da li ste sigurni da zelite da obrisete obracun za radnika: "_q +
                       item->text(0) + " u nalogu "_q + QString::number(order_->id_noz)))
        return;
    const auto permit = permitOrderChange(this, context_, order_->Datum);
    if (!permit)
        return;
    guarded(this, "listO_DblClick", [&] {
        deletePersonRow(*context_.PayrollDb, id_ooz);
        message(this, "Brisanje je zavrseno!"_q, Icon::Information);
        UcitajRadnike();
    });
}

void frmUgovorODelu::UcitajRadnike() {
    listO->clear();
    lblUkupno->clear();
    lblPredat->clear();
    if (!order_)
        return;
    guarded(this, "UcitajRadnike", [&] {
        lblPredat->setText(orderFiledNote(context_, order_->Datum));
        const auto people = personsOfOrder(*context_.PayrollDb, order_->id_noz);
        if (!people) {
            showRefusal(this, people.refusal());
            return;
        }
        Currency gross, net;
        for (const ListedPerson& p : *people) {
            QTreeWidgetItem* item = addRow(listO, personTexts(p), p.row.id_ooz);
            for (int c = 2; c <= 12; ++c)
                item->setTextAlignment(c, Qt::AlignRight);
            gross += p.row.amounts.gross;
            net += p.row.amounts.net;
        }
        lblUkupno->setText("UKUPNO BRUTO: "_q + amountText(gross) + "   NETO: "_q +
                           amountText(net));
    });
}

} // namespace zarion::other_income
