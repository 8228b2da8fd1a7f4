#include "outputs/frmPregledPoBankama.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/startup/Paths.h"
#include "outputs/BankFileSettings.h"
#include "outputs/BankListReport.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/PeriodBoxes.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

// The payments in the order of their numbers.
QStringList paymentCaptions() {
    QStringList captions;
    for (const Payment payment : {Payment::Whole, Payment::First, Payment::Final})
        captions << toQ(paymentCaption(payment));
    return captions;
}

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

} // namespace

BankListSource salaryBankLists() {
    return {"frmPregledPoBankama", "Pregled po bankama - Redovna zarada"_q, paymentCaptions(),
            PayoutKind::Salaries, loadBankList};
}

frmPregledPoBankama::frmPregledPoBankama(AppContext& context, BankListSource source,
                                         QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , source_(std::move(source))
    , period_(this, source_.parts)
    , listBanke(ui::makeList(this, "listBanke", {"Banka"_q, "Ra~un banke"_q, "Iznos"_q}))
    , lblUkupno(new QLabel(this))
    , listR(ui::makeList(this, "listR",
                         {"Prezime i ime"_q, "JMBG"_q, "Teku}i ra~un"_q, "Iznos uplate"_q}))
    , cmdStampaj(new QPushButton("[tampa spiska"_q, this))
    , cmdDirektna(new QPushButton("Fajl - Direktna"_q, this))
    , cmdKomercijalna(new QPushButton("Fajl - Komercijalna"_q, this))
    , cmdIntesa(new QPushButton("Fajl - Intesa"_q, this)) {
    setObjectName(source_.objectName);
    setWindowTitle(source_.title);
    lblUkupno->setObjectName("lblUkupno");
    cmdStampaj->setObjectName("cmdStampaj");
    cmdDirektna->setObjectName("cmdDirektna");
    cmdKomercijalna->setObjectName("cmdKomercijalna");
    cmdIntesa->setObjectName("cmdIntesa");
    listBanke->setColumnWidth(0, 320);
    listBanke->setColumnWidth(1, 190);
    const int widths[] = {230, 130, 190};
    for (int c = 0; c < 3; ++c)
        listR->setColumnWidth(c, widths[c]);
    for (QTreeWidget* list : {listBanke, listR})
        list->headerItem()->setTextAlignment(list->columnCount() - 1, Qt::AlignRight);

    const Date today = context_.clock.today();
    setSelection(context_.WorkYear != 0 ? context_.WorkYear : today.year, today.month,
                 Payment::Whole);

    period_.whenChanged(this, [this] { UcitajBanke(); });
    connect(listBanke, &QTreeWidget::currentItemChanged, this, &frmPregledPoBankama::UcitajRadnike);
    connect(cmdStampaj, &QPushButton::clicked, this, &frmPregledPoBankama::cmdStampaj_Click);
    connect(cmdDirektna, &QPushButton::clicked, this, [this] { writeFile(PaymentBank::Direktna); });
    connect(cmdKomercijalna, &QPushButton::clicked, this,
            [this] { writeFile(PaymentBank::Komercijalna); });
    connect(cmdIntesa, &QPushButton::clicked, this, [this] { writeFile(PaymentBank::Intesa); });

    auto* commands = new QHBoxLayout;
    commands->addWidget(lblUkupno, 1);
    commands->addWidget(cmdStampaj);
    commands->addWidget(cmdDirektna);
    commands->addWidget(cmdKomercijalna);
    commands->addWidget(cmdIntesa);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period_.row());
    layout->addWidget(listBanke, 1);
    layout->addLayout(commands);
    layout->addWidget(listR, 2);
    resize(900, 600);
}

void frmPregledPoBankama::setSelection(int year, int month, Payment payment) {
    period_.choose(year, month, static_cast<int>(payment));
    UcitajBanke();
}

ListSelection frmPregledPoBankama::selection() const {
    return {period_.year(), period_.month(), static_cast<Payment>(period_.payment()), 0};
}

const BankGroup* frmPregledPoBankama::chosenBank() const {
    if (!list_ || !listBanke->currentItem())
        return nullptr;
    const int index = listBanke->indexOfTopLevelItem(listBanke->currentItem());
    return index < 0 ? nullptr : &list_->banks[static_cast<std::size_t>(index)];
}

void frmPregledPoBankama::UcitajBanke() {
    const QSignalBlocker block(listBanke);
    listBanke->clear();
    list_.reset();
    lblUkupno->clear();
    ui::guarded(this, "UcitajBanke", [&] {
        auto loaded = source_.load(*context_.PayrollDb, selection());
        if (!loaded)
            return; // a month without rates has nothing to pay
        list_ = std::move(loaded).value();
        Currency total;
        for (const BankGroup& group : list_->banks) {
            ui::addRow(listBanke, {group.bank, group.account, amount(group.total)}, group.ID_BAnka)
                ->setTextAlignment(2, Qt::AlignRight);
            total += group.total;
        }
        if (listBanke->topLevelItemCount() > 0)
            listBanke->setCurrentItem(listBanke->topLevelItem(0));
        lblUkupno->setText("UKUPNO: "_q + toQ(amount(total)));
    });
    UcitajRadnike();
}

void frmPregledPoBankama::UcitajRadnike() {
    listR->clear();
    const BankGroup* group = chosenBank();
    if (!group)
        return;
    for (const BankTransfer& t : group->transfers)
        ui::addRow(listR, {t.name, t.JMBG, t.account, amount(t.amount)}, t.id_radnik)
            ->setTextAlignment(3, Qt::AlignRight);
}

void frmPregledPoBankama::cmdStampaj_Click() {
    const BankGroup* group = chosenBank();
    if (!group) {
        message(this, "Izaberite banku!"_q, Icon::Exclamation);
        return;
    }
    ui::guarded(this, "cmdStampaj_Click", [&] {
        const BankFileSettings settings =
            loadBankFileSettings(*context_.PayrollDb, context_.CompanyMasterDb.get());
        ListPrint print;
        if (context_.CompanyMasterDb)
            if (const auto company = report::readCompanyData(*context_.CompanyMasterDb))
                print.company = *company;
        print.logo = context_.logoPath();
        const std::string place = settings.place + ", " + toDisplayText(context_.clock.today());
        report::showPreview(this, bankTransferList(print, place, *group, *list_),
                            context_.PrinterName);
    });
}

void frmPregledPoBankama::writeFile(PaymentBank bank) {
    const BankGroup* group = chosenBank();
    if (!group) {
        message(this, "Izaberite banku!"_q, Icon::Exclamation);
        return;
    }
    const auto drive = ui::askDriveLetter(this);
    if (!drive)
        return;
    ui::guarded(this, "writeFile", [&] {
        const BankFileSettings settings =
            loadBankFileSettings(*context_.PayrollDb, context_.CompanyMasterDb.get());
        const auto path = writeBankFile(startup::driveFolder(context_.BaseFolder, *drive), *group,
                                        bankFileContext(settings, bank, source_.kind,
                                                        list_->selection, context_.clock.today()));
        ui::showWritten(this, {path});
    });
}

void frmPregledPoBankama::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::outputs
