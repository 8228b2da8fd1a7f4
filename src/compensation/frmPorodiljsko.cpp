#include "compensation/frmPorodiljsko.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/BenefitWidgets.h"
#include "compensation/MaternityRefundList.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

QDate toQDate(const Date& d) {
    return QDate(d.year, d.month, d.day);
}
Date fromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QDateEdit* dateBox(QWidget* parent, const char* name, const QDate& date) {
    auto* box = new QDateEdit(date, parent);
    box->setObjectName(name);
    box->setDisplayFormat("dd.MM.yyyy");
    box->setCalendarPopup(true);
    return box;
}

} // namespace

frmPorodiljsko::frmPorodiljsko(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context) {
    setObjectName("frmPorodiljsko");
    setWindowTitle("Porodiljsko bolovanje"_q);
    const int workYear = context_.WorkYear != 0 ? context_.WorkYear : context_.clock.today().year;
    dtOd = dateBox(this, "dtOd", QDate(workYear, 1, 1));
    dtDo = dateBox(this, "dtDo", QDate(workYear, 12, 31));
    listB = makeList(this, "listB",
                     {"Prezime i ime"_q, "ID"_q, "Datum otvaranja"_q, "Datum zatvaranja"_q,
                      "ID_BolovanjaPOR"_q});
    listB->setColumnWidth(0, 220);

    auto* fraBolovanje = new QGroupBox("Bolovanje"_q, this);
    auto* caseForm = new QFormLayout(fraBolovanje);
    txtID_Radnik = employeeBox(fraBolovanje, caseForm, lblIme);
    dtOtvaranje = dateBox(fraBolovanje, "dtOtvaranje", QDate(workYear, 1, 1));
    dtZatvaranje = dateBox(fraBolovanje, "dtZatvaranje", toQDate(OpenEnd));
    caseForm->addRow("Datum otvaranja:"_q, dtOtvaranje);
    caseForm->addRow("Datum zatvaranja:"_q, dtZatvaranje);
    txtNeto = formBox(fraBolovanje, caseForm, "NETO za pun mesec:"_q, "txtNeto");
    auto* caseCommands = new QHBoxLayout;
    for (auto [caption, name, slot] :
         {std::tuple{"Novo (F5)", "cmdNovo", &frmPorodiljsko::cmdNovo_Click},
          std::tuple{"Snimi", "cmdSnimi", &frmPorodiljsko::cmdSnimi_Click},
          std::tuple{"Obri{i (F9)", "cmdObrisi", &frmPorodiljsko::cmdObrisi_Click}}) {
        QPushButton* button = commandButton(fraBolovanje, toQ(yuscii(caption)), name);
        connect(button, &QPushButton::clicked, this, slot);
        caseCommands->addWidget(button);
    }
    caseForm->addRow(caseCommands);

    auto* fraObracun = new QGroupBox("Obra~un za mesec"_q, this);
    auto* calcForm = new QFormLayout(fraObracun);
    cmbMesec = new QComboBox(fraObracun);
    cmbMesec->setObjectName("cmbMesec");
    fillMonths(cmbMesec);
    cmbGodina = new QComboBox(fraObracun);
    cmbGodina->setObjectName("cmbGodina");
    fillYears(cmbGodina);
    const int calcMonth =
        context_.CalcMonth != 0 ? context_.CalcMonth : context_.clock.today().month;
    cmbMesec->setCurrentText(QString::number(calcMonth));
    cmbGodina->setCurrentText(
        QString::number(context_.CalcYear != 0 ? context_.CalcYear : workYear));
    auto* period = new QHBoxLayout;
    period->addWidget(cmbMesec);
    period->addWidget(cmbGodina);
    calcForm->addRow("Mesec:"_q, period);
    txtSati = formBox(fraObracun, calcForm, "Broj sati:"_q, "txtSati");
    lblObracun = new QLabel(fraObracun);
    lblObracun->setObjectName("lblObracun");
    calcForm->addRow(lblObracun);
    lblPredat = filedNoteLabel(fraObracun);
    calcForm->addRow(lblPredat);
    auto* calcCommands = new QHBoxLayout;
    for (auto [caption, name, slot] :
         {std::tuple{"Obra~unaj", "cmdObracunaj", &frmPorodiljsko::cmdObracunaj_Click},
          std::tuple{"Proknji`i", "cmdProknjizi", &frmPorodiljsko::cmdProknjizi_Click},
          std::tuple{"Obrazac NZ1", "cmdNZ1", &frmPorodiljsko::cmdNZ1_Click}}) {
        QPushButton* button = commandButton(fraObracun, toQ(yuscii(caption)), name);
        connect(button, &QPushButton::clicked, this, slot);
        calcCommands->addWidget(button);
    }
    calcForm->addRow(calcCommands);

    auto* fraRacun = new QGroupBox("Ra~un za isplatu porodiljskog bolovanja"_q, this);
    auto* accountForm = new QFormLayout(fraRacun);
    txtRacun = formBox(fraRacun, accountForm, "Teku}i ra~un:"_q, "txtRacun");
    txtPoziv = formBox(fraRacun, accountForm, "Poziv na broj:"_q, "txtPoziv");
    QPushButton* cmdSnimiRacun = commandButton(fraRacun, "Snimi ra~un"_q, "cmdSnimiRacun");
    connect(cmdSnimiRacun, &QPushButton::clicked, this, &frmPorodiljsko::cmdSnimiRacun_Click);
    accountForm->addRow(cmdSnimiRacun);

    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel("Od:"_q, this));
    filter->addWidget(dtOd);
    filter->addWidget(new QLabel("Do:"_q, this));
    filter->addWidget(dtDo);
    filter->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(filter);
    left->addWidget(listB, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(fraBolovanje);
    right->addWidget(fraObracun);
    right->addWidget(fraRacun);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    resize(1000, 560);

    connect(dtOd, &QDateEdit::dateChanged, this, &frmPorodiljsko::UcitajBolovanja);
    for (QComboBox* box : {cmbMesec, cmbGodina})
        connect(box, &QComboBox::currentTextChanged, this, &frmPorodiljsko::showFiled);
    showFiled();
    connect(dtDo, &QDateEdit::dateChanged, this, &frmPorodiljsko::UcitajBolovanja);
    connect(listB, &QTreeWidget::currentItemChanged, this, [this] {
        if (const MaternityCase* entry = chosenCase())
            showCase(*entry);
    });
    connect(txtID_Radnik, &QLineEdit::editingFinished, this, &frmPorodiljsko::showEmployee);
    guarded(this, "Form_Load", [&] {
        const MaternityAccount account = loadMaternityAccount(*context_.PayrollDb);
        txtRacun->setText(toQ(account.racun_za_isplatu_porodiljsko));
        txtPoziv->setText(toQ(account.poziv_zad_porodiljsko));
    });
    UcitajBolovanja();
}

int frmPorodiljsko::month() const {
    return cmbMesec->currentText().toInt();
}
int frmPorodiljsko::year() const {
    return cmbGodina->currentText().toInt();
}

const MaternityCase* frmPorodiljsko::chosenCase() const {
    const long long id = currentNumber(listB);
    for (const MaternityCase& entry : cases_)
        if (entry.id_bolovanjePOR == id)
            return &entry;
    return nullptr;
}

void frmPorodiljsko::UcitajBolovanja() {
    const QSignalBlocker block(listB);
    listB->clear();
    guarded(this, "UcitajBolovanja", [&] {
        cases_ =
            maternityCases(*context_.PayrollDb, fromQDate(dtOd->date()), fromQDate(dtDo->date()));
        for (const MaternityCase& c : cases_)
            addRow(listB,
                   {c.name, std::to_string(c.ID_RADNIK), toDisplayText(c.datum_otvaranja),
                    toDisplayText(c.datum_zatvaranja), std::to_string(c.id_bolovanjePOR)},
                   c.id_bolovanjePOR);
    });
}

void frmPorodiljsko::showCase(const MaternityCase& entry) {
    editedId_ = entry.id_bolovanjePOR;
    txtID_Radnik->setText(QString::number(entry.ID_RADNIK));
    lblIme->setText(toQ(entry.name));
    dtOtvaranje->setDate(toQDate(entry.datum_otvaranja));
    dtZatvaranje->setDate(toQDate(entry.datum_zatvaranja));
    txtNeto->setText(shownAmount(entry.NETO));
    calculated_.reset();
    lblObracun->clear();
    guarded(this, "showCase", [&] {
        const auto posted = loadLeaveCompensation(*context_.PayrollDb, entry.ID_RADNIK, year(),
                                                  month(), LeaveKind::Maternity);
        if (posted) {
            txtSati->setText(QString::number(posted->broj_sati));
            showFigures(*posted);
            return;
        }
        txtSati->setText(QString::number(fullMonthHours(*context_.PayrollDb, year(), month())));
        const Date end = entry.datum_zatvaranja;
        if (end.year == year() && end.month == month() && end.day < DaysInMonth(month(), year()))
            message(this,
                    "PAZNJA! Bolovanje se zavrsava u izabranom mesecu. Unesite ispravan broj "
                    "sati!"_q,
                    Icon::Exclamation);
    });
}

void frmPorodiljsko::showFiled() {
    guarded(this, "showFiled", [&] {
        lblPredat->setText(filedNote(context_, CalculationKind::Maternity, year(), month()));
    });
}

void frmPorodiljsko::showEmployee() {
    guarded(this, "txtID_Radnik_LostFocus",
            [&] { showEmployeeName(context_, txtID_Radnik, lblIme); });
}

void frmPorodiljsko::cmdNovo_Click() {
    editedId_ = 0;
    txtID_Radnik->clear();
    lblIme->clear();
    txtNeto->clear();
    dtZatvaranje->setDate(toQDate(OpenEnd));
    txtID_Radnik->setFocus();
}

void frmPorodiljsko::cmdSnimi_Click() {
    guarded(this, "cmdSnimi_Click", [&] {
        const MaternityCase entry{editedId_,
                                  typedNumber(txtID_Radnik),
                                  fromQDate(dtOtvaranje->date()),
                                  fromQDate(dtZatvaranje->date()),
                                  typedAmount(txtNeto),
                                  {}};
        const auto saved = saveMaternityCase(*context_.PayrollDb, entry);
        if (!saved) {
            showRefusal(this, saved.refusal());
            return;
        }
        editedId_ = *saved;
        UcitajBolovanja();
        selectNumber(listB, editedId_);
    });
}

void frmPorodiljsko::cmdObrisi_Click() {
    const MaternityCase* entry = chosenCase();
    if (!entry || !ask(this, toQ(removalQuestion(*entry))))
        return;
    guarded(this, "cmdObrisi_Click", [&] {
        if (const auto refused = removeMaternityCase(*context_.PayrollDb, entry->id_bolovanjePOR))
            showRefusal(this, *refused);
        cmdNovo_Click();
        UcitajBolovanja();
    });
}

void frmPorodiljsko::showFigures(const LeaveCompensationRow& row) {
    lblObracun->setText("NETO: "_q + shownAmount(row.NETO) + "   BRUTO: "_q +
                        shownAmount(row.BRUTO) + "\nPorez: "_q + shownAmount(row.porez_na_zaradu) +
                        "   Doprinosi: "_q +
                        shownAmount(row.ukupno_doprinosa + row.ukupno_doprinosa_F) +
                        "\nZa isplatu: "_q + shownAmount(row.paidOut()));
}

void frmPorodiljsko::cmdObracunaj_Click() {
    const MaternityCase* entry = chosenCase();
    if (!entry) {
        message(this, "Niste uneli potrebne podatke!"_q, Icon::Exclamation);
        return;
    }
    guarded(this, "cmdObracunaj_Click", [&] {
        const auto row = calculateLeaveMonth(*context_.PayrollDb, entry->ID_RADNIK, entry->NETO,
                                             txtSati->text().replace(',', '.').toDouble(), year(),
                                             month(), LeaveKind::Maternity);
        if (!row) {
            showRefusal(this, row.refusal());
            return;
        }
        calculated_ = *row;
        showFigures(*row);
    });
}

void frmPorodiljsko::cmdProknjizi_Click() {
    if (!calculated_) {
        message(this, "Niste uneli potrebne podatke!"_q, Icon::Exclamation);
        return;
    }
    const auto permit = permitChange(this, context_, CalculationKind::Maternity,
                                     calculated_->GODINA, calculated_->MEsec);
    if (!permit)
        return;
    guarded(this, "cmdProknjizi_Click", [&] {
        postLeaveCompensation(*context_.PayrollDb, *calculated_);
        calculated_.reset();
        lblObracun->setText("Obracun je proknjizen!"_q);
    });
}

void frmPorodiljsko::cmdNZ1_Click() {
    guarded(this, "cmdNZ1_Click", [&] {
        preview(this, context_,
                refundListReport(companyOf(context_),
                                 loadRefundList(*context_.PayrollDb, year(), month())));
    });
}

void frmPorodiljsko::cmdSnimiRacun_Click() {
    guarded(this, "cmdSnimiRacun_Click", [&] {
        saveMaternityAccount(*context_.PayrollDb, {fromQ(txtRacun->text().trimmed()),
                                                   fromQ(txtPoziv->text().trimmed())});
        message(this, "Zavrseno je snimanje parametara!"_q, Icon::Information);
    });
}

void frmPorodiljsko::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        closeWindow(this);
        return;
    case Qt::Key_F5:
        cmdNovo_Click();
        return;
    case Qt::Key_F9:
    case Qt::Key_Delete:
        cmdObrisi_Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace zarion::compensation
