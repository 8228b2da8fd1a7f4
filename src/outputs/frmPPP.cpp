#include "outputs/frmPPP.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "core/startup/Paths.h"
#include "outputs/AnnualReturnReport.h"
#include "report/qt/frmPregled.h"
#include "ui/AskWholeNumber.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

const QStringList Headings = {"Red br"_q,
                              "Prezime i ime"_q,
                              "JMBG"_q,
                              "BRUTO"_q,
                              "Oporezivo"_q,
                              "Porez na dohodak"_q,
                              "Dop.PIO zaposlenog"_q,
                              "Dop.ZDR zaposlenog"_q,
                              "Dop.NEZ zaposlenog"_q,
                              "Adresa"_q,
                              "Ime"_q,
                              "Prezime"_q};

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

void fill(QTreeWidget* list, const std::vector<ReturnRow>& rows) {
    list->clear();
    int number = 0;
    for (const ReturnRow& row : rows) {
        QTreeWidgetItem* item =
            addRow(list,
                   {std::to_string(++number), row.name(), row.JMBG, amount(row.BRUTO),
                    amount(row.Oporezivo), amount(row.Porez), amount(row.PIO), amount(row.ZDR),
                    amount(row.NEZ), row.Adresa, row.Ime, row.Prezime},
                   row.id_radnik);
        for (int c = 3; c <= 8; ++c)
            item->setTextAlignment(c, Qt::AlignRight);
    }
}

// An amount asked for by hand; nothing when the operator cancels.
std::optional<Currency> askAmount(QWidget* parent, const char* caption) {
    const auto typed = askNumber(parent, QString::fromUtf8(caption));
    return typed ? std::optional<Currency>(typed->round2()) : std::nullopt;
}

} // namespace

frmPPP::frmPPP(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbOd(new QComboBox(this))
    , cmbDo(new QComboBox(this))
    , txtPIB(new QLabel(this))
    , tabs_(new QTabWidget(this))
    , listRO(makeList(this, "listRO", Headings))
    , listVRO(makeList(this, "listVRO", Headings))
    , cmdUcitaj(new QPushButton("U~itaj"_q, this))
    , cmdBaza(new QPushButton("Dodaj iz druge baze"_q, this))
    , cmdStari(new QPushButton("Dodaj iz starog programa"_q, this))
    , cmdDodaj(new QPushButton("Dodaj red"_q, this))
    , cmdObrisi(new QPushButton("Obri{i red"_q, this))
    , cmdStampa(new QPushButton("[tampa PPP"_q, this))
    , cmdFajlovi(new QPushButton("Tekst fajlovi"_q, this)) {
    setObjectName("frmPPP");
    setWindowTitle("Pojedina~na poreska prijava - "_q + QString::number(context_.WorkYear));
    cmbOd->setObjectName("cmbOd");
    cmbDo->setObjectName("cmbDo");
    txtPIB->setObjectName("txtPIB");
    for (auto [button, name] : {std::pair{cmdUcitaj, "cmdUcitaj"},
                                {cmdBaza, "cmdBaza"},
                                {cmdStari, "cmdStari"},
                                {cmdDodaj, "cmdDodaj"},
                                {cmdObrisi, "cmdObrisi"},
                                {cmdStampa, "cmdStampa"},
                                {cmdFajlovi, "cmdFajlovi"}})
        button->setObjectName(name);
    fillMonths(cmbOd);
    fillMonths(cmbDo);
    cmbOd->setCurrentIndex(0);
    cmbDo->setCurrentIndex(11);
    for (QTreeWidget* list : {listRO, listVRO}) {
        list->setColumnWidth(0, 50);
        list->setColumnWidth(1, 200);
        list->setColumnWidth(2, 110);
        for (int c = 3; c <= 8; ++c) {
            list->setColumnWidth(c, 125);
            list->headerItem()->setTextAlignment(c, Qt::AlignRight);
        }
    }
    tabs_->addTab(listRO, "II - iz radnog odnosa"_q);
    tabs_->addTab(listVRO, "III - van radnog odnosa"_q);
    guarded(this, "Form_Load", [&] {
        if (const auto company = payer())
            txtPIB->setText("PIB: "_q + toQ(company->PIB));
    });

    connect(cmdUcitaj, &QPushButton::clicked, this, &frmPPP::cmdUcitaj_Click);
    connect(cmdBaza, &QPushButton::clicked, this, &frmPPP::cmdBaza_Click);
    connect(cmdStari, &QPushButton::clicked, this, &frmPPP::cmdStari_Click);
    connect(cmdDodaj, &QPushButton::clicked, this, &frmPPP::cmdDodaj_Click);
    connect(cmdObrisi, &QPushButton::clicked, this, &frmPPP::cmdObrisi_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmPPP::cmdStampa_Click);
    connect(cmdFajlovi, &QPushButton::clicked, this, &frmPPP::cmdFajlovi_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Od meseca:"_q, this));
    top->addWidget(cmbOd);
    top->addWidget(new QLabel("do meseca:"_q, this));
    top->addWidget(cmbDo);
    top->addWidget(cmdUcitaj);
    top->addStretch(1);
    top->addWidget(txtPIB);
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {cmdBaza, cmdStari, cmdDodaj, cmdObrisi})
        commands->addWidget(button);
    commands->addStretch(1);
    commands->addWidget(cmdStampa);
    commands->addWidget(cmdFajlovi);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);
    layout->addLayout(commands);
    resize(1100, 620);
    cmdUcitaj_Click();
}

std::optional<report::CompanyData> frmPPP::payer() {
    if (!context_.CompanyMasterDb)
        return std::nullopt;
    return report::readCompanyData(*context_.CompanyMasterDb);
}

std::vector<ReturnRow>& frmPPP::shownPart() {
    return tabs_->currentIndex() == 0 ? annual_.employed : annual_.outside;
}

QTreeWidget* frmPPP::shownList() const {
    return tabs_->currentIndex() == 0 ? listRO : listVRO;
}

void frmPPP::showRows() {
    fill(listRO, annual_.employed);
    fill(listVRO, annual_.outside);
}

void frmPPP::cmdUcitaj_Click() {
    const int year = context_.WorkYear;
    const int from = cmbOd->currentIndex() + 1;
    const int to = cmbDo->currentIndex() + 1;
    if (from > to) {
        message(this, "Izaberite mesec!"_q, Icon::Exclamation);
        return;
    }
    guarded(this, "cmdUcitaj_Click", [&] {
        annual_ = collectAnnualReturn(*context_.PayrollDb, {year, from, year, to});
    });
    showRows();
}

void frmPPP::cmdBaza_Click() {
    const auto company = askWholeNumber(this, "Unesite broj druge baze!"_q);
    if (!company)
        return;
    guarded(this, "cmdBaza_Click", [&] {
        const auto path = startup::payrollPath(context_.DataRoot, context_.WorkYear, *company);
        if (!std::filesystem::exists(path)) {
            message(this, "Ne postoji baza: "_q + toQ(path.string()), Icon::Exclamation);
            return;
        }
        const auto other = db::Database::open(path);
        const AnnualReturn more =
            collectAnnualReturn(*other, {context_.WorkYear, cmbOd->currentIndex() + 1,
                                         context_.WorkYear, cmbDo->currentIndex() + 1});
        addReturnRows(annual_.employed, more.employed);
        addReturnRows(annual_.outside, more.outside);
    });
    showRows();
}

void frmPPP::cmdStari_Click() {
    guarded(this, "cmdStari_Click",
            [&] { addReturnRows(annual_.outside, predecessorIncome(*context_.PayrollDb)); });
    showRows();
}

void frmPPP::cmdDodaj_Click() {
    const auto name = askText(this, "Unesite ime zaposlenog!"_q);
    if (!name || name->trimmed().isEmpty())
        return;
    const auto jmbg = askText(this, "Unesite JMBG zaposlenog!"_q);
    if (!jmbg)
        return;
    ReturnRow row;
    const std::string full = trim(fromQ(*name));
    const std::size_t blank = full.find(' ');
    row.Prezime = full.substr(0, blank);
    row.Ime = blank == std::string::npos ? std::string() : trim(full.substr(blank + 1));
    row.JMBG = trim(fromQ(*jmbg));
    for (auto [caption, value] : {std::pair{"Unesite bruto", &row.BRUTO},
                                  {"Unesite oporezivi iznos", &row.Oporezivo},
                                  {"Unesite porez", &row.Porez},
                                  {"Unesite PIO", &row.PIO},
                                  {"Unesite ZO", &row.ZDR},
                                  {"Unesite NEZ", &row.NEZ}}) {
        const auto typed = askAmount(this, caption);
        if (!typed)
            return;
        *value = *typed;
    }
    shownPart().push_back(row);
    showRows();
}

void frmPPP::cmdObrisi_Click() {
    QTreeWidget* list = shownList();
    if (!list->currentItem())
        return;
    auto& part = shownPart();
    part.erase(part.begin() + list->indexOfTopLevelItem(list->currentItem()));
    showRows();
}

void frmPPP::cmdStampa_Click() {
    guarded(this, "cmdStampa_Click", [&] {
        const auto company = returnPayer(payer());
        if (!company) {
            showRefusal(this, company.refusal());
            return;
        }
        report::showPreview(this, pppForm(*company, context_.WorkYear, annual_),
                            context_.PrinterName);
    });
}

void frmPPP::cmdFajlovi_Click() {
    guarded(this, "cmdFajlovi_Click", [&] {
        const auto company = returnPayer(payer());
        if (!company) {
            showRefusal(this, company.refusal());
            return;
        }
        const auto drive = askDriveLetter(this);
        if (!drive)
            return;
        showWritten(this, writeReturnFiles(startup::driveFolder(context_.BaseFolder, *drive),
                                           *company, annual_));
    });
}

void frmPPP::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::outputs
