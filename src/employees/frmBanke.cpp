#include "employees/frmBanke.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "employees/CodeLists.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using ui::operator""_q;

namespace {
constexpr int IdColumn = 2;
}

frmBanke::frmBanke(AppContext& context, QWidget* parent)
    : RegisterWindow(parent)
    , context_(context)
    , listBanke_(new QTreeWidget(this))
    , fraBanka_(new QGroupBox(this))
    , txtID_(new QLineEdit(fraBanka_))
    , txtBanka_(new QLineEdit(fraBanka_))
    , txtTekuciRacun_(new QLineEdit(fraBanka_))
    , txtPoziv_(new QLineEdit(fraBanka_))
    , cmdSnimi_(new QPushButton(fraBanka_)) {
    setObjectName("frmBanke");
    setWindowTitle("Banke"_q);

    listBanke_->setObjectName("listBanke");
    listBanke_->setHeaderLabels({"Banka", "Teku}i ra~un"_q, "ID"});
    listBanke_->setRootIsDecorated(false);
    listBanke_->setAllColumnsShowFocus(true);
    listBanke_->setColumnWidth(0, 260);
    listBanke_->setColumnWidth(1, 190);
    watchList(listBanke_);
    connect(listBanke_, &QTreeWidget::itemDoubleClicked, this, [this] { onEdit(); });

    fraBanka_->setObjectName("fraBanka");
    txtID_->setObjectName("txtID");
    txtID_->setReadOnly(true);
    txtID_->setFocusPolicy(Qt::NoFocus);
    txtBanka_->setObjectName("txtBanka");
    txtTekuciRacun_->setObjectName("txtTekuciRacun");
    txtPoziv_->setObjectName("txtPoziv");
    cmdSnimi_->setObjectName("cmdSnimi");
    connect(cmdSnimi_, &QPushButton::clicked, this, &frmBanke::cmdSnimi_Click);
    auto* form = new QFormLayout(fraBanka_);
    form->addRow("ID:", txtID_);
    form->addRow("Banka:", txtBanka_);
    form->addRow("Teku}i ra~un:"_q, txtTekuciRacun_);
    form->addRow("Poziv na broj:", txtPoziv_);
    form->addRow(QString(), cmdSnimi_);
    ui::SelectAllOnFocus::installAll(fraBanka_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listBanke_);
    layout->addWidget(fraBanka_);
    layout->addWidget(
        new QLabel("F5 - Nova   F6 - A`uriranje   F9 - Brisanje   Esc - Izlaz"_q, this));
    resize(560, 460);

    UcitajBanke();
}

void frmBanke::UcitajBanke() {
    listBanke_->clear();
    for (const Bank& bank : listBanks(*context_.PayrollDb)) {
        auto* item = new QTreeWidgetItem(listBanke_);
        item->setText(0, ui::toQ(bank.name));
        item->setText(1, ui::toQ(bank.account));
        item->setText(IdColumn, QString::number(bank.id));
    }
    ui::selectRow(*listBanke_, IdColumn, 0);
    closePanel();
}

std::int64_t frmBanke::selectedId() const {
    const auto* item = listBanke_->currentItem();
    return item ? item->text(IdColumn).toLongLong() : 0;
}

bool frmBanke::panelOpen() const {
    return fraBanka_->isVisibleTo(this);
}

void frmBanke::closePanel() {
    fraBanka_->hide();
    listBanke_->setFocus();
}

void frmBanke::onNew() {
    cmdSnimi_->setText("Snimi"_q);
    for (QLineEdit* box : {txtID_, txtBanka_, txtTekuciRacun_, txtPoziv_})
        box->clear();
    fraBanka_->show();
    txtBanka_->setFocus();
}

void frmBanke::onEdit() {
    if (!listBanke_->currentItem())
        return;
    const auto bank = findBank(*context_.PayrollDb, selectedId());
    if (!bank) {
        ui::message(this, "Greska kod pronalazenja banke u bazi!"_q, ui::Icon::Critical);
        return;
    }
    cmdSnimi_->setText("A`uriraj"_q);
    txtID_->setText(QString::number(bank->id));
    txtBanka_->setText(ui::toQ(bank->name));
    txtTekuciRacun_->setText(ui::toQ(bank->account));
    txtPoziv_->setText(ui::toQ(bank->reference));
    fraBanka_->show();
    txtBanka_->setFocus();
}

void frmBanke::onRemove() {
    if (!listBanke_->currentItem())
        return;
    ui::guarded(this, "onRemove", [&] {
        db::Database& db = *context_.PayrollDb;
        const std::int64_t id = selectedId();
        if (const auto refusal = bankRemovalRefusal(db, id)) {
            ui::showRefusal(this, *refusal);
            return;
        }
        if (!ui::ask(this, ui::toQ(bankRemovalQuestion(*findBank(db, id)))))
            return;
        if (const auto refusal = removeBank(db, id)) {
            ui::showRefusal(this, *refusal);
            return;
        }
        UcitajBanke();
        ui::message(this, ui::toQ(bankRemovedMessage()), ui::Icon::Information);
    });
}

void frmBanke::cmdSnimi_Click() {
    ui::guarded(this, "cmdSnimi_Click", [&] {
        std::optional<std::int64_t> id;
        if (cmdSnimi_->text() == "A`uriraj"_q)
            id = txtID_->text().toLongLong();
        const Bank bank{0, ui::fromQ(txtBanka_->text()), ui::fromQ(txtTekuciRacun_->text()),
                        ui::fromQ(txtPoziv_->text())};
        const SaveResult saved = saveBank(*context_.PayrollDb, id, bank);
        if (saved.refusal) {
            ui::showRefusal(this, *saved.refusal);
            (txtBanka_->text().trimmed().isEmpty() ? txtBanka_ : txtTekuciRacun_)->setFocus();
            return;
        }
        UcitajBanke();
        ui::selectRow(*listBanke_, IdColumn, saved.id);
    });
}

} // namespace zarion::employees
