#include "compensation/frmObracunInvaliidi.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/BenefitWidgets.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

QLabel* figure(QWidget* parent, QFormLayout* form, const QString& caption, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight);
    form->addRow(caption, label);
    return label;
}

} // namespace

frmObracunInvaliidi::frmObracunInvaliidi(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , listI(makeList(this, "listI", {"Ime i prezime"_q, "ID"_q, "naknada"_q})) {
    setObjectName("frmObracunInvaliidi");
    setWindowTitle("Naknade invalidima II i III kat. - "_q + QString::number(context_.CalcMonth) +
                   "/" + QString::number(context_.CalcYear));
    listI->setColumnWidth(0, 220);
    auto* fraObracun = new QGroupBox("Obra~un"_q, this);
    auto* form = new QFormLayout(fraObracun);
    lblRadnik = new QLabel(fraObracun);
    lblRadnik->setObjectName("lblRadnik");
    form->addRow(lblRadnik);
    txtNeto = formBox(fraObracun, form, "Naknada (neto):"_q, "txtNeto");
    txtUskladjeni = formBox(fraObracun, form, "Uskla|en iznos:"_q, "txtUskladjeni");
    txtSati = formBox(fraObracun, form, "Efektivni sati:"_q, "txtSati");
    lblBruto = figure(fraObracun, form, "BRUTO:"_q, "lblBruto");
    lblPorez = figure(fraObracun, form, "Porez:"_q, "lblPorez");
    lblZdravstvo = figure(fraObracun, form, "Doprinos za zdravstvo:"_q, "lblZdravstvo");
    lblRefundacija = figure(fraObracun, form, "Za refundaciju:"_q, "lblRefundacija");
    QPushButton* cmdObracunaj = commandButton(fraObracun, "Obra~unaj"_q, "cmdObracunaj");
    QPushButton* cmdProknjizi = commandButton(fraObracun, "Proknji`i"_q, "cmdProknjizi");
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdObracunaj);
    commands->addWidget(cmdProknjizi);
    form->addRow(commands);
    lblPredat = filedNoteLabel(fraObracun);
    form->addRow(lblPredat);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(listI, 3);
    layout->addWidget(fraObracun, 2);
    resize(860, 420);

    connect(listI, &QTreeWidget::currentItemChanged, this, &frmObracunInvaliidi::UcitajRadnika);
    connect(cmdObracunaj, &QPushButton::clicked, this, &frmObracunInvaliidi::cmdObracunaj_Click);
    connect(cmdProknjizi, &QPushButton::clicked, this, &frmObracunInvaliidi::cmdProknjizi_Click);
    guarded(this, "Form_Load", [&] {
        lblPredat->setText(filedNote(context_, CalculationKind::OtherIncome, context_.CalcYear,
                                     context_.CalcMonth));
        const QSignalBlocker block(listI);
        for (const DisabledPerson& p : disabledPersons(*context_.PayrollDb))
            addRow(listI,
                   {p.name, std::to_string(p.id_radnik), format(p.naknada, NumberFormat::Grouped2)},
                   p.id_radnik)
                ->setTextAlignment(2, Qt::AlignRight);
    });
}

void frmObracunInvaliidi::UcitajRadnika() {
    row_.reset();
    const long long employee = currentNumber(listI);
    if (employee == 0)
        return;
    guarded(this, "UcitajRadnika", [&] {
        const auto row = disabledCalculation(*context_.PayrollDb, employee, context_.CalcYear,
                                             context_.CalcMonth);
        if (!row) {
            showRefusal(this, row.refusal());
            return;
        }
        lblRadnik->setText(listI->currentItem()->text(0));
        txtNeto->setText(shownAmount(row->NETO));
        txtUskladjeni->setText(shownAmount(row->uskladjeni));
        txtSati->setText(toQ(format(row->broj_sati, NumberFormat::Grouped2)));
        row_ = *row;
        showFigures(*row);
    });
}

void frmObracunInvaliidi::showFigures(const DisabledCalculation& row) {
    lblBruto->setText(shownAmount(row.BRUTO));
    lblPorez->setText(shownAmount(row.porez_na_zaradu));
    lblZdravstvo->setText(shownAmount(row.Doprinosi_zo_F));
    lblRefundacija->setText(shownAmount(row.za_refundaciju));
}

void frmObracunInvaliidi::cmdObracunaj_Click() {
    if (!row_) {
        message(this, "Niste izabrali radnika!"_q, Icon::Exclamation);
        return;
    }
    guarded(this, "cmdObracunaj_Click", [&] {
        DisabledCalculation typed = *row_;
        typed.NETO = typedAmount(txtNeto);
        typed.uskladjeni = typedAmount(txtUskladjeni);
        typed.broj_sati = typedAmount(txtSati).toDouble();
        const auto calculated = calculateDisabled(*context_.PayrollDb, typed);
        if (!calculated) {
            showRefusal(this, calculated.refusal());
            return;
        }
        row_ = *calculated;
        showFigures(*calculated);
    });
}

void frmObracunInvaliidi::cmdProknjizi_Click() {
    if (!row_) {
        message(this, "Niste izabrali radnika!"_q, Icon::Exclamation);
        return;
    }
    cmdObracunaj_Click();
    const auto permit = permitChange(this, context_, CalculationKind::OtherIncome,
                                     context_.CalcYear, context_.CalcMonth);
    if (!permit)
        return;
    guarded(this, "cmdProknjizi_Click", [&] {
        postDisabledCalculation(*context_.PayrollDb, *row_);
        message(this, "Obracun je proknjizen!"_q, Icon::Information);
    });
}

void frmObracunInvaliidi::keyPressEvent(QKeyEvent* event) {
    if (!closedOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
