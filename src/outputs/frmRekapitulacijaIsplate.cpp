#include "outputs/frmRekapitulacijaIsplate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "outputs/BooksWindowKit.h"
#include "payroll/Settings.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

frmRekapitulacijaIsplate::frmRekapitulacijaIsplate(AppContext& context, PayoutSource source,
                                                   QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , source_(std::move(source))
    , listR(ui::makeList(this, "listR", {"OPIS"_q, "IZNOS"_q, "^ASOVI"_q, "BRUTO"_q, "BRUTO2"_q})) {
    setObjectName("frmRekapitulacijaIsplate");
    setWindowTitle(toQ(payoutRecapitulationTitle(source_)));
    ui::guarded(this, "Form_Load", [&] {
        const bool publicSector = payroll::loadSettings(*context_.PayrollDb).coefficientPricing();
        lines_ = payoutRecapitulation(source_, publicSector);
    });
    for (const RecapLine& line : lines_) {
        const std::string hours =
            line.hours == 0 ? std::string() : format(line.hours, NumberFormat::Grouped2);
        QTreeWidgetItem* item =
            line.count
                ? ui::addRow(listR, {line.text, std::to_string(line.people)})
                : ui::addRow(listR, {line.text, format(line.amount, NumberFormat::Grouped2), hours,
                                     amountOrBlank(line.gross), amountOrBlank(line.gross2)});
        for (int column = 1; column < 5; ++column)
            item->setTextAlignment(column, Qt::AlignRight);
        if (line.total) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < 5; ++column)
                item->setFont(column, bold);
        }
    }
    listR->header()->resizeSections(QHeaderView::ResizeToContents);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandButton(this, "cmdStampa", "[tampa"_q, [this] { cmdStampa_Click(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listR, 1);
    layout->addLayout(buttons);
    resize(760, 720);
}

void frmRekapitulacijaIsplate::cmdStampa_Click() {
    ui::guarded(this, "cmdStampa_Click", [&] {
        report::showPreview(this,
                            payoutRecapitulationReport(companyPrint(context_), source_, lines_),
                            context_.PrinterName);
    });
}

} // namespace zarion::outputs
