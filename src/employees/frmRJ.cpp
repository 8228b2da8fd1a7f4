#include "employees/frmRJ.h"

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

frmRJ::frmRJ(AppContext& context, QWidget* parent)
    : RegisterWindow(parent)
    , context_(context)
    , listRJ_(new QTreeWidget(this))
    , fraRJ_(new QGroupBox(this))
    , txtID_(new QLineEdit(fraRJ_))
    , txtNaziv_(new QLineEdit(fraRJ_))
    , cmdSnimi_(new QPushButton(fraRJ_)) {
    setObjectName("frmRJ");
    setWindowTitle("Radne jedinice"_q);

    listRJ_->setObjectName("listRJ");
    listRJ_->setHeaderLabels({"ID", "Radna jedinica"});
    listRJ_->setRootIsDecorated(false);
    listRJ_->setAllColumnsShowFocus(true);
    listRJ_->setColumnWidth(0, 60);
    watchList(listRJ_);
    connect(listRJ_, &QTreeWidget::itemDoubleClicked, this, [this] { onEdit(); });

    fraRJ_->setObjectName("fraRJ");
    txtID_->setObjectName("txtID");
    txtID_->setReadOnly(true);
    txtID_->setFocusPolicy(Qt::NoFocus);
    txtNaziv_->setObjectName("txtNaziv");
    cmdSnimi_->setObjectName("cmdSnimi");
    connect(cmdSnimi_, &QPushButton::clicked, this, &frmRJ::cmdSnimi_Click);
    auto* form = new QFormLayout(fraRJ_);
    form->addRow("ID:", txtID_);
    form->addRow("Naziv:", txtNaziv_);
    form->addRow(QString(), cmdSnimi_);
    ui::SelectAllOnFocus::installAll(fraRJ_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listRJ_);
    layout->addWidget(fraRJ_);
    layout->addWidget(
        new QLabel("F5 - Nova   F6 - A`uriranje   F9 - Brisanje   Esc - Izlaz"_q, this));
    resize(460, 420);

    UcitajRJ();
}

void frmRJ::UcitajRJ() {
    listRJ_->clear();
    for (const Unit& unit : listUnits(*context_.PayrollDb)) {
        auto* item = new QTreeWidgetItem(listRJ_);
        item->setText(0, QString::number(unit.id));
        item->setText(1, ui::toQ(unit.name));
    }
    ui::selectRow(*listRJ_, 0, 0);
    closePanel();
}

std::int64_t frmRJ::selectedId() const {
    const auto* item = listRJ_->currentItem();
    return item ? item->text(0).toLongLong() : 0;
}

bool frmRJ::panelOpen() const {
    return fraRJ_->isVisibleTo(this);
}

void frmRJ::closePanel() {
    fraRJ_->hide();
    listRJ_->setFocus();
}

void frmRJ::onNew() {
    cmdSnimi_->setText("Snimi"_q);
    txtID_->clear();
    txtNaziv_->clear();
    fraRJ_->show();
    txtNaziv_->setFocus();
}

void frmRJ::onEdit() {
    if (!listRJ_->currentItem())
        return;
    const auto unit = findUnit(*context_.PayrollDb, selectedId());
    if (!unit) {
        ui::message(this, "Greska kod pronalazenja radne jedinice u bazi!"_q, ui::Icon::Critical);
        return;
    }
    cmdSnimi_->setText("A`uriraj"_q);
    txtID_->setText(QString::number(unit->id));
    txtNaziv_->setText(ui::toQ(unit->name));
    fraRJ_->show();
    txtNaziv_->setFocus();
}

void frmRJ::onRemove() {
    if (!listRJ_->currentItem())
        return;
    ui::guarded(this, "onRemove", [&] {
        db::Database& db = *context_.PayrollDb;
        const std::int64_t id = selectedId();
        if (const auto refusal = unitRemovalRefusal(db, id)) {
            ui::showRefusal(this, *refusal);
            return;
        }
        if (!ui::ask(this, ui::toQ(unitRemovalQuestion(*findUnit(db, id)))))
            return;
        if (const auto refusal = removeUnit(db, id))
            ui::showRefusal(this, *refusal);
        UcitajRJ();
    });
}

void frmRJ::cmdSnimi_Click() {
    ui::guarded(this, "cmdSnimi_Click", [&] {
        std::optional<std::int64_t> id;
        if (cmdSnimi_->text() == "A`uriraj"_q)
            id = txtID_->text().toLongLong();
        const SaveResult saved = saveUnit(*context_.PayrollDb, id, ui::fromQ(txtNaziv_->text()));
        if (saved.refusal) {
            ui::showRefusal(this, *saved.refusal);
            txtNaziv_->setFocus();
            return;
        }
        UcitajRJ();
        ui::selectRow(*listRJ_, 0, saved.id);
    });
}

} // namespace zarion::employees
