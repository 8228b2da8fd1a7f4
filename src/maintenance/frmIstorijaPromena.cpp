#include "maintenance/frmIstorijaPromena.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/trail/FiledMonths.h"
#include "core/trail/Trail.h"
#include "employees/ReportCompany.h"
#include "maintenance/HistoryCaptions.h"
#include "maintenance/HistoryReport.h"
#include "report/qt/SpreadsheetExport.h"
#include "report/qt/frmPregled.h"
#include "ui/AskWholeNumber.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::ui {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QComboBox* monthBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem("Svi"_q, 0);
    for (int month = 1; month <= 12; ++month)
        box->addItem(QString::number(month), month);
    return box;
}

QString paymentText(int payment) {
    return payment == 1 ? "1 - akontacija"_q : payment == 2 ? "2 - kona~ni"_q : "0 - ceo mesec"_q;
}

} // namespace

frmIstorijaPromena::frmIstorijaPromena(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context) {
    setObjectName("frmIstorijaPromena");
    setWindowTitle("Istorija promena"_q);
    buildControls();
    guarded(this, "Form_Load", [this] {
        fillChoices();
        showFiled();
        cmdPrikazi_Click();
    });
    resize(1100, 600);
}

void frmIstorijaPromena::buildControls() {
    cmbMesecOd = monthBox(this, "cmbMesecOd");
    cmbMesecDo = monthBox(this, "cmbMesecDo");
    cmbOperater = new QComboBox(this);
    cmbOperater->setObjectName("cmbOperater");
    cmbRadnik = new QComboBox(this);
    cmbRadnik->setObjectName("cmbRadnik");
    cmbVrsta = new QComboBox(this);
    cmbVrsta->setObjectName("cmbVrsta");
    QStringList headings;
    for (const std::string& heading : maintenance::historyHeadings())
        headings << toQ(heading);
    listIstorija = makeList(this, "listIstorija", headings);
    for (int column : {1, 2, 4})
        listIstorija->setColumnWidth(column, 120);
    listIstorija->setColumnWidth(0, 140);
    listIstorija->setColumnWidth(3, 200);
    listIstorija->setColumnWidth(5, 60);
    listIstorija->setColumnWidth(6, 300);
    listPredati =
        makeList(this, "listPredati", {"Mesec"_q, "Deo"_q, "Fajl"_q, "SHA-256"_q, "Vreme"_q});
    lblBroj = new QLabel(this);
    lblBroj->setObjectName("lblBroj");

    auto* filters = new QGridLayout;
    filters->addWidget(new QLabel("Godina: "_q + QString::number(context_.WorkYear), this), 0, 0);
    filters->addWidget(new QLabel("Mesec od:"_q, this), 0, 1);
    filters->addWidget(cmbMesecOd, 0, 2);
    filters->addWidget(new QLabel("do:"_q, this), 0, 3);
    filters->addWidget(cmbMesecDo, 0, 4);
    filters->addWidget(new QLabel("Operater:"_q, this), 0, 5);
    filters->addWidget(cmbOperater, 0, 6);
    filters->addWidget(new QLabel("Radnik:"_q, this), 0, 7);
    filters->addWidget(cmbRadnik, 0, 8);
    filters->addWidget(new QLabel("Vrsta promene:"_q, this), 0, 9);
    filters->addWidget(cmbVrsta, 0, 10);

    auto* commands = new QHBoxLayout;
    const std::pair<QPushButton*, void (frmIstorijaPromena::*)()> actions[] = {
        {button(this, "cmdPrikazi", "Prika`i"_q), &frmIstorijaPromena::cmdPrikazi_Click},
        {button(this, "cmdStampa", "[tampa"_q), &frmIstorijaPromena::cmdStampa_Click},
        {button(this, "cmdExcel", "Excel"_q), &frmIstorijaPromena::cmdExcel_Click},
        {button(this, "cmdPredaj", "Ozna~i mesec kao predat"_q),
         &frmIstorijaPromena::cmdPredaj_Click},
        {button(this, "cmdPovuci", "Povuci predaju meseca"_q),
         &frmIstorijaPromena::cmdPovuci_Click}};
    for (const auto& [b, slot] : actions) {
        connect(b, &QPushButton::clicked, this, [this, slot = slot] {
            guarded(this, "cmdIstorija_Click", [&] { (this->*slot)(); });
        });
        commands->addWidget(b);
    }
    commands->addStretch();
    commands->addWidget(lblBroj);
    auto* cmdIzlaz = button(this, "cmdIzlaz", "Izlaz"_q);
    connect(cmdIzlaz, &QPushButton::clicked, this, [this] { closeWindow(this); });
    commands->addWidget(cmdIzlaz);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(listIstorija, 3);
    layout->addWidget(new QLabel("Predati meseci:"_q, this));
    layout->addWidget(listPredati, 1);
    layout->addLayout(commands);
}

void frmIstorijaPromena::fillChoices() {
    db::Database& payroll = *context_.PayrollDb;
    cmbOperater->clear();
    cmbOperater->addItem("Svi"_q);
    for (const std::string& name : trail::historyOperators(payroll))
        cmbOperater->addItem(toQ(name), toQ(name));
    cmbRadnik->clear();
    cmbRadnik->addItem("Svi"_q, 0);
    for (const trail::NamedEmployee& e : trail::historyEmployees(payroll))
        cmbRadnik->addItem(toQ(e.name) + " (" + QString::number(e.id) + ")",
                           static_cast<qlonglong>(e.id));
    cmbVrsta->clear();
    cmbVrsta->addItem("Sve"_q);
    for (const trail::KindCaption& k : trail::kindCaptions())
        cmbVrsta->addItem(toQ(trail::kindCaption(k.kind)), QString::fromLatin1(k.kind));
}

trail::HistoryFilter frmIstorijaPromena::filter() const {
    trail::HistoryFilter f;
    f.year = context_.WorkYear;
    f.monthFrom = cmbMesecOd->currentData().toInt();
    f.monthTo = cmbMesecDo->currentData().toInt();
    f.operatorName = fromQ(cmbOperater->currentData().toString());
    f.employeeId = cmbRadnik->currentData().toLongLong();
    f.kind = fromQ(cmbVrsta->currentData().toString());
    return f;
}

void frmIstorijaPromena::cmdPrikazi_Click() {
    const auto entries = trail::loadHistory(*context_.PayrollDb, filter());
    listIstorija->setUpdatesEnabled(false);
    listIstorija->clear();
    // one row an entry with every change in it, so the export holds them all
    for (const trail::HistoryEntry& entry : entries) {
        auto line = maintenance::historyLines(entry).front();
        line[6] = trail::changesText(maintenance::captionedChanges(entry));
        QTreeWidgetItem* item = addRow(listIstorija, {line.begin(), line.end()}, entry.id);
        item->setToolTip(6, toQ(line[6]));
    }
    listIstorija->setUpdatesEnabled(true);
    lblBroj->setText("Broj promena: "_q + QString::number(entries.size()));
}

void frmIstorijaPromena::cmdStampa_Click() {
    const auto entries = trail::loadHistory(*context_.PayrollDb, filter());
    const employees::ReportCompany company = employees::reportCompany(context_);
    report::showPreview(
        this,
        maintenance::historyReport(
            company.data, company.logo,
            maintenance::historyFilterText(filter(), fromQ(cmbRadnik->currentText())), entries),
        context_.PrinterName);
}

void frmIstorijaPromena::cmdExcel_Click() {
    const auto result = report::ExportListToSpreadsheet(*listIstorija->model(), context_.BaseFolder,
                                                        "IstorijaPromena");
    message(this, toQ(result.message()), result.ok() ? Icon::Information : Icon::Critical);
}

void frmIstorijaPromena::showFiled() {
    listPredati->clear();
    for (const trail::FiledReturn& f : trail::filedReturns(*context_.PayrollDb, context_.WorkYear))
        addRow(listPredati,
               {std::to_string(f.month) + "/" + std::to_string(f.year),
                fromQ(paymentText(f.payment)), f.file, f.checksum, trail::displayTime(f.when)},
               f.month * 10 + f.payment);
}

void frmIstorijaPromena::cmdPredaj_Click() {
    const auto month = askWholeNumber(this, "Unesite mesec koji je predat!"_q);
    if (!month || *month < 1 || *month > 12)
        return;
    const auto payment =
        askWholeNumber(this, "Unesite deo isplate (0 - ceo mesec, 1 - akontacija, 2 - kona~ni)!"_q);
    if (!payment || *payment < 0 || *payment > 2)
        return;
    const auto permit = askPermit(this, context_, "Ozna~avanje meseca kao predatog"_q);
    if (!permit)
        return;
    trail::markFiled(*context_.PayrollDb, context_.WorkYear, *month, *payment, {});
    showFiled();
    cmdPrikazi_Click();
}

void frmIstorijaPromena::cmdPovuci_Click() {
    const long long chosen = currentNumber(listPredati);
    if (chosen == 0) {
        message(this, "Izaberite predati mesec!"_q, Icon::Exclamation);
        return;
    }
    const auto permit = askPermit(this, context_, "Povla~enje predaje meseca"_q);
    if (!permit)
        return;
    if (const Refused refused =
            trail::unmarkFiled(*context_.PayrollDb, context_.WorkYear,
                               static_cast<int>(chosen / 10), static_cast<int>(chosen % 10))) {
        showRefusal(this, *refused);
        return;
    }
    showFiled();
    cmdPrikazi_Click();
}

} // namespace zarion::ui
