#include "outputs/frmRekapitulacijaNalog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "outputs/BooksWindowKit.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

frmRekapitulacijaNalog::frmRekapitulacijaNalog(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , period_(this, {"0 - Ceo mesec"_q, "1 - Prvi deo"_q, "2 - Drugi deo"_q})
    , listK(ui::makeList(this, "listK", {"Konto"_q, "Opis"_q, "Dug"_q, "Pot"_q})) {
    setObjectName("frmRekapitulacijaNalog");
    setWindowTitle("Rekapitulacija bruto zarada po kontima"_q);
    const Date today = context_.clock.today();
    period_.choose(context_.WorkYear != 0 ? context_.WorkYear : today.year,
                   context_.CalcMonth != 0 ? context_.CalcMonth : today.month, 0);
    period_.whenChanged(this, [this] {
        listK->clear();
        source_.reset();
    });
    QHBoxLayout* choice = period_.row();
    choice->addWidget(
        commandButton(this, "cmdPrikazi", "Prika`i"_q, [this] { cmdPrikazi_Click(); }));
    choice->addWidget(commandButton(this, "cmdStampa", "[tampa"_q, [this] { cmdStampa_Click(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(listK, 1);
    resize(720, 520);
}

void frmRekapitulacijaNalog::showPayout(const ListSelection& selection) {
    period_.choose(selection.year, selection.month, static_cast<int>(selection.payment));
    cmdPrikazi_Click();
}

void frmRekapitulacijaNalog::cmdPrikazi_Click() {
    ui::guarded(this, "cmdPrikazi_Click", [&] {
        listK->clear();
        source_.reset();
        auto list =
            loadPayrollList(*context_.PayrollDb, {period_.year(), period_.month(),
                                                  static_cast<Payment>(period_.payment()), 0});
        if (!list) {
            ui::showRefusal(this, list.refusal());
            return;
        }
        showLines(payoutSource(*list), KontaKind::Salaries);
    });
}

void frmRekapitulacijaNalog::showCompensation(PayoutSource source) {
    period_.choose(source.year, source.month, 0);
    ui::guarded(this, "showCompensation",
                [&] { showLines(std::move(source), KontaKind::Compensation); });
}

void frmRekapitulacijaNalog::showLines(PayoutSource source, KontaKind kind) {
    listK->clear();
    source_ = std::move(source);
    lines_ = kontaRecapitulation(*context_.PayrollDb, kind, *source_);
    for (const KontaLine& line : lines_) {
        QTreeWidgetItem* item =
            ui::addRow(listK, {line.konto, line.Opis, format(line.debit, NumberFormat::Thousands),
                               format(line.credit, NumberFormat::Thousands)});
        item->setTextAlignment(2, Qt::AlignRight);
        item->setTextAlignment(3, Qt::AlignRight);
    }
    listK->header()->resizeSections(QHeaderView::ResizeToContents);
}

void frmRekapitulacijaNalog::cmdStampa_Click() {
    if (!source_)
        return;
    ui::guarded(this, "cmdStampa_Click", [&] {
        report::showPreview(this,
                            kontaRecapitulationReport(companyPrint(context_), *source_, lines_),
                            context_.PrinterName);
    });
}

} // namespace zarion::outputs
