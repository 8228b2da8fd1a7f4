#include "outputs/frmTrezor.h"

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
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "outputs/TreasuryReport.h"
#include "outputs/TreasuryXml.h"
#include "outputs/frmTrezorDodaj.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

QStringList paymentCaptions() {
    return {"0 - cela isplata"_q, "1 - prvi deo"_q, "2 - drugi deo"_q};
}

} // namespace

frmTrezor::frmTrezor(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbVrsta(new QComboBox(this))
    , period_(this, paymentCaptions())
    , txtNalog(new QLineEdit(this))
    , txtRJ(new QLineEdit("0", this))
    , cmdUcitaj(new QPushButton("U~itaj"_q, this))
    , lblJIBK(new QLabel(this))
    , txtJed(new QLineEdit(this))
    , txtJed2(new QLineEdit("1", this))
    , txtPodIzvor(new QLineEdit("0", this))
    , listT(makeList(this, "listT",
                     {"Stavka"_q, "Iznos"_q, "Primalac"_q, "Svrha"_q, "[ifra"_q, "Ra~un"_q, ""_q,
                      "Model"_q, "Poziv na broj"_q, "ID"_q, "Obaveza"_q}))
    , txtUkupno(new QLabel(this))
    , listNalog(makeList(this, "listNalog",
                         {"Stavka"_q, "Duguje konto"_q, "Potra`uje konto"_q, "Iznos"_q}))
    , listObaveze(makeList(this, "listObaveze", {"Ekon. klasifikacija"_q, "Iznos"_q, "Izvor"_q}))
    , cmbIzvor(new QComboBox(this))
    , txtUkupnoD(new QLabel(this))
    , cmdObrisi(new QPushButton("Obri{i stavku"_q, this))
    , cmdDodaj(new QPushButton("Dodaj stavku naloga"_q, this))
    , Command1(new QPushButton("XML - obaveza (COM)"_q, this))
    , cmdGenerisiXML(new QPushButton("XML - pla}anje (PAY)"_q, this))
    , cmdStampa(new QPushButton("[tampa zahteva"_q, this))
    , cmdIzvestaj(new QPushButton("Izve{taj za ministarstvo"_q, this)) {
    setObjectName("frmTrezor");
    setWindowTitle("TREZOR - Zahtev"_q);
    for (auto [widget, name] : {std::pair<QWidget*, const char*>{cmbVrsta, "cmbVrsta"},
                                {txtNalog, "txtNalog"},
                                {txtRJ, "txtRJ"},
                                {cmdUcitaj, "cmdUcitaj"},
                                {lblJIBK, "lblJIBK"},
                                {txtJed, "txtJed"},
                                {txtJed2, "txtJed2"},
                                {txtPodIzvor, "txtPodIzvor"},
                                {txtUkupno, "txtUkupno"},
                                {cmbIzvor, "cmbIzvor"},
                                {txtUkupnoD, "txtUkupnoD"},
                                {cmdObrisi, "cmdObrisi"},
                                {cmdDodaj, "cmdDodaj"},
                                {Command1, "Command1"},
                                {cmdGenerisiXML, "cmdGenerisiXML"},
                                {cmdStampa, "cmdStampa"},
                                {cmdIzvestaj, "cmdIzvestaj"}})
        widget->setObjectName(name);
    cmbVrsta->addItems({"Zarade"_q, "Bolovanje preko 30 dana"_q, "Porodiljsko odsustvo"_q,
                        "Ostala primanja (nalog)"_q});
    cmbIzvor->addItems({"01", "04", "07"});
    txtNalog->setMaximumWidth(70);
    txtJed->setMaximumWidth(90);
    txtJed2->setMaximumWidth(40);
    txtPodIzvor->setMaximumWidth(40);
    listObaveze->setColumnWidth(0, 140);
    listNalog->setColumnWidth(0, 130);
    txtRJ->setMaximumWidth(50);
    listT->setColumnWidth(0, 150);
    listT->setColumnWidth(2, 150);
    listT->setColumnWidth(3, 120);
    listT->setColumnWidth(5, 160);
    listT->setColumnWidth(6, 20);
    guarded(this, "Form_Load", [&] {
        lblJIBK->setText(toQ(loadJibk(*context_.PayrollDb)));
        txtJed->setText(toQ(storedBatchNumber(*context_.PayrollDb)));
    });
    const Date today = context_.clock.today();
    period_.choose(context_.WorkYear != 0 ? context_.WorkYear : today.year, today.month, 0);

    connect(cmdUcitaj, &QPushButton::clicked, this, &frmTrezor::cmdUcitaj_Click);
    connect(cmdObrisi, &QPushButton::clicked, this, &frmTrezor::cmdObrisi_Click);
    connect(cmdDodaj, &QPushButton::clicked, this, &frmTrezor::cmdDodaj_Click);
    connect(Command1, &QPushButton::clicked, this, &frmTrezor::Command1_Click);
    connect(cmdGenerisiXML, &QPushButton::clicked, this, &frmTrezor::cmdGenerisiXML_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmTrezor::cmdStampa_Click);
    connect(cmdIzvestaj, &QPushButton::clicked, this, &frmTrezor::cmdIzvestaj_Click);
    connect(cmbIzvor, &QComboBox::activated, this, [this] {
        if (QTreeWidgetItem* item = listObaveze->currentItem()) {
            sources_[fromQ(item->text(0))] = fromQ(cmbIzvor->currentText());
            showRows();
        }
    });

    auto* choice = new QHBoxLayout;
    choice->addWidget(cmbVrsta);
    choice->addLayout(period_.row());
    choice->addWidget(new QLabel("RJ:"_q, this));
    choice->addWidget(txtRJ);
    choice->addWidget(new QLabel("Nalog:"_q, this));
    choice->addWidget(txtNalog);
    choice->addWidget(cmdUcitaj);
    auto* institution = new QHBoxLayout;
    institution->addWidget(new QLabel("JIBK:"_q, this));
    institution->addWidget(lblJIBK);
    institution->addWidget(new QLabel("Jedinstveni broj:"_q, this));
    institution->addWidget(txtJed);
    institution->addWidget(new QLabel("Redni broj fajla:"_q, this));
    institution->addWidget(txtJed2);
    institution->addWidget(new QLabel("Podizvor:"_q, this));
    institution->addWidget(txtPodIzvor);
    institution->addStretch(1);
    auto* lower = new QGridLayout;
    lower->addWidget(listNalog, 0, 0);
    lower->addWidget(listObaveze, 0, 1);
    auto* journalRow = new QHBoxLayout;
    journalRow->addWidget(cmdDodaj);
    journalRow->addStretch(1);
    lower->addLayout(journalRow, 1, 0);
    auto* commitmentRow = new QHBoxLayout;
    commitmentRow->addWidget(new QLabel("Izvor:"_q, this));
    commitmentRow->addWidget(cmbIzvor);
    commitmentRow->addStretch(1);
    commitmentRow->addWidget(txtUkupnoD);
    lower->addLayout(commitmentRow, 1, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdObrisi);
    commands->addWidget(txtUkupno, 1);
    for (QPushButton* button : {Command1, cmdGenerisiXML, cmdStampa, cmdIzvestaj})
        commands->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(institution);
    layout->addWidget(listT, 3);
    layout->addLayout(commands);
    layout->addLayout(lower, 2);
    resize(1150, 680);
}

void frmTrezor::choose(TreasurySource source, int year, int month, Payment payment) {
    cmbVrsta->setCurrentIndex(static_cast<int>(source));
    period_.choose(year, month, static_cast<int>(payment));
    cmdUcitaj_Click();
}

TreasuryPayout frmTrezor::payout() const {
    TreasuryPayout chosen{static_cast<TreasurySource>(cmbVrsta->currentIndex()), period_.year(),
                          period_.month()};
    chosen.payment = static_cast<Payment>(period_.payment());
    chosen.unit = wholeValue(fromQ(txtRJ->text()));
    chosen.batch = wholeValue(fromQ(txtNalog->text()));
    return chosen;
}

void frmTrezor::cmdUcitaj_Click() {
    const TreasuryPayout chosen = payout();
    if (chosen.source == TreasurySource::OtherIncome ? chosen.batch == 0 : chosen.month == 0) {
        message(this, "Izaberite mesec!"_q, Icon::Exclamation);
        return;
    }
    payments_.clear();
    journal_.clear();
    guarded(this, "cmdUcitaj_Click", [&] {
        auto built = buildTreasuryBatch(*context_.PayrollDb, chosen);
        if (!built) {
            showRefusal(this, built.refusal());
            return;
        }
        payments_ = std::move(built.value().payments);
        journal_ = std::move(built.value().journal);
    });
    showRows();
}

std::vector<CommitmentLine> frmTrezor::commitment() const {
    std::vector<CommitmentLine> lines = commitmentLines(journal_);
    for (CommitmentLine& line : lines)
        if (const auto chosen = sources_.find(line.code); chosen != sources_.end())
            line.source = chosen->second;
    return lines;
}

void frmTrezor::showRows() {
    listT->clear();
    for (const TreasuryPayment& p : payments_)
        addRow(listT, {p.text, amount(p.amount), p.payee, p.purpose, p.paymentCode, p.account, "*",
                       p.model, p.reference, p.externalId, p.liabilityCode})
            ->setTextAlignment(1, Qt::AlignRight);
    listNalog->clear();
    for (const TreasuryJournalLine& line : journal_)
        addRow(listNalog, {line.text, line.debitAccount, line.creditAccount, amount(line.amount)})
            ->setTextAlignment(3, Qt::AlignRight);
    listObaveze->clear();
    const auto lines = commitment();
    for (const CommitmentLine& line : lines)
        addRow(listObaveze, {line.code, amount(line.amount), line.source})
            ->setTextAlignment(1, Qt::AlignRight);
    txtUkupno->setText("Ukupno pla}anja: "_q + toQ(amount(paymentsTotal(payments_))));
    txtUkupnoD->setText("Ukupno obaveza: "_q + toQ(amount(commitmentTotal(lines))));
}

std::optional<TreasuryHeader> frmTrezor::header() {
    const auto number = checkedBatchNumber(fromQ(txtJed->text()));
    if (!number) {
        showRefusal(this, number.refusal());
        return std::nullopt;
    }
    return TreasuryHeader{
        fromQ(lblJIBK->text()), *number, static_cast<int>(wholeValue(fromQ(txtJed2->text()))),
        static_cast<int>(wholeValue(fromQ(txtPodIzvor->text()))), context_.clock.today()};
}

void frmTrezor::Command1_Click() {
    const auto named = header();
    if (!named)
        return;
    guarded(this, "Command1_Click", [&] {
        storeBatchNumber(*context_.PayrollDb, named->batchNumber);
        const auto file =
            writeTreasuryFile(treasuryFolder(context_.BaseFolder), treasuryFileName(*named, "COM"),
                              commitmentXml(*named, commitment()));
        message(this, toQ(treasuryWrittenMessage(file)), Icon::Information);
    });
}

void frmTrezor::cmdGenerisiXML_Click() {
    const auto named = header();
    if (!named)
        return;
    for (const std::string& mismatch : commitmentMismatches(commitment(), payments_))
        message(this, toQ(mismatch), Icon::Exclamation);
    guarded(this, "cmdGenerisiXML_Click", [&] {
        const auto file =
            writeTreasuryFile(treasuryFolder(context_.BaseFolder), treasuryFileName(*named, "PAY"),
                              paymentXml(*named, payments_));
        message(this, toQ(treasuryWrittenMessage(file)), Icon::Information);
    });
}

void frmTrezor::cmdObrisi_Click() {
    QTreeWidgetItem* item = listT->currentItem();
    if (!item || !ask(this, "Da li zelite da obrisete selektovanu stavku?"_q))
        return;
    payments_.erase(payments_.begin() + listT->indexOfTopLevelItem(item));
    showRows();
}

void frmTrezor::cmdDodaj_Click() {
    frmTrezorDodaj dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        addJournalLine(dialog.line());
}

void frmTrezor::addJournalLine(const TreasuryJournalLine& line) {
    journal_.push_back(line);
    showRows();
}

TreasuryPrint frmTrezor::print() const {
    TreasuryPrint print{{}, fromQ(lblJIBK->text()), fromQ(txtJed->text()), context_.clock.today()};
    if (context_.CompanyMasterDb)
        if (const auto company = report::readCompanyData(*context_.CompanyMasterDb))
            print.company = *company;
    return print;
}

void frmTrezor::cmdStampa_Click() {
    guarded(this, "cmdStampa_Click", [&] {
        report::showPreview(this, treasuryRequest(print(), payments_), context_.PrinterName);
    });
}

void frmTrezor::cmdIzvestaj_Click() {
    guarded(this, "cmdIzvestaj_Click", [&] {
        report::showPreview(this, ministryReport(print(), journal_), context_.PrinterName);
    });
}

void frmTrezor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::outputs
