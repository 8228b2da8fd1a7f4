#include "outputs/frmSpisakZarada.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "employees/CodeLists.h"
#include "outputs/PayrollListColumns.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

namespace {

QStringList headings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << toQ(text);
    return list;
}

// The totals of the form: the name of the field and its caption.
constexpr std::pair<const char*, const char*> TotalFields[] = {
    {"txtBruto", "Bruto"},
    {"txtPZ", "Porez"},
    {"txtPIO", "PIO"},
    {"txtZDR", "Zdravstvo"},
    {"txtNEZ", "Nezaposlenost"},
    {"txtPIOF", "PIO firma"},
    {"txtZDRF", "Zdravstvo firma"},
    {"txtNEZF", "Nezap. firma"},
    {"txtROF", "Dod. doprinos 1"},
    {"txtRof2", "Dod. doprinos 2"},
    {"txtRoF3", "Dod. doprinos 3"},
    {"txtNeto", "Neto"},
    {"txtObustave", "Obustave"},
    {"txtZaIsplatu", "Za isplatu"},
    {"txtSolidarni", "Solidarni porez"},
    {"txtZbirOSlobodjen", "Neoporezivo"},
    {"txtOsnov", "Osnovica doprinosa"},
};

// Names, accounts and codes keep to the left; numbers go right.
bool isTextColumn(int column) {
    return column == 37 || column == 38 || column == 39 || column == 45;
}

} // namespace

frmSpisakZarada::frmSpisakZarada(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbMEsec(new QComboBox(this))
    , cmbGod(new QComboBox(this))
    , cmbIsplata(new QComboBox(this))
    , cmbRJ(new QComboBox(this))
    , lblMesec(new QLabel(this))
    , lblGodina(new QLabel(this))
    , lblISplata(new QLabel(this))
    , lblRJ(new QLabel(this))
    , listSpisak(ui::makeList(this, "listSpisak", headings(payrollListHeadings())))
    , listPRE(ui::makeList(this, "listPRE", headings(ownerListHeadings())))
    , optIspl1(new QRadioButton("Ispla}eno dana:"_q, this))
    , optIspl2(new QRadioButton("Neispla}ena zarada. Datum dospe}a "_q, this))
    , dtIspl1(new QDateEdit(this))
    , dtIspl2(new QDateEdit(this))
    , txtRazlog(new QLineEdit(toQ(defaultUnpaidReason()), this))
    , chkPiP(new QCheckBox("Pe~at i potpis"_q, this)) {
    setObjectName("frmSpisakZarada");
    setWindowTitle("Spisak zarada"_q);
    const std::pair<QWidget*, const char*> names[] = {
        {cmbMEsec, "cmbMEsec"},     {cmbGod, "cmbGod"},     {cmbIsplata, "cmbIsplata"},
        {cmbRJ, "cmbRJ"},           {lblMesec, "lblMesec"}, {lblGodina, "lblGodina"},
        {lblISplata, "lblISplata"}, {lblRJ, "lblRJ"},       {optIspl1, "optIspl1"},
        {optIspl2, "optIspl2"},     {dtIspl1, "dtIspl1"},   {dtIspl2, "dtIspl2"},
        {txtRazlog, "txtRazlog"},   {chkPiP, "chkPiP"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(name);

    ui::fillMonths(cmbMEsec);
    ui::fillYears(cmbGod);
    const Date today = context_.clock.today();
    const int month = context_.CalcMonth != 0 ? context_.CalcMonth : today.month;
    cmbMEsec->setCurrentIndex(cmbMEsec->findData(month));
    cmbGod->setCurrentIndex(
        cmbGod->findData(context_.WorkYear != 0 ? context_.WorkYear : today.year));
    const char* payments[] = {"0 - Ceo mesec", "1 - Prvi deo", "2 - Drugi deo"};
    for (int payment = 0; payment <= 2; ++payment)
        cmbIsplata->addItem(toQ(payments[payment]), payment);
    fillUnits();
    const QDate now(today.year, today.month, today.day);
    for (QDateEdit* date : {dtIspl1, dtIspl2}) {
        date->setDisplayFormat("dd.MM.yyyy");
        date->setCalendarPopup(true);
        date->setDate(now);
    }
    optIspl1->setChecked(true);

    auto* choice = new QHBoxLayout;
    for (auto [caption, box] : {std::pair{"Mesec:", cmbMEsec},
                                {"Godina:", cmbGod},
                                {"Isplata:", cmbIsplata},
                                {"Radna jedinica:", cmbRJ}}) {
        choice->addWidget(new QLabel(toQ(yuscii(caption)), this));
        choice->addWidget(box);
    }
    choice->addWidget(button("cmdPokazi", "Prika`i", &frmSpisakZarada::cmdPokazi_Click));
    choice->addStretch();
    auto* shown = new QHBoxLayout;
    for (QLabel* label : {lblMesec, lblGodina, lblISplata, lblRJ})
        shown->addWidget(label);
    shown->addStretch();
    needList_.clear();
    cmbRJ->setMinimumContentsLength(24);

    auto* prints = new QGridLayout;
    const std::vector<QPushButton*> commands{
        button("cmdObracun", "[tampaj obra~un", &frmSpisakZarada::cmdObracun_Click),
        button("cmdSvi", "[tampaj sve", &frmSpisakZarada::cmdSvi_Click),
        button("cmdStampPRed", "[tampaj preduz.", &frmSpisakZarada::cmdStampPRed_Click),
        button("cmdSpisak", "Mese~na evidencija", &frmSpisakZarada::cmdSpisak_Click),
        button("cmdNoviSpisak", "Pro{irena evidencija", &frmSpisakZarada::cmdNoviSpisak_Click),
        button("cmdSpisakZarada", "Spisak zarada", &frmSpisakZarada::cmdSpisakZarada_Click),
        button("cmdSpisakObustava", "Spisak obustava", &frmSpisakZarada::cmdSpisakObustava_Click),
        button("cmdSpeciFikacija", "Specifikacija poreza",
               &frmSpisakZarada::cmdSpeciFikacija_Click),
        button("cmdExcel", "Izvoz u Excel", &frmSpisakZarada::cmdExcel_Click),
        button("cmdSnimi", "Fajl za RZZO", &frmSpisakZarada::cmdSnimi_Click),
        button("cmdIZvoz", "PPP-PD u XML format", &frmSpisakZarada::cmdIZvoz_Click),
        button("cmdNAlog", "Nalozi za pla}anje", &frmSpisakZarada::cmdNAlog_Click),
        button("cmdRekapitulacija", "Rekapitulacija", &frmSpisakZarada::cmdRekapitulacija_Click),
        button("cmdRekapRacuna", "Rekapitulacija po ra~unima",
               &frmSpisakZarada::cmdRekapRacuna_Click),
        button("cmdRekapKonta", "Rekapitulacija po kontima", &frmSpisakZarada::cmdRekapKonta_Click),
        button("cmdKnjizenje", "Nalog za knji`enje", &frmSpisakZarada::cmdKnjizenje_Click),
        button("cmdPoreska_Porez", "Poreska prijava", &frmSpisakZarada::cmdPoreska_Porez_Click),
        button("cmdPrijavaDoprinosi", "Prijava doprinosa",
               &frmSpisakZarada::cmdPrijavaDoprinosi_Click),
        button("cmdODP", "Prijava OD", &frmSpisakZarada::cmdODP_Click),
    };
    for (std::size_t i = 0; i < commands.size(); ++i)
        prints->addWidget(commands[i], static_cast<int>(i / 6), static_cast<int>(i % 6));

    auto* lists = new QHBoxLayout;
    lists->addWidget(listSpisak, 4);
    lists->addWidget(listPRE, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(shown);
    layout->addLayout(lists, 1);
    layout->addWidget(totalsPanel());
    layout->addWidget(statusPanel());
    layout->addLayout(prints);

    for (QComboBox* box : {cmbMEsec, cmbGod, cmbIsplata, cmbRJ})
        connect(box, &QComboBox::currentIndexChanged, this, &frmSpisakZarada::selectionChanged);
    auto* repair = new QShortcut(QKeySequence("Ctrl+Alt+S"), this);
    connect(repair, &QShortcut::activated, this, &frmSpisakZarada::cmdSredjvanje_Click);
    selectionChanged();
    resize(1200, 760);
}

QPushButton* frmSpisakZarada::button(const char* name, const char* caption,
                                     void (frmSpisakZarada::*slot)()) {
    auto* b = new QPushButton(toQ(yuscii(caption)), this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, slot);
    if (std::string_view(name) != "cmdPokazi")
        needList_.push_back(b);
    return b;
}

// A command whose window the program does not have yet: shown, disabled, saying what it does.
QPushButton* frmSpisakZarada::later(const char* name, const char* caption, const char* what) {
    auto* b = new QPushButton(toQ(yuscii(caption)), this);
    b->setObjectName(name);
    b->setEnabled(false);
    b->setToolTip(toQ(yuscii(what)));
    return b;
}

QLineEdit* frmSpisakZarada::total(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    totals_[name] = field;
    return field;
}

QWidget* frmSpisakZarada::totalsPanel() {
    auto* box = new QGroupBox("Ukupno za mesec"_q, this);
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const auto& [name, caption] : TotalFields) {
        grid->addWidget(new QLabel(toQ(caption), box), i / 6, (i % 6) * 2);
        grid->addWidget(total(name), i / 6, (i % 6) * 2 + 1);
        ++i;
    }
    return box;
}

QWidget* frmSpisakZarada::statusPanel() {
    auto* box = new QGroupBox("Platni listi}"_q, this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(optIspl1);
    row->addWidget(dtIspl1);
    row->addSpacing(20);
    row->addWidget(optIspl2);
    row->addWidget(dtIspl2);
    row->addWidget(new QLabel("Razlog:"_q, box));
    row->addWidget(txtRazlog, 1);
    row->addWidget(chkPiP);
    return box;
}

void frmSpisakZarada::fillUnits() {
    cmbRJ->addItem("0 - Sve radne jedinice"_q, 0);
    ui::guarded(this, "Form_Load", [&] {
        for (const employees::Unit& unit : employees::listUnits(*context_.PayrollDb))
            cmbRJ->addItem(QString::number(unit.id) + " - "_q + toQ(unit.name),
                           static_cast<qlonglong>(unit.id));
    });
}

ListSelection frmSpisakZarada::selection() const {
    return {cmbGod->currentData().toInt(), cmbMEsec->currentData().toInt(),
            static_cast<Payment>(cmbIsplata->currentData().toInt()),
            cmbRJ->currentData().toLongLong()};
}

// A changed choice hides the list: the commands wait for "Prikaži".
void frmSpisakZarada::selectionChanged() {
    for (QPushButton* b : needList_)
        b->setEnabled(false);
    list_.reset();
}

void frmSpisakZarada::cmdPokazi_Click() {
    ui::guarded(this, "cmdPokazi_Click", [&] {
        auto loaded = loadPayrollList(*context_.PayrollDb, selection());
        if (!loaded) {
            ui::showRefusal(this, loaded.refusal());
            return;
        }
        for (std::int64_t missing : loaded->missingEmployees)
            ui::message(this, toQ(missingEmployeeMessage(missing)), ui::Icon::Critical);
        list_ = std::move(loaded).value();
        showList(*list_);
        for (QPushButton* b : needList_)
            b->setEnabled(true);
    });
}

void frmSpisakZarada::showList(const PayrollList& list) {
    const ListSelection& s = list.selection;
    lblMesec->setText("Mesec: "_q + QString::number(s.month));
    lblGodina->setText("Godina: "_q + QString::number(s.year));
    lblISplata->setText("Isplata: "_q + QString::number(static_cast<int>(s.payment)));
    lblRJ->setText("RJ: "_q + QString::number(s.unit) + " - "_q + toQ(list.unitName));
    listSpisak->clear();
    listPRE->clear();
    for (const PayrollRow& row : list.employees) {
        QTreeWidgetItem* item = ui::addRow(listSpisak, payrollListTexts(row), row.Id_obracun);
        for (int column = 3; column < PayrollListColumnCount; ++column)
            if (!isTextColumn(column))
                item->setTextAlignment(column, Qt::AlignRight);
    }
    for (const PayrollRow& row : list.owners)
        ui::addRow(listPRE, ownerListTexts(row), row.Id_obracun);
    listSpisak->header()->resizeSections(QHeaderView::ResizeToContents);
    showTotals(list.totals);
}

void frmSpisakZarada::showTotals(const PayrollTotals& t) {
    const std::pair<const char*, Currency> values[] = {
        {"txtBruto", t.BRUTO},
        {"txtPZ", t.porez_na_zaradu},
        {"txtPIO", t.Doprinosi_PIO},
        {"txtZDR", t.Doprinosi_zo},
        {"txtNEZ", t.doprinosi_nezaposlenost},
        {"txtPIOF", t.Doprinosi_PIO_F},
        {"txtZDRF", t.Doprinosi_zo_F},
        {"txtNEZF", t.doprinosi_nezaposlenost_f},
        {"txtROF", t.doprinosi_ro_f},
        {"txtRof2", t.doprinosi_ro_f2},
        {"txtRoF3", t.doprinosi_ro_f3},
        {"txtNeto", t.NETO},
        {"txtObustave", t.deductions},
        {"txtZaIsplatu", t.toPay},
        {"txtSolidarni", t.solidarni_porez},
        {"txtZbirOSlobodjen", t.Oslobodjenje},
        {"txtOsnov", t.contributionBase},
    };
    for (const auto& [name, value] : values)
        totals_.at(name)->setText(toQ(format(value, NumberFormat::Grouped2)));
}

const PayrollRow* frmSpisakZarada::selectedRow(const QTreeWidget* list,
                                               const std::vector<PayrollRow>& rows) const {
    const long long id = ui::currentNumber(list);
    for (const PayrollRow& row : rows)
        if (row.Id_obracun == id)
            return &row;
    return nullptr;
}

} // namespace zarion::outputs
