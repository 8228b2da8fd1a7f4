#include "outputs/frmNalogZaPrenos.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/ReferenceNumber.h"
#include "core/Text.h"
#include "outputs/BankFileSettings.h"
#include "report/qt/frmPregled.h"
#include "ui/AmountBox.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

QLineEdit* box(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

frmNalogZaPrenos::frmNalogZaPrenos(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , lblBr(new QLabel(this))
    , txtUkupno(box(this, "txtUkupno"))
    , dtDatum(new QDateEdit(this))
    , txtMesto(box(this, "txtMesto"))
    , txtDuznik(box(this, "txtDuznik"))
    , txtSvrha(box(this, "txtSvrha"))
    , txtPrimalac(box(this, "txtPrimalac"))
    , txtSifra(box(this, "txtSifra"))
    , txtIZnos(box(this, "txtIZnos"))
    , txtRacunD(box(this, "txtRacunD"))
    , txtRacunP(box(this, "txtRacunP"))
    , txtModelP(box(this, "txtModelP"))
    , txtpozivP(box(this, "txtpozivP"))
    , lblPoziv(new QLabel(this))
    , cmdPrethodni(new QPushButton("< Prethodni"_q, this))
    , cmdSledeci(new QPushButton("Slede}i >"_q, this))
    , cmdSnimi(new QPushButton("Snimi"_q, this))
    , cmdStampaj(new QPushButton("[tampaj nalog"_q, this))
    , cmdStampajSve(new QPushButton("[tampaj sve naloge"_q, this)) {
    setObjectName("frmNalogZaPrenos");
    setWindowTitle("Nalozi za pla}anje"_q);
    lblBr->setObjectName("lblBr");
    lblPoziv->setObjectName("lblPoziv");
    lblPoziv->setStyleSheet("color: #b00000");
    dtDatum->setObjectName("dtDatum");
    dtDatum->setDisplayFormat("dd.MM.yyyy");
    dtDatum->setCalendarPopup(true);
    cmdSnimi->setObjectName("cmdSnimi");
    cmdStampaj->setObjectName("cmdStampaj");
    cmdStampajSve->setObjectName("cmdStampajSve");
    cmdPrethodni->setObjectName("cmdPrethodni");
    cmdSledeci->setObjectName("cmdSledeci");
    txtUkupno->setReadOnly(true);
    for (QLineEdit* amount : {txtUkupno, txtIZnos})
        amount->setAlignment(Qt::AlignRight);

    auto* header = new QFormLayout;
    header->addRow("Ukupno svi nalozi:"_q, txtUkupno);
    header->addRow("Datum:"_q, dtDatum);
    header->addRow("Mesto:"_q, txtMesto);
    auto* order = new QFormLayout;
    order->addRow("Nalog:"_q, lblBr);
    order->addRow("Du`nik - nalogodavac:"_q, txtDuznik);
    order->addRow("Svrha pla}anja:"_q, txtSvrha);
    order->addRow("Poverilac - primalac:"_q, txtPrimalac);
    order->addRow("[ifra pla}anja:"_q, txtSifra);
    order->addRow("Iznos:"_q, txtIZnos);
    order->addRow("Ra~un du`nika:"_q, txtRacunD);
    order->addRow("Ra~un poverioca:"_q, txtRacunP);
    auto* reference = new QHBoxLayout;
    txtModelP->setMaximumWidth(50);
    reference->addWidget(txtModelP);
    reference->addWidget(txtpozivP, 1);
    order->addRow("Model i poziv na broj:"_q, reference);
    order->addRow(QString(), lblPoziv);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdPrethodni);
    commands->addWidget(cmdSledeci);
    commands->addStretch();
    commands->addWidget(cmdSnimi);
    commands->addWidget(cmdStampaj);
    commands->addWidget(cmdStampajSve);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(8);
    layout->addLayout(order);
    layout->addStretch();
    layout->addLayout(commands);
    resize(720, 480);

    connect(cmdPrethodni, &QPushButton::clicked, this, [this] {
        if (current_ > 0)
            showOrder(current_ - 1);
    });
    connect(cmdSledeci, &QPushButton::clicked, this, [this] { showOrder(current_ + 1); });
    connect(cmdSnimi, &QPushButton::clicked, this, &frmNalogZaPrenos::cmdSnimi_Click);
    connect(cmdStampaj, &QPushButton::clicked, this, &frmNalogZaPrenos::cmdStampaj_Click);
    connect(cmdStampajSve, &QPushButton::clicked, this, &frmNalogZaPrenos::cmdStampajSve_Click);
    connect(txtModelP, &QLineEdit::textChanged, this, &frmNalogZaPrenos::checkReference);
    connect(txtpozivP, &QLineEdit::textChanged, this, &frmNalogZaPrenos::checkReference);

    ui::guarded(this, "Form_Load", [&] {
        orders_ = loadOrders(*context_.PayrollDb);
        txtMesto->setText(
            toQ(loadBankFileSettings(*context_.PayrollDb, context_.CompanyMasterDb.get()).place));
    });
    const Date today = context_.clock.today();
    dtDatum->setDate(QDate(today.year, today.month, today.day));
    if (orders_.empty()) {
        message(this, "Niste generisali naloge! Generisite ih iz pregleda obracuna!"_q,
                Icon::Exclamation);
        return;
    }
    Currency total;
    for (const StoredOrder& o : orders_)
        total += o.Iznos;
    txtUkupno->setText(amountText(total));
    showOrder(0);
}

void frmNalogZaPrenos::showOrder(std::size_t index) {
    if (index >= orders_.size())
        return;
    current_ = index;
    const StoredOrder& o = orders_[index];
    lblBr->setText(QString::number(o.Broj) + " od "_q + QString::number(orders_.size()));
    txtDuznik->setText(toQ(o.nalogododavac));
    txtSvrha->setText(toQ(o.SVRHA));
    txtPrimalac->setText(toQ(o.poverilac));
    txtSifra->setText(toQ(o.SIFRA));
    showAmount(txtIZnos, o.Iznos);
    txtRacunD->setText(toQ(o.racun_duznika));
    txtRacunP->setText(toQ(o.racun_poverioca));
    txtModelP->setText(o.POziv_na_broj.empty() ? QString() : QStringLiteral("97"));
    txtpozivP->setText(toQ(o.POziv_na_broj));
    cmdPrethodni->setEnabled(index > 0);
    cmdSledeci->setEnabled(index + 1 < orders_.size());
}

StoredOrder frmNalogZaPrenos::edited() const {
    StoredOrder o = orders_[current_];
    o.nalogododavac = fromQ(txtDuznik->text());
    o.SVRHA = fromQ(txtSvrha->text());
    o.poverilac = fromQ(txtPrimalac->text());
    o.SIFRA = fromQ(txtSifra->text());
    o.Iznos = amountIn(txtIZnos);
    o.racun_duznika = fromQ(txtRacunD->text());
    o.racun_poverioca = fromQ(txtRacunP->text());
    o.POziv_na_broj = fromQ(txtpozivP->text());
    return o;
}

void frmNalogZaPrenos::checkReference() {
    const auto warning =
        referenceWarning(fromQ(txtModelP->text().trimmed() + " " + txtpozivP->text().trimmed()));
    lblPoziv->setText(warning ? toQ(*warning) : QString());
}

std::string frmNalogZaPrenos::place() const {
    return fromQ(txtMesto->text().trimmed());
}

void frmNalogZaPrenos::cmdSnimi_Click() {
    if (orders_.empty())
        return;
    ui::guarded(this, "cmdSnimi_Click", [&] {
        const StoredOrder order = edited();
        if (const auto refusal = saveOrder(*context_.PayrollDb, order)) {
            showRefusal(this, *refusal);
            return;
        }
        orders_[current_] = order;
        message(this, "Promene na nalogu su snimljene!"_q, Icon::Information);
    });
}

void frmNalogZaPrenos::cmdStampaj_Click() {
    if (orders_.empty())
        return;
    const QDate d = dtDatum->date();
    report::showPreview(this,
                        employees::PaymentOrdersDocument(
                            {printedOrder(edited(), place(), {d.year(), d.month(), d.day()})},
                            "NALOG ZA PRENOS"_yu),
                        context_.PrinterName);
}

void frmNalogZaPrenos::cmdStampajSve_Click() {
    if (orders_.empty())
        return;
    const QDate d = dtDatum->date();
    std::vector<employees::PaymentOrder> printed;
    for (const StoredOrder& o : orders_)
        printed.push_back(printedOrder(o, place(), {d.year(), d.month(), d.day()}));
    report::showPreview(this, employees::PaymentOrdersDocument(printed, "NALOG ZA PRENOS"_yu),
                        context_.PrinterName);
}

void frmNalogZaPrenos::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::outputs
