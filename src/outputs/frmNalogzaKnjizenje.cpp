#include "outputs/frmNalogzaKnjizenje.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/startup/DatabaseFiles.h"
#include "outputs/BooksWindowKit.h"
#include "outputs/JournalReport.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

frmNalogzaKnjizenje::frmNalogzaKnjizenje(AppContext& context, PayrollList list, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , list_(std::move(list))
    , lblMesec(new QLabel("Mesec: "_q + QString::number(list_.selection.month), this))
    , lblGodina(new QLabel("Godina: "_q + QString::number(list_.selection.year), this))
    , listK(ui::makeList(
          this, "listK",
          {"OPIS"_q, "Konto Dug"_q, "Konto Pot"_q, "Iznos"_q, "ID"_q, "Opis Dug"_q, "Opis Pot"_q}))
    , listN(ui::makeList(
          this, "listN",
          {"Konto"_q, "Analit."_q, "Ceo konto"_q, "Opis"_q, "Duguje"_q, "Potra`uje"_q}))
    , cmbNalog(new QComboBox(this))
    , txtPrefiks(new QLineEdit("PL"_q, this))
    , txtBroj(new QLineEdit(QString::number(list_.selection.month), this))
    , txtOpis(new QLineEdit("Obra~un zarada za "_q + QString::number(list_.selection.month) +
                                "/"_q + QString::number(list_.selection.year),
                            this))
    , dtDatum(new QDateEdit(this))
    , cmdK2(commandButton(this, "cmdK2", "Knji`i u glavnu knjigu 2"_q, [this] { cmdK2_Click(); })) {
    setObjectName("frmNalogzaKnjizenje");
    setWindowTitle("Nalog za knji`enje"_q);
    const std::pair<QWidget*, const char*> names[] = {
        {lblMesec, "lblMesec"},     {lblGodina, "lblGodina"}, {cmbNalog, "cmbNalog"},
        {txtPrefiks, "txtPrefiks"}, {txtBroj, "txtBroj"},     {txtOpis, "txtOpis"},
        {dtDatum, "dtDatum"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(name);
    const Date today = context_.clock.today();
    dtDatum->setDisplayFormat("dd.MM.yyyy");
    dtDatum->setCalendarPopup(true);
    dtDatum->setDate(QDate(today.year, today.month, today.day));

    ui::guarded(this, "Form_Load", [&] {
        fillJournalTypes();
        entry_ = buildJournal(*context_.PayrollDb, loadJournalSettings(*context_.PayrollDb), list_,
                              context_.CompanyPibFlag);
        cmdK2->setEnabled(secondLedgerInUse(*context_.PayrollDb));
    });
    showItems();
    showLines();
    connect(listK, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { listK_DblClick(item); });

    auto* top = new QHBoxLayout;
    top->addWidget(lblMesec);
    top->addWidget(lblGodina);
    top->addStretch();
    auto* order = new QGridLayout;
    order->addWidget(new QLabel("Tip naloga:"_q, this), 0, 0);
    order->addWidget(cmbNalog, 0, 1, 1, 3);
    order->addWidget(new QLabel("Nalog:"_q, this), 1, 0);
    order->addWidget(txtPrefiks, 1, 1);
    order->addWidget(new QLabel("Broj:"_q, this), 1, 2);
    order->addWidget(txtBroj, 1, 3);
    order->addWidget(new QLabel("Opis:"_q, this), 2, 0);
    order->addWidget(txtOpis, 2, 1, 1, 3);
    order->addWidget(new QLabel("Datum:"_q, this), 3, 0);
    order->addWidget(dtDatum, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(order);
    buttons->addStretch();
    buttons->addWidget(commandButton(this, "cmdStampa", "[tampa"_q, [this] { cmdStampa_Click(); }));
    buttons->addWidget(commandButton(this, "cmdKnjizi", "Knji`i"_q, [this] { cmdKnjizi_Click(); }));
    buttons->addWidget(cmdK2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listK, 1);
    layout->addWidget(listN, 2);
    layout->addLayout(buttons);
    resize(1000, 720);
}

void frmNalogzaKnjizenje::fillJournalTypes() {
    const auto schemes = startup::openAccountSchemes(context_.DataRoot, list_.selection.year);
    types_ = journalTypes(*schemes);
    const std::int64_t chosen = loadJournalSettings(*context_.PayrollDb).journalType;
    cmbNalog->addItem(QString(), 0);
    for (const JournalType& type : types_) {
        cmbNalog->addItem(toQ(type.caption()), static_cast<qlonglong>(type.id));
        if (type.id == chosen)
            cmbNalog->setCurrentIndex(cmbNalog->count() - 1);
    }
}

void frmNalogzaKnjizenje::showItems() {
    listK->clear();
    for (const JournalItem& item : entry_.items) {
        QTreeWidgetItem* row =
            ui::addRow(listK,
                       {item.label, item.debit, item.credit, amountOrBlank(item.amount),
                        std::to_string(item.id), item.debitName, item.creditName},
                       item.id);
        row->setTextAlignment(3, Qt::AlignRight);
    }
    listK->header()->resizeSections(QHeaderView::ResizeToContents);
}

void frmNalogzaKnjizenje::showLines() {
    listN->clear();
    for (const JournalLine& line : entry_.lines) {
        QTreeWidgetItem* row =
            ui::addRow(listN, {line.konto, line.analitika, line.fullAccount(),
                               line.opis_konta.empty() ? line.text : line.opis_konta,
                               amountOrBlank(line.duguje), amountOrBlank(line.potrazuje)});
        row->setTextAlignment(4, Qt::AlignRight);
        row->setTextAlignment(5, Qt::AlignRight);
    }
    listN->header()->resizeSections(QHeaderView::ResizeToContents);
}

// Changes the debit or the credit account of the item; its lines follow.
void frmNalogzaKnjizenje::listK_DblClick(QTreeWidgetItem* row) {
    if (!row)
        return;
    JournalItem& item = entry_.items[static_cast<std::size_t>(ui::currentNumber(listK) - 1)];
    const bool debit = ui::ask(this, toQ(item.label) + " - DUGUJE?"_q);
    const QString caption = toQ(item.label) + (debit ? " - DUGUJE"_q : " - POTRA@UJE"_q);
    const auto account = ui::askText(this, caption, toQ(debit ? item.debit : item.credit));
    if (!account)
        return;
    ui::guarded(this, "listK_DblClick", [&] {
        std::string& konto = debit ? item.debit : item.credit;
        konto = ui::fromQ(account->trimmed());
        (debit ? item.debitName : item.creditName) = accountName(*context_.PayrollDb, konto);
        entry_.lines = itemLines(entry_.items, context_.CompanyPibFlag ? &list_ : nullptr);
        for (JournalLine& line : entry_.lines)
            line.opis_konta = accountName(*context_.PayrollDb, line.konto);
    });
    showItems();
    showLines();
}

JournalOrder frmNalogzaKnjizenje::order() const {
    JournalOrder o;
    const std::int64_t type = cmbNalog->currentData().toLongLong();
    for (const JournalType& t : types_)
        if (t.id == type)
            o.type = t;
    o.prefix = ui::fromQ(txtPrefiks->text().trimmed());
    o.number = wholeValue(ui::fromQ(txtBroj->text()));
    o.text = ui::fromQ(txtOpis->text().trimmed());
    const QDate d = dtDatum->date();
    o.date = {d.year(), d.month(), d.day()};
    o.year = list_.selection.year;
    o.month = list_.selection.month;
    return o;
}

void frmNalogzaKnjizenje::post(const char* routine,
                               Refused (*posting)(db::Database&, const JournalOrder&,
                                                  const std::vector<JournalLine>&)) {
    ui::guarded(this, routine, [&] {
        if (const Refused refused = posting(*context_.PayrollDb, order(), entry_.lines)) {
            ui::showRefusal(this, *refused);
            return;
        }
        ui::message(this, toQ(journalPostedMessage()), ui::Icon::Information);
    });
}

void frmNalogzaKnjizenje::cmdKnjizi_Click() {
    post("cmdKnjizi_Click", postToGeneralJournal);
}

void frmNalogzaKnjizenje::cmdK2_Click() {
    post("cmdK2_Click", postToSecondLedger);
}

void frmNalogzaKnjizenje::cmdStampa_Click() {
    ui::guarded(this, "cmdStampa_Click", [&] {
        report::showPreview(this,
                            journalReport(companyPrint(context_), list_.selection, entry_.lines),
                            context_.PrinterName);
    });
}

} // namespace zarion::outputs
