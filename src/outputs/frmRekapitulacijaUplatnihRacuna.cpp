#include "outputs/frmRekapitulacijaUplatnihRacuna.h"

#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "outputs/BooksWindowKit.h"
#include "outputs/PaymentOrders.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

namespace {

constexpr int PrintColumn = 6;

QStringList headings() {
    return {"Red.br"_q,          "Vrsta isplate"_q, "IZNOS"_q,         "[ifra"_q, "Teku}i ra~un"_q,
            "Poziv na broj"_q,   "Stampa se"_q,     "Linija"_q,        "Svrha"_q, "Sifra"_q,
            "Poziv Zaduzenje"_q, "Model"_q,         "Model Poverioc"_q};
}

} // namespace

void openAccountsRecapitulation(QWidget* parent, AppContext& context,
                                Outcome<AccountsSource> source) {
    if (!source) {
        ui::showRefusal(parent, source.refusal());
        return;
    }
    ui::showBeside(parent, new frmRekapitulacijaUplatnihRacuna(context, std::move(source).value()));
}

frmRekapitulacijaUplatnihRacuna::frmRekapitulacijaUplatnihRacuna(AppContext& context,
                                                                 AccountsSource source,
                                                                 QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , source_(std::move(source))
    , lines_(accountLines(source_))
    , listR(ui::makeList(this, "listR", headings()))
    , txtRacun(new QLineEdit(toQ(source_.payoutAccount), this))
    , dtDatum(new QDateEdit(this)) {
    const bool otherIncome = source_.otherIncomeBatch != 0;
    setObjectName(otherIncome ? "frmRekapitulacijaUplatnihOstale"
                              : "frmRekapitulacijaUplatnihRacuna");
    setWindowTitle("Rekapitulacija uplatnih ra~una - "_q + QString::number(source_.month) + "/"_q +
                   QString::number(source_.year) + " "_q + toQ(source_.part));
    txtRacun->setObjectName("txtRacun");
    txtRacun->setReadOnly(true);
    txtRacun->setMinimumWidth(200);
    txtRacun->installEventFilter(this);
    dtDatum->setObjectName("dtDatum");
    dtDatum->setDisplayFormat("dd.MM.yyyy");
    dtDatum->setCalendarPopup(true);
    const Date today = context_.clock.today();
    dtDatum->setDate(QDate(today.year, today.month, today.day));
    showLines();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("Ispla}uje se sa ra~una:"_q, this));
    bottom->addWidget(txtRacun);
    bottom->addWidget(new QLabel("Datum naloga:"_q, this));
    bottom->addWidget(dtDatum);
    bottom->addStretch();
    bottom->addWidget(
        commandButton(this, "cmdStampa", "[tampa rekapitulacije"_q, [this] { cmdStampa_Click(); }));
    bottom->addWidget(commandButton(this, "cmdNalozi", "[tampa ozna~enih naloga"_q,
                                    [this] { cmdNalozi_Click(); }));
    bottom->addWidget(
        commandButton(this, "cmdNalog", "[tampa izabranog naloga"_q, [this] { cmdNalog_Click(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listR, 1);
    layout->addLayout(bottom);
    resize(1100, 620);
}

void frmRekapitulacijaUplatnihRacuna::showLines() {
    listR->clear();
    int index = 0;
    for (const AccountLine& line : lines_) {
        const std::string amount =
            line.amount ? format(*line.amount, NumberFormat::Grouped2) : std::string();
        QTreeWidgetItem* item = ui::addRow(
            listR,
            {line.group() ? std::string() : std::to_string(line.number), line.text, amount,
             line.code, line.account, line.reference, std::string(), std::to_string(index + 1),
             line.purpose, line.code, line.debitReference, line.model, line.model},
            index);
        item->setTextAlignment(2, Qt::AlignRight);
        if (!line.group())
            item->setCheckState(PrintColumn, line.print ? Qt::Checked : Qt::Unchecked);
        ++index;
    }
    listR->header()->resizeSections(QHeaderView::ResizeToContents);
}

// The lines as they stand, each marked as its box in "Stampa se" says.
std::vector<AccountLine> frmRekapitulacijaUplatnihRacuna::markedLines() const {
    std::vector<AccountLine> lines = lines_;
    for (int i = 0; i < listR->topLevelItemCount(); ++i)
        lines[static_cast<std::size_t>(i)].print =
            listR->topLevelItem(i)->checkState(PrintColumn) == Qt::Checked;
    return lines;
}

void frmRekapitulacijaUplatnihRacuna::printOrders(const std::vector<AccountLine>& lines) {
    ui::guarded(this, "cmdNalozi_Click", [&] {
        if (const Refused none = ordersToPrint(lines)) {
            ui::showRefusal(this, *none);
            return;
        }
        const QDate d = dtDatum->date();
        const OrderPrint print{payerName(context_.CompanyMasterDb.get()),
                               companyPrint(context_).company.grad,
                               {d.year(), d.month(), d.day()},
                               orderShift(*context_.PayrollDb)};
        report::showPreview(this, accountOrders(print, source_, lines), context_.PrinterName);
    });
}

void frmRekapitulacijaUplatnihRacuna::cmdStampa_Click() {
    ui::guarded(this, "cmdStampa_Click", [&] {
        report::showPreview(this,
                            accountsRecapitulationReport(companyPrint(context_), source_, lines_),
                            context_.PrinterName);
    });
}

void frmRekapitulacijaUplatnihRacuna::cmdNalozi_Click() {
    printOrders(markedLines());
}

void frmRekapitulacijaUplatnihRacuna::cmdNalog_Click() {
    const QTreeWidgetItem* current = listR->currentItem();
    if (!current || lines_[static_cast<std::size_t>(ui::currentNumber(listR))].group()) {
        ui::message(this, "Izaberite stavku za nalog!"_q, ui::Icon::Exclamation);
        return;
    }
    AccountLine line = lines_[static_cast<std::size_t>(ui::currentNumber(listR))];
    line.print = true;
    printOrders({line});
}

// The other-income batch pays from the account the operator names.
void frmRekapitulacijaUplatnihRacuna::txtRacun_DblClick() {
    if (source_.otherIncomeBatch == 0)
        return;
    if (const auto account =
            ui::askText(this, "Unesite broj isplatnog ra~una!"_q, txtRacun->text())) {
        source_.payoutAccount = ui::fromQ(account->trimmed());
        txtRacun->setText(toQ(source_.payoutAccount));
    }
}

bool frmRekapitulacijaUplatnihRacuna::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtRacun && event->type() == QEvent::MouseButtonDblClick) {
        txtRacun_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zarion::outputs
