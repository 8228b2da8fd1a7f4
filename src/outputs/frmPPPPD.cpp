#include "outputs/frmPPPPD.h"

#include <QCheckBox>
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
#include "core/Text.h"
#include "employees/ReportCompany.h"
#include "outputs/DeclarationOrders.h"
#include "outputs/DeclarationOverrides.h"
#include "outputs/DeclarationXml.h"
#include "outputs/PaymentOrders.h"
#include "outputs/PayrollDeclaration.h"
#include "outputs/ReturnFiling.h"
#include "outputs/frmPPPPDRed.h"
#include "payroll/Settings.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::fromQ;
using ui::toQ;
using ui::operator""_q;

namespace {

constexpr const char* EditNames[] = {"POD22", "POD23", "POD25", "POD26",
                                     "POD27", "POD28", "POD29", "POD210"};

QStringList texts(const std::vector<std::string>& entries) {
    QStringList list;
    for (const std::string& entry : entries)
        list << toQ(entry);
    return list;
}

QDate toQDate(const Date& d) {
    return QDate(d.year, d.month, d.day);
}

Date fromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

// Widths of the 25 columns, wide enough for their usual values.
constexpr int ColumnWidths[DeclarationColumns] = {55, 40, 110, 120, 100, 55, 95, 55, 55,
                                                  65, 85, 85,  80,  95,  80, 80, 70, 75,
                                                  75, 75, 75,  80,  85,  75, 50};

// Days, hours and amounts stand right-aligned.
bool isNumberColumn(std::size_t column) {
    return column >= static_cast<std::size_t>(Col::BrojKalendarskihDana) &&
           column <= static_cast<std::size_t>(Col::Obustave);
}

// At most this many lines of the check list in one message.
constexpr std::size_t ShownFindings = 25;

QString findingsText(const Declaration& d, const std::vector<DeclarationFinding>& findings) {
    QStringList lines;
    for (std::size_t i = 0; i < findings.size() && i < ShownFindings; ++i)
        lines << toQ(findingLine(d, findings[i]));
    if (findings.size() > ShownFindings)
        lines << ("... i jo{ %1"_q).arg(findings.size() - ShownFindings);
    return lines.join('\n');
}

} // namespace

frmPPPPD::frmPPPPD(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context) {
    setObjectName(QStringLiteral("frmPPPPD"));
    setWindowTitle(QStringLiteral("PPP-PD"));
    QStringList headings;
    for (const std::string& heading : declarationHeadings())
        headings << toQ(heading);
    listPPPPD = ui::makeList(this, QStringLiteral("listPPPPD"), headings);
    for (std::size_t c = 0; c < DeclarationColumns; ++c)
        listPPPPD->header()->resizeSection(static_cast<int>(c), ColumnWidths[c]);
    connect(listPPPPD, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { rowChecked(item); });
    connect(listPPPPD, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { listPPPPD_DblClick(item); });

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (frmPPPPD::*slot)()) {
        auto* b = new QPushButton(toQ(yuscii(caption)), this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this,
                [this, slot, name] { ui::guarded(this, name, [&] { (this->*slot)(); }); });
        buttons->addWidget(b);
    };
    button("cmdSvi", "Ozna~i sve", &frmPPPPD::cmdSvi_Click);
    button("cmdNista", "Poni{ti sve", &frmPPPPD::cmdNista_Click);
    button("cmdSati", "Fond sati", &frmPPPPD::cmdSati_Click);
    button("cmdSifra", "[ifra prihoda", &frmPPPPD::cmdSifra_Click);
    button("cmdIZvoz", "Izvoz u XML", &frmPPPPD::cmdIZvoz_Click);
    button("cmdNAlog", "Nalozi za pla}anje", &frmPPPPD::cmdNAlog_Click);
    auto* close = new QPushButton(QStringLiteral("Izlaz"), this);
    close->setObjectName(QStringLiteral("cmdIzlaz"));
    connect(close, &QPushButton::clicked, this, [this] { ui::closeWindow(this); });
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headerPanel());
    layout->addWidget(listPPPPD, 1);
    layout->addWidget(totalsPanel());
    layout->addLayout(buttons);

    if (const auto payer = loadPayerData(*context_.PayrollDb)) {
        edits_.at("POD27")->setText(toQ(payer->sifra_opstine));
        edits_.at("POD210")->setText(toQ(payer->email));
        edits_.at("POD23")->setText(toQ(payer->uk_radnika));
        POD21->setCurrentText(toQ(payer->tip_isplatioca));
    }
    resize(1100, 640);
}

QLineEdit* frmPPPPD::edit(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    edits_[name] = box;
    return box;
}

QWidget* frmPPPPD::headerPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    POD11 = new QComboBox(panel);
    POD11->setObjectName(QStringLiteral("POD11"));
    POD11->addItems(texts(returnKinds()));
    POD121 = new QComboBox(panel);
    POD121->setObjectName(QStringLiteral("POD121"));
    POD121->addItems(texts(declarationMonths()));
    POD122 = new QLineEdit(panel);
    POD122->setObjectName(QStringLiteral("POD122"));
    POD14 = new QDateEdit(toQDate(context_.clock.today()), panel);
    POD14->setObjectName(QStringLiteral("POD14"));
    POD14->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    POD14->setCalendarPopup(true);
    POD21 = new QComboBox(panel);
    POD21->setObjectName(QStringLiteral("POD21"));
    POD21->setEditable(true);
    POD21->addItems(texts(payerTypes()));
    chkNajniza = new QCheckBox("Prijava samo za najni`u osnovicu"_q, panel);
    chkNajniza->setObjectName(QStringLiteral("chkNajniza"));
    for (const char* name : EditNames)
        edit(name);
    lblAkontacija = new QLabel(QStringLiteral("AKONTACIJA"), panel);
    lblAkontacija->setObjectName(QStringLiteral("lblAkontacija"));
    lblKonacna = new QLabel("KONA^NA"_q, panel);
    lblKonacna->setObjectName(QStringLiteral("lblKonacna"));
    for (QLabel* flag : {lblAkontacija, lblKonacna}) {
        flag->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
        flag->hide();
    }
    const std::pair<std::string, QWidget*> cells[] = {
        {"Vrsta prijave", POD11},
        {"Mesec", POD121},
        {"Godina", POD122},
        {"Datum pla}anja"_yu, POD14},
        {"Tip isplatioca", POD21},
        {"PIB", edits_.at("POD22")},
        {"Broj zaposlenih", edits_.at("POD23")},
        {"Mati~ni broj"_yu, edits_.at("POD25")},
        {"Naziv isplatioca", edits_.at("POD26")},
        {"Sedi{te (op{tina)"_yu, edits_.at("POD27")},
        {"Telefon", edits_.at("POD28")},
        {"Ulica i broj", edits_.at("POD29")},
        {"E-mail", edits_.at("POD210")},
    };
    for (std::size_t i = 0; i < std::size(cells); ++i) {
        const int row = static_cast<int>(i / 4);
        const int column = static_cast<int>(i % 4) * 2;
        grid->addWidget(new QLabel(toQ(cells[i].first), panel), row, column);
        grid->addWidget(cells[i].second, row, column + 1);
    }
    grid->addWidget(chkNajniza, 3, 2, 1, 2);
    grid->addWidget(lblAkontacija, 3, 4);
    grid->addWidget(lblKonacna, 3, 5);
    return panel;
}

QWidget* frmPPPPD::totalsPanel() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(new QLabel(QStringLiteral("Ukupno:"), panel));
    for (std::size_t i = 0; i < txtUk_.size(); ++i) {
        const std::size_t column = static_cast<std::size_t>(TotalledColumns[i]);
        row->addWidget(new QLabel(toQ(declarationHeadings()[column]), panel));
        txtUk_[i] = new QLineEdit(panel);
        txtUk_[i]->setObjectName(QStringLiteral("txtUk%1").arg(column - 1));
        txtUk_[i]->setReadOnly(true);
        txtUk_[i]->setAlignment(Qt::AlignRight);
        row->addWidget(txtUk_[i], 1);
    }
    return panel;
}

void frmPPPPD::fill(DeclarationFill fill, const DeclarationRates& rates) {
    rates_ = rates;
    declaration_ =
        openDeclaration(std::move(fill), std::nullopt, employees::reportCompany(context_).data,
                        fromQDate(POD14->date()));
    showHeader(declaration_.header);
    lblAkontacija->setVisible(declaration_.advance);
    lblKonacna->setVisible(declaration_.finalPart);
    showRows();
}

// What the producer sets: the kind, the month and year and the company's data; the payer data
// of podaci_ppppd stay as the window loaded them.
void frmPPPPD::showHeader(const DeclarationHeader& h) {
    POD11->setCurrentIndex(0);
    POD121->setCurrentText(toQ(h.POD121));
    POD122->setText(toQ(h.POD122));
    for (const auto& [name, value] :
         {std::pair{"POD22", &h.POD22}, std::pair{"POD25", &h.POD25}, std::pair{"POD26", &h.POD26},
          std::pair{"POD28", &h.POD28}, std::pair{"POD29", &h.POD29}})
        edits_.at(name)->setText(toQ(*value));
}

void frmPPPPD::readHeader() {
    DeclarationHeader& h = declaration_.header;
    h.POD11 = fromQ(POD11->currentText());
    h.POD121 = fromQ(POD121->currentText());
    h.POD122 = trim(fromQ(POD122->text()));
    h.POD14 = fromQDate(POD14->date());
    h.POD21 = fromQ(POD21->currentText());
    std::string* fields[] = {&h.POD22, &h.POD23, &h.POD25, &h.POD26,
                             &h.POD27, &h.POD28, &h.POD29, &h.POD210};
    for (std::size_t i = 0; i < std::size(EditNames); ++i)
        *fields[i] = trim(fromQ(edits_.at(EditNames[i])->text()));
    h.NajnizaOsnovica = chkNajniza->isChecked();
}

const Declaration& frmPPPPD::declaration() {
    readHeader();
    return declaration_;
}

void frmPPPPD::showRows() {
    const QSignalBlocker quiet(listPPPPD);
    listPPPPD->clear();
    for (std::size_t i = 0; i < declaration_.rows.size(); ++i) {
        const DeclarationRow& row = declaration_.rows[i];
        QTreeWidgetItem* item =
            ui::addRow(listPPPPD, std::vector<std::string>(row.texts.begin(), row.texts.end()),
                       static_cast<long long>(i));
        item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
        for (std::size_t c = 0; c < DeclarationColumns; ++c)
            if (isNumberColumn(c))
                item->setTextAlignment(static_cast<int>(c), Qt::AlignRight | Qt::AlignVCenter);
    }
    showTotals();
}

void frmPPPPD::rowChecked(QTreeWidgetItem* item) {
    const auto i = static_cast<std::size_t>(item->data(0, Qt::UserRole).toLongLong());
    if (i >= declaration_.rows.size())
        return;
    const bool checked = item->checkState(0) == Qt::Checked;
    if (declaration_.rows[i].checked == checked)
        return;
    declaration_.rows[i].checked = checked;
    showTotals();
}

void frmPPPPD::setAllChecked(bool checked) {
    for (DeclarationRow& row : declaration_.rows)
        row.checked = checked;
    const QSignalBlocker quiet(listPPPPD);
    for (int i = 0; i < listPPPPD->topLevelItemCount(); ++i)
        listPPPPD->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    showTotals();
}

void frmPPPPD::showTotals() {
    const DeclarationTotals totals = checkedTotals(declaration_.rows);
    for (std::size_t i = 0; i < txtUk_.size(); ++i)
        txtUk_[i]->setText(toQ(format(totals.sums[i], NumberFormat::Grouped2)));
}

void frmPPPPD::cmdSvi_Click() {
    setAllChecked(true);
}

void frmPPPPD::cmdNista_Click() {
    setAllChecked(false);
}

void frmPPPPD::listPPPPD_DblClick(QTreeWidgetItem* item) {
    const auto i = static_cast<std::size_t>(item->data(0, Qt::UserRole).toLongLong());
    if (i >= declaration_.rows.size())
        return;
    auto* editor = new frmPPPPDRed(
        declaration_.rows[i],
        [this, i](const DeclarationRow& edited) {
            declaration_.rows[i] = edited;
            showRows();
        },
        this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->open();
}

void frmPPPPD::cmdSati_Click() {
    if (!supervisorCodeAccepted(ui::askNumber(this, QStringLiteral("Unesite lozinku"), '#')))
        return;
    readHeader();
    payroll::Settings calendar; // the calendar's fund of the header's month
    const int month = std::max(1, POD121->currentIndex() + 1);
    const int fund = declarationHoursFund(static_cast<int>(wholeValue(declaration_.header.POD122)),
                                          month, calendar);
    const auto newFund =
        ui::askNumber(this, "Unesite novi mese~ni fond sati!"_q, QChar(), QString::number(fund));
    if (!newFund)
        return;
    overrideHoursFund(declaration_.rows, newFund->toDouble());
    showRows();
    ui::message(this, QStringLiteral("Gotovo!"), ui::Icon::Information);
}

void frmPPPPD::cmdSifra_Click() {
    if (!supervisorCodeAccepted(ui::askNumber(this, QStringLiteral("Unesite lozinku"), '#')))
        return;
    const auto code = ui::askText(this, "Unesite novu {ifru vrste prihoda za SVE radnike!"_q);
    if (!code)
        return;
    const bool clearBase = ui::ask(this, "Da li `elite brisanje osnovice za doprinose?"_q);
    overrideIncomeCode(declaration_.rows, trim(fromQ(*code)), clearBase);
    showRows();
    ui::message(this, QStringLiteral("Gotovo!"), ui::Icon::Information);
}

// The check list: errors are shown and the export goes on only when the operator confirms them;
// warnings are shown and the export goes on.
bool frmPPPPD::checkedBeforeExport() {
    DeclarationTotals shown;
    for (std::size_t i = 0; i < txtUk_.size(); ++i) {
        shown.sums[i] = parseAmount(fromQ(txtUk_[i]->text())).value_or(Currency());
    }
    const auto findings =
        checkDeclaration(declaration_, rates_, municipalityCodes(*context_.PayrollDb), shown);
    if (findings.empty())
        return true;
    const QString list = findingsText(declaration_, findings);
    if (hasErrors(findings))
        return ui::ask(this, "Prijava ima gre{aka:"_q + "\n\n" + list + "\n\n" +
                                 "Da li ipak `elite izvoz u XML fajl?"_q);
    ui::message(this, QStringLiteral("Upozorenja:\n\n") + list, ui::Icon::Exclamation);
    return true;
}

void frmPPPPD::cmdIZvoz_Click() {
    readHeader();
    if (!checkedBeforeExport())
        return;
    const auto answer =
        ui::askText(this, "Unesite slovo memorijskog uredjaja! 0 za pretragu"_q, "F");
    if (!answer)
        return;
    DeclarationFiles files;
    if (const auto drive = answeredDrive(fromQ(*answer))) {
        files = driveFiles(context_.BaseFolder, *drive);
    } else {
        const QString chosen =
            ui::saveFileName(this, "Izaberite folder za snimanje XML fajla!"_q,
                             toQ((context_.BaseFolder / "ppppd").string()), "*.xml");
        if (chosen.isEmpty())
            return;
        files = chosenFiles(fromQ(chosen));
    }
    const auto written = writeDeclaration(declaration_, context_.clock.today(), files);
    if (!written) {
        ui::showRefusal(this, written.refusal());
        return;
    }
    ui::guarded(this, "cmdIZvoz_Click",
                [&] { recordReturnFiled(*context_.PayrollDb, declaration_, *written); });
    ui::message(this, toQ(exportCompletion(*written)), ui::Icon::Information);
}

// The single payment of tax and contributions and every checked recipient's pay as orders.
void frmPPPPD::cmdNAlog_Click() {
    readHeader();
    const bool replace = ui::ask(this, "Da li `elite brisanje prethodno generisanih naloga?"_q);
    const auto bop = ui::askText(this, "Unesite BOP"_q);
    if (!bop)
        return;
    const auto written = ordersFromDeclaration(*context_.PayrollDb, context_.CompanyMasterDb.get(),
                                               declaration_, fromQ(bop->trimmed()), replace);
    if (!written) {
        ui::showRefusal(this, written.refusal());
        return;
    }
    ui::message(this, toQ(ordersGeneratedMessage()), ui::Icon::Information);
}

void openPayrollDeclaration(QWidget* from, AppContext& context, const PayrollList& list) {
    db::Database& payroll = *context.PayrollDb;
    const payroll::Settings settings = payroll::loadSettings(payroll);
    bool answered = true;
    PayrollListProducer producer(payroll, list, settings, [&] {
        ReliefPercentages relief;
        double* values[] = {&relief.porez, &relief.PIO, &relief.ZO, &relief.NEZ};
        const char* kinds[] = {"POREZ", "PIO", "ZO", "NEZ"};
        for (std::size_t i = 0; i < 4 && answered; ++i) {
            const auto value = ui::askNumber(
                from, "Unesite procenat oslobadjanja za novozaposlene "_q + kinds[i] + "!");
            answered = value.has_value();
            *values[i] = value ? value->toDouble() : 0;
        }
        return relief;
    });
    auto filled = producer.fill();
    if (!filled) {
        ui::showRefusal(from, filled.refusal());
        return;
    }
    if (!answered)
        return;
    auto* window = new frmPPPPD(context);
    window->fill(std::move(filled).value(), salaryRates(list.rates));
    ui::showBeside(from, window);
}

} // namespace zarion::outputs
