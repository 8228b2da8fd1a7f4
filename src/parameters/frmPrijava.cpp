#include "parameters/frmPrijava.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "parameters/ReturnFigures.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::parameters {

using namespace ui;

namespace {

bool isTax(ReturnForm form) {
    return form == ReturnForm::PorezNaZarade || form == ReturnForm::PorezNaNaknade;
}

// The grid's columns as the form's window names them.
QStringList headings(ReturnForm form, const ReturnGrid& grid) {
    QStringList list = {"Red.br."_q, "OPIS"_q};
    if (form == ReturnForm::PorezNaZarade)
        list << "Br.zaposlenih"_q;
    if (isSalaryContributions(form))
        list << "AOP"_q;
    for (const std::string& heading : grid.amountHeadings())
        list << toQ(heading);
    list << (isSalaryContributions(form) ? "Drugi red"_q : "Dva reda"_q) << "Zakljucan"_q;
    if (isSalaryContributions(form))
        list << "Racun"_q;
    if (form == ReturnForm::DoprinosiNaknade)
        list << "Drugi red"_q;
    return list;
}

ReturnPrint printOf(AppContext& context, ReturnForm form, int month, int year, int payment) {
    ReturnPrint print;
    print.form = form;
    if (context.CompanyMasterDb)
        print.company = startup::readCompanyData(*context.CompanyMasterDb).value_or(print.company);
    print.month = month;
    print.year = year;
    print.payment = payment;
    print.taxAccount = salaryTaxAccount(*context.PayrollDb);
    return print;
}

template <typename Window, typename... Form>
Window* openContributions(QWidget* from, AppContext& context, int month, int year, int payment,
                          const std::vector<ContributionFigures>& columns,
                          const Outcome<ContributionTerms>& terms, Form... form) {
    if (!terms) {
        showRefusal(from, terms.refusal());
        return nullptr;
    }
    auto* window = new Window(context, month, year, payment, columns, *terms, form...);
    showBeside(from, window);
    return window;
}

} // namespace

frmPrijava::frmPrijava(AppContext& context, ReturnPrint print, ReturnGrid grid, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , print_(std::move(print))
    , grid_(std::move(grid))
    , grdPrijava(makeList(this, "grdPrijava", headings(print_.form, grid_)))
    , lblRacun(new QLabel(this))
    , cmdStampa(new QPushButton("[tampa"_q, this))
    , cmdIzlaz(new QPushButton("Izlaz"_q, this)) {
    lblRacun->setObjectName("lblRacun");
    cmdStampa->setObjectName("cmdStampa");
    cmdIzlaz->setObjectName("cmdIzlaz");
    // The description takes what the numbers leave.
    grdPrijava->header()->setStretchLastSection(false);
    for (int c = 0; c < grdPrijava->columnCount(); ++c) {
        const QString heading = grdPrijava->headerItem()->text(c);
        const bool flag =
            heading == "Dva reda"_q || heading == "Drugi red"_q || heading == "Zakljucan"_q;
        grdPrijava->setColumnWidth(c, flag ? 75 : heading == "AOP"_q ? 45 : 115);
    }
    grdPrijava->setColumnWidth(0, 50);
    grdPrijava->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    if (isTax(print_.form))
        lblRacun->setText("Uplatni ra~un poreza na zarade: "_q + toQ(print_.taxAccount));

    connect(grdPrijava, &QTreeWidget::itemActivated, this, &frmPrijava::grid_Choose);
    connect(cmdStampa, &QPushButton::clicked, this, &frmPrijava::cmdStampa_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, [this] { closeWindow(this); });

    auto* commands = new QHBoxLayout;
    commands->addWidget(lblRacun, 1);
    commands->addWidget(cmdStampa);
    commands->addWidget(cmdIzlaz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdPrijava, 1);
    layout->addLayout(commands);
    resize(isTax(print_.form) ? 860 : 1180, 420);
    showRows();
}

int frmPrijava::firstAmountColumn() const {
    // After the number and the description, the count or the AOP code where the form has one.
    const bool oneMore =
        print_.form == ReturnForm::PorezNaZarade || isSalaryContributions(print_.form);
    return oneMore ? 3 : 2;
}

void frmPrijava::showRows() {
    const int current = grdPrijava->indexOfTopLevelItem(grdPrijava->currentItem());
    grdPrijava->clear();
    for (const ReturnRow& row : grid_.rows()) {
        std::vector<std::string> texts = {row.number, row.description};
        if (print_.form == ReturnForm::PorezNaZarade)
            texts.push_back(row.hasCount ? std::to_string(row.count) : std::string());
        if (isSalaryContributions(print_.form))
            texts.push_back(row.aop);
        // A heading ("I", "II") carries no amounts.
        const bool heading = row.number.find('.') == std::string::npos;
        for (const Currency amount : row.amounts)
            texts.push_back(heading ? std::string() : format(amount, NumberFormat::Grouped2));
        texts.push_back(row.twoLines ? "Da" : "");
        texts.push_back(row.locked ? "Da" : "");
        if (isSalaryContributions(print_.form))
            texts.push_back(row.account);
        if (print_.form == ReturnForm::DoprinosiNaknade)
            texts.push_back(row.twoLines ? "Da" : "");
        QTreeWidgetItem* item = addRow(grdPrijava, texts);
        for (int c = firstAmountColumn() - (print_.form == ReturnForm::PorezNaZarade ? 1 : 0);
             c < firstAmountColumn() + static_cast<int>(row.amounts.size()); ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (row.locked)
            colourRow(item, QColor(Qt::darkBlue));
    }
    if (current >= 0)
        grdPrijava->setCurrentItem(grdPrijava->topLevelItem(current));
}

void frmPrijava::grid_Choose(QTreeWidgetItem* item, int column) {
    const int index = grdPrijava->indexOfTopLevelItem(item);
    if (index < 0)
        return;
    const auto row = static_cast<std::size_t>(index);
    const int amounts = static_cast<int>(grid_.amountHeadings().size());
    int amount = column - firstAmountColumn();
    if (amount < 0 || amount >= amounts)
        amount = grid_.editable(row, 0) && amounts > 1 ? 1 : 0; // the total is not edited
    if (const auto refused = grid_.editable(row, static_cast<std::size_t>(amount))) {
        showRefusal(this, *refused);
        return;
    }
    std::int64_t count = grid_.rows()[row].count;
    if (grid_.rows()[row].hasCount) {
        const auto typed = askNumber(this, "Broj zaposlenih/anga`ovanih lica!"_q);
        if (!typed)
            return;
        count = typed->round0().raw() / Currency::Scale;
    }
    const auto typed = askNumber(this, "Iznos!"_q);
    if (!typed)
        return;
    guarded(this, "grid_Click", [&] {
        if (const auto refused =
                grid_.edit(row, static_cast<std::size_t>(amount), count, typed->round2()))
            showRefusal(this, *refused);
        showRows();
    });
}

void frmPrijava::cmdStampa_Click() {
    guarded(this, "cmdStampa_Click", [&] {
        report::showPreview(this, PaperReturnDocument(print_, grid_), context_.PrinterName);
    });
}

frmPorezNaZarade::frmPorezNaZarade(AppContext& context, int month, int year, int payment,
                                   const TaxReturnInput& figures)
    : frmPrijava(context, printOf(context, ReturnForm::PorezNaZarade, month, year, payment),
                 salaryTaxReturn(figures)) {
    setObjectName("frmPorezNaZarade");
    setWindowTitle("Poreska prijava PP OPJ"_q);
}

frmPorezNaZaradeOD1::frmPorezNaZaradeOD1(AppContext& context, int month, int year, int payment,
                                         const TaxReturnInput& figures)
    : frmPrijava(context, printOf(context, ReturnForm::PorezNaNaknade, month, year, payment),
                 compensationTaxReturn(figures)) {
    setObjectName("frmPorezNaZaradeOD1");
    setWindowTitle("Poreska prijava PP OPJ - naknade"_q);
}

frmDoprinosi::frmDoprinosi(AppContext& context, int month, int year, int payment,
                           const std::vector<ContributionFigures>& columns,
                           const ContributionTerms& terms, ReturnForm form)
    : frmPrijava(context, printOf(context, form, month, year, payment),
                 salaryContributionReturn(columns, terms.rates, terms.accounts)) {
    setObjectName("frmDoprinosi");
    setWindowTitle(form == ReturnForm::DoprinosiPreduzetnik ? "Poreska prijava PP OD-P"_q
                                                            : "Poreska prijava PP OD"_q);
}

frmDoprinosiOD1::frmDoprinosiOD1(AppContext& context, int month, int year, int payment,
                                 const std::vector<ContributionFigures>& columns,
                                 const ContributionTerms& terms)
    : frmPrijava(context, printOf(context, ReturnForm::DoprinosiNaknade, month, year, payment),
                 compensationContributionReturn(columns, terms.rates, terms.accounts)) {
    setObjectName("frmDoprinosiOD1");
    setWindowTitle("Poreska prijava PP OD-1"_q);
}

frmDoprinosi* openDoprinosi(QWidget* from, AppContext& context, int month, int year, int payment,
                            const std::vector<ContributionFigures>& columns) {
    return openContributions<frmDoprinosi>(
        from, context, month, year, payment, columns,
        companyContributionTerms(*context.PayrollDb, month, year));
}

frmDoprinosi* openDoprinosiPreduzetnik(QWidget* from, AppContext& context, int month, int year,
                                       int payment,
                                       const std::vector<ContributionFigures>& columns) {
    return openContributions<frmDoprinosi>(from, context, month, year, payment, columns,
                                           ownerContributionTerms(*context.PayrollDb),
                                           ReturnForm::DoprinosiPreduzetnik);
}

frmDoprinosiOD1* openDoprinosiOD1(QWidget* from, AppContext& context, int month, int year,
                                  int payment, const std::vector<ContributionFigures>& columns) {
    return openContributions<frmDoprinosiOD1>(
        from, context, month, year, payment, columns,
        companyContributionTerms(*context.PayrollDb, month, year));
}

} // namespace zarion::parameters
