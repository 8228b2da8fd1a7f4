#include "payroll/frmProsek.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "payroll/AverageReport.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::payroll {

using namespace ui;

namespace {

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

// "<label> BRUTO <gross>   NETO <net>"; nothing without averages.
QString averagesText(const char* label, const std::optional<Averages>& averages) {
    if (!averages)
        return {};
    return toQ(yuscii(label)) + " BRUTO "_q + toQ(amount(averages->gross)) + "   NETO "_q +
           toQ(amount(averages->net));
}

} // namespace

frmProsek::frmProsek(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbOdMesec(new QComboBox(this))
    , cmbOdGodina(new QComboBox(this))
    , cmbDoMesec(new QComboBox(this))
    , cmbDoGodina(new QComboBox(this))
    , cmdPrikazi(new QPushButton("Prika`i"_q, this))
    , cmdStampaj(new QPushButton("[tampaj"_q, this))
    , first_(makeTable("listProsek", "lblUkupno", "lblProsek"))
    , second_(makeTable("listProsek2", "lblUkupno2", "lblProsek2"))
    , lblProsekObe(new QLabel(this)) {
    setObjectName("frmProsek");
    setWindowTitle("Prose~ne zarade"_q);
    cmbOdMesec->setObjectName("cmbOdMesec");
    cmbOdGodina->setObjectName("cmbOdGodina");
    cmbDoMesec->setObjectName("cmbDoMesec");
    cmbDoGodina->setObjectName("cmbDoGodina");
    cmdPrikazi->setObjectName("cmdPrikazi");
    cmdStampaj->setObjectName("cmdStampaj");
    lblProsekObe->setObjectName("lblProsekObe");
    second_.title->setObjectName("lblNaziv2");
    for (QComboBox* box : {cmbOdMesec, cmbDoMesec})
        ui::fillMonths(box);
    for (QComboBox* box : {cmbOdGodina, cmbDoGodina})
        ui::fillYears(box);
    const int year = context_.WorkYear != 0 ? context_.WorkYear : context_.clock.today().year;
    cmbOdMesec->setCurrentIndex(cmbOdMesec->findData(1));
    cmbDoMesec->setCurrentIndex(cmbDoMesec->findData(12));
    cmbOdGodina->setCurrentIndex(cmbOdGodina->findData(year));
    cmbDoGodina->setCurrentIndex(cmbDoGodina->findData(year));
    cmdStampaj->setEnabled(false);
    connect(cmdPrikazi, &QPushButton::clicked, this, &frmProsek::cmdPrikazi_Click);
    connect(cmdStampaj, &QPushButton::clicked, this, &frmProsek::cmdStampaj_Click);

    auto* choice = new QHBoxLayout;
    for (auto [caption, box] : {std::pair{"Od meseca:", cmbOdMesec},
                                {"godine:", cmbOdGodina},
                                {"do meseca:", cmbDoMesec},
                                {"godine:", cmbDoGodina}}) {
        choice->addWidget(new QLabel(toQ(caption), this));
        choice->addWidget(box);
    }
    choice->addStretch();
    choice->addWidget(cmdPrikazi);
    choice->addWidget(cmdStampaj);
    auto* tables = new QGridLayout;
    int column = 0;
    for (const TableView* view : {&first_, &second_}) {
        tables->addWidget(view->title, 0, column);
        tables->addWidget(view->list, 1, column);
        tables->addWidget(view->totals, 2, column);
        tables->addWidget(view->averages, 3, column);
        ++column;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(tables, 1);
    layout->addWidget(lblProsekObe);
    resize(1000, 560);
}

frmProsek::TableView frmProsek::makeTable(const char* listName, const char* totalsName,
                                          const char* averagesName) {
    TableView view{
        new QLabel(this),
        ui::makeList(this, listName, {"Mesec"_q, "Br.zaposlenih"_q, "Uk.bruto"_q, "Uk.neto"_q}),
        new QLabel(this), new QLabel(this)};
    view.totals->setObjectName(totalsName);
    view.averages->setObjectName(averagesName);
    for (int c = 1; c < 4; ++c)
        view.list->headerItem()->setTextAlignment(c, Qt::AlignRight);
    view.list->setColumnWidth(0, 90);
    view.list->setColumnWidth(1, 100);
    view.list->setColumnWidth(2, 130);
    return view;
}

AveragePeriod frmProsek::period() const {
    return {cmbOdMesec->currentData().toInt(), cmbOdGodina->currentData().toInt(),
            cmbDoMesec->currentData().toInt(), cmbDoGodina->currentData().toInt()};
}

void frmProsek::showTable(const TableView& view, const AverageTable& table) {
    view.title->setText(toQ(table.title));
    view.list->clear();
    for (const AverageRow& row : table.rows) {
        QTreeWidgetItem* item = ui::addRow(
            view.list,
            {monthText(row), std::to_string(row.employees), amount(row.gross), amount(row.net)},
            row.year * 100 + row.month);
        for (int c = 1; c < 4; ++c)
            item->setTextAlignment(c, Qt::AlignRight);
    }
    view.totals->setText("UKUPNO: "_q + QString::number(table.employees) + "   BRUTO "_q +
                         toQ(amount(table.gross)) + "   NETO "_q + toQ(amount(table.net)));
    view.averages->setText(averagesText("PROSE^NO:", table.averages));
}

void frmProsek::cmdPrikazi_Click() {
    ui::guarded(this, "cmdPrikazi_Click", [&] {
        const AveragePeriod chosen = period();
        shownPeriod_ = chosen;
        firstTable_ = loadAverageTable(*context_.PayrollDb, chosen);
        secondTable_.reset();
        showTable(first_, *firstTable_);
        showTable(second_, AverageTable{});
        second_.totals->clear();
        lblProsekObe->clear();
        cmdStampaj->setEnabled(true);
        if (!firstTable_->averages)
            message(this, toQ(noCalculationsInPeriod()), Icon::Exclamation);
        if (!ask(this, "Da li zelite prikazivanje podataka iz druge baze"_q))
            return;
        const auto number = askNumber(this, "Unesite broj druge baze!"_q);
        const long long company = number ? number->raw() / Currency::Scale : 0;
        if (company == 0)
            return;
        auto other = loadOtherCompanyTable(context_.DataRoot, context_.WorkYear, company, chosen);
        if (!other) {
            message(this, toQ(other.message()), Icon::Critical);
            return;
        }
        secondTable_ = *other;
        showTable(second_, *secondTable_);
        const auto common = commonAverages(*firstTable_, *secondTable_);
        lblProsekObe->setText(averagesText("PROSE^NO ZA OBE TABELE:", common));
    });
}

void frmProsek::cmdStampaj_Click() {
    if (!firstTable_)
        return;
    ui::guarded(this, "cmdStampaj_Click", [&] {
        report::CompanyData company;
        if (context_.CompanyMasterDb)
            company = report::readCompanyData(*context_.CompanyMasterDb).value_or(company);
        report::showPreview(this,
                            averageEarningsReview(company, context_.logoPath(), shownPeriod_,
                                                  *firstTable_, secondTable_),
                            context_.PrinterName);
    });
}

} // namespace zarion::payroll
