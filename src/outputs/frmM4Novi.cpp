#include "outputs/frmM4Novi.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/startup/Paths.h"
#include "outputs/M4Report.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

std::string pensionRegistration(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT reg_broj_pio FROM parametri2");
    return st.step() ? st.text(0) : std::string();
}

// Asks for a corrected value starting from the one shown; false when the operator cancels.
bool correct(QWidget* parent, const char* caption, Currency& value) {
    const auto typed = askNumber(parent, toQ(caption), QChar(), toQ(amount(value)));
    if (!typed)
        return false;
    value = typed->round2();
    return true;
}

bool correct(QWidget* parent, const char* caption, int& value) {
    Currency number = Currency::fromUnits(value);
    if (!correct(parent, caption, number))
        return false;
    value = static_cast<int>(number.round0().raw() / Currency::Scale);
    return true;
}

} // namespace

frmM4Novi::frmM4Novi(AppContext& context, QWidget* parent)
    : frmM4Novi(context, parent,
                {"JMBG"_q, "Prezime i ime"_q, "Meseci"_q, "Dani"_q, "BRUTO"_q, "PIO"_q,
                 "Bruto bolovanja"_q, "PIO bolovanja"_q}) {
    setObjectName("frmM4Novi");
    setWindowTitle("M4 - Novi"_q);
}

frmM4Novi::frmM4Novi(AppContext& context, QWidget* parent, const QStringList& headings)
    : QWidget(parent)
    , context_(context)
    , cmbGodina(new QComboBox(this))
    , txtBAza(new QLineEdit(this))
    , cmdUcitaj(new QPushButton("U~itaj iz obra~una"_q, this))
    , cmdDodajBazu(new QPushButton("Dodaj iz baze"_q, this))
    , cmdSnimi(new QPushButton("Snimi"_q, this))
    , cmdObrisi(new QPushButton("Obri{i"_q, this))
    , cmdStampa(new QPushButton("[tampa M-4K"_q, this)) {
    build(headings);
    loadYear();
}

void frmM4Novi::build(const QStringList& headings) {
    listM = makeList(this, "listM", headings);
    cmbGodina->setObjectName("cmbGodina");
    txtBAza->setObjectName("txtBAza");
    cmdUcitaj->setObjectName("cmdUcitaj");
    cmdDodajBazu->setObjectName("cmdDodajBazu");
    cmdSnimi->setObjectName("cmdSnimi");
    cmdObrisi->setObjectName("cmdObrisi");
    cmdStampa->setObjectName("cmdStampa");
    fillYears(cmbGodina);
    const int shown = context_.WorkYear != 0 ? context_.WorkYear : context_.clock.today().year;
    cmbGodina->setCurrentText(QString::number(shown));
    txtBAza->setMaximumWidth(60);
    listM->setColumnWidth(0, 110);
    listM->setColumnWidth(1, 200);
    for (int c = 2; c < headings.size(); ++c)
        listM->headerItem()->setTextAlignment(c, Qt::AlignRight);

    connect(cmbGodina, &QComboBox::currentTextChanged, this, [this] { loadYear(); });
    connect(cmdUcitaj, &QPushButton::clicked, this, &frmM4Novi::cmdUcitaj_Click);
    connect(cmdDodajBazu, &QPushButton::clicked, this, &frmM4Novi::cmdDodajBazu_Click);
    connect(cmdSnimi, &QPushButton::clicked, this, &frmM4Novi::cmdSnimi_Click);
    connect(cmdObrisi, &QPushButton::clicked, this, &frmM4Novi::cmdObrisi_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmM4Novi::cmdStampa_Click);
    connect(listM, &QTreeWidget::itemDoubleClicked, this, &frmM4Novi::listM_DblClick);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Godina:"_q, this));
    top->addWidget(cmbGodina);
    top->addWidget(cmdUcitaj);
    top->addStretch(1);
    top->addWidget(new QLabel("Druga baza (broj firme):"_q, this));
    top->addWidget(txtBAza);
    top->addWidget(cmdDodajBazu);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(cmdObrisi);
    commands->addWidget(cmdSnimi);
    commands->addWidget(cmdStampa);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listM, 1);
    layout->addLayout(commands);
    resize(980, 600);
}

int frmM4Novi::year() const {
    return cmbGodina->currentText().toInt();
}

// The year as saved; the calculations when nothing is saved.
void frmM4Novi::loadYear() {
    guarded(this, "Form_Load", [&] {
        rows_ = loadM4(*context_.PayrollDb, year());
        if (rows_.empty())
            rows_ = collectM4(*context_.PayrollDb, year());
    });
    showRows();
}

std::vector<std::string> frmM4Novi::rowTexts(const M4Row& row) const {
    return {
        row.JMBG,          row.prezime_i_ime, std::to_string(row.Meseci), std::to_string(row.Dani),
        amount(row.BRUTO), amount(row.PIO),   amount(row.bol_bruto),      amount(row.bol_pio)};
}

void frmM4Novi::showRows() {
    const int current = listM->currentItem() ? listM->indexOfTopLevelItem(listM->currentItem()) : 0;
    listM->clear();
    for (const M4Row& row : rows_) {
        QTreeWidgetItem* item = addRow(listM, rowTexts(row), row.id_radnik);
        for (int c = 2; c < listM->columnCount(); ++c)
            item->setTextAlignment(c, Qt::AlignRight);
    }
    if (listM->topLevelItemCount() > 0)
        listM->setCurrentItem(
            listM->topLevelItem(std::min(current, listM->topLevelItemCount() - 1)));
}

void frmM4Novi::cmdUcitaj_Click() {
    guarded(this, "cmdUcitaj_Click", [&] { rows_ = collectM4(*context_.PayrollDb, year()); });
    showRows();
}

void frmM4Novi::cmdDodajBazu_Click() {
    const long long company = txtBAza->text().trimmed().toLongLong();
    if (company <= 0) {
        message(this, "Unesite broj druge baze!"_q, Icon::Exclamation);
        return;
    }
    guarded(this, "cmdDodajBazu_Click", [&] {
        const auto path = startup::payrollPath(context_.DataRoot, year(), company);
        if (!std::filesystem::exists(path)) {
            message(this, "Ne postoji baza: "_q + toQ(path.string()), Icon::Exclamation);
            return;
        }
        const auto other = db::Database::open(path);
        addM4Rows(rows_, collectM4(*other, year()));
    });
    showRows();
}

void frmM4Novi::cmdSnimi_Click() {
    guarded(this, "cmdSnimi_Click", [&] {
        saveM4(*context_.PayrollDb, year(), rows_);
        message(this, toQ(m4SavedMessage(year())), Icon::Information);
    });
}

void frmM4Novi::cmdObrisi_Click() {
    QTreeWidgetItem* item = listM->currentItem();
    if (!item ||
        !ask(this, "Da li ste sigurni da zelite da izbrisete izabranog radnika sa liste?"_q))
        return;
    rows_.erase(rows_.begin() + listM->indexOfTopLevelItem(item));
    showRows();
}

void frmM4Novi::listM_DblClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    M4Row row = rows_[static_cast<std::size_t>(listM->indexOfTopLevelItem(item))];
    if (correct(this, " MESECI: ", row.Meseci) && correct(this, " DANI: ", row.Dani) &&
        correct(this, " Bruto zarada: ", row.BRUTO) && correct(this, " PIO: ", row.PIO) &&
        correct(this, " Bruto zarada bolovanja: ", row.bol_bruto) &&
        correct(this, " PIO bolovanja: ", row.bol_pio)) {
        rows_[static_cast<std::size_t>(listM->indexOfTopLevelItem(item))] = row;
        showRows();
    }
}

void frmM4Novi::cmdStampa_Click() {
    guarded(this, "cmdStampa_Click", [&] {
        M4Payer payer{{}, pensionRegistration(*context_.PayrollDb)};
        if (context_.CompanyMasterDb)
            if (const auto company = report::readCompanyData(*context_.CompanyMasterDb))
                payer.company = *company;
        report::showPreview(this, m4kForm(payer, year(), rows_), context_.PrinterName);
    });
}

void frmM4Novi::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow(this);
        return;
    }
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_F9) {
        cmdObrisi_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

frmM4::frmM4(AppContext& context, QWidget* parent)
    : frmM4Novi(context, parent,
                {"JMBG"_q, "Prezime i ime"_q, "Meseci"_q, "Dani"_q, "Zarada"_q, "Doprinos"_q,
                 "Zarada po osnovu osiguranja"_q, "DoprinosZbir1"_q, "DoprinosZbir2"_q}) {
    setObjectName("frmM4");
    guarded(this, "Form_Load", [&] {
        setWindowTitle("M4 - Registarski broj: "_q + toQ(pensionRegistration(*context_.PayrollDb)));
    });
    showRows();
}

std::vector<std::string> frmM4::rowTexts(const M4Row& row) const {
    std::vector<std::string> texts = frmM4Novi::rowTexts(row);
    texts.push_back(amount(row.PIO + row.bol_pio));
    return texts;
}

} // namespace zarion::outputs
