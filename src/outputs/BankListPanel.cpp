#include "outputs/BankListPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/startup/Paths.h"
#include "core/trail/FiledMonths.h"
#include "outputs/BankFileSettings.h"
#include "outputs/BankListReport.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

} // namespace

BankListPanel::BankListPanel(AppContext& context, PayoutKind kind, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , kind_(kind)
    , listBanke(ui::makeList(this, "listBanke", {"Banka"_q, "Ra~un banke"_q, "Iznos"_q}))
    , lblUkupno(new QLabel(this))
    , listR(ui::makeList(this, "listR",
                         {"Prezime i ime"_q, "JMBG"_q, "Teku}i ra~un"_q, "Iznos uplate"_q}))
    , cmdStampaj(new QPushButton("[tampa spiska"_q, this))
    , cmdDirektna(new QPushButton("Fajl - Direktna"_q, this))
    , cmdKomercijalna(new QPushButton("Fajl - Komercijalna"_q, this))
    , cmdIntesa(new QPushButton("Fajl - Intesa"_q, this)) {
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

    connect(listBanke, &QTreeWidget::currentItemChanged, this, &BankListPanel::UcitajRadnike);
    connect(cmdStampaj, &QPushButton::clicked, this, &BankListPanel::cmdStampaj_Click);
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
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listBanke, 1);
    layout->addLayout(commands);
    layout->addWidget(listR, 2);
}

void BankListPanel::setList(std::optional<BankList> list) {
    {
        const QSignalBlocker block(listBanke);
        listBanke->clear();
        lblUkupno->clear();
        list_ = std::move(list);
        if (list_) {
            Currency total;
            for (const BankGroup& group : list_->banks) {
                ui::addRow(listBanke, {group.bank, group.account, amount(group.total)},
                           group.ID_BAnka)
                    ->setTextAlignment(2, Qt::AlignRight);
                total += group.total;
            }
            if (listBanke->topLevelItemCount() > 0)
                listBanke->setCurrentItem(listBanke->topLevelItem(0));
            lblUkupno->setText("UKUPNO: "_q + toQ(amount(total)));
        }
    }
    UcitajRadnike();
}

const BankGroup* BankListPanel::chosenBank() const {
    if (!list_ || !listBanke->currentItem())
        return nullptr;
    const int index = listBanke->indexOfTopLevelItem(listBanke->currentItem());
    return index < 0 ? nullptr : &list_->banks[static_cast<std::size_t>(index)];
}

void BankListPanel::UcitajRadnike() {
    listR->clear();
    const BankGroup* group = chosenBank();
    if (!group)
        return;
    for (const BankTransfer& t : group->transfers)
        ui::addRow(listR, {t.name, t.JMBG, t.account, amount(t.amount)}, t.id_radnik)
            ->setTextAlignment(3, Qt::AlignRight);
}

void BankListPanel::cmdStampaj_Click() {
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
        report::showPreview(this, bankTransferList(print, place, *group, list_->payout),
                            context_.PrinterName);
    });
}

void BankListPanel::writeFile(PaymentBank bank) {
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
        const auto path = writeBankFile(
            startup::driveFolder(context_.BaseFolder, *drive), *group,
            bankFileContext(settings, bank, kind_, list_->selection, context_.clock.today()));
        trail::recordExport(*context_.PayrollDb, "Fajl za banku", {path}, list_->selection.year,
                            list_->selection.month);
        ui::showWritten(this, {path});
    });
}

} // namespace zarion::outputs
