#include "employees/frmZanimanje.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "employees/CodeLists.h"
#include "employees/EmployeeRecord.h"
#include "employees/RegisterWindow.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using ui::operator""_q;

frmZanimanje::frmZanimanje(db::Database& db, std::int64_t employee, QWidget* parent)
    : QDialog(parent)
    , db_(db)
    , employee_(employee)
    , lblPrezime_(new QLabel(this))
    , lblIme_(new QLabel(this))
    , lblRadnoMesto_(new QLabel(this))
    , txtTrazi_(new QLineEdit(this))
    , listZanimanje_(new QListWidget(this))
    , cmdOK_(new QPushButton("OK", this)) {
    setObjectName("frmZanimanje");
    setWindowTitle("Zanimanje"_q);
    lblPrezime_->setObjectName("lblPrezime");
    lblIme_->setObjectName("lblIme");
    lblRadnoMesto_->setObjectName("lblRadnoMesto");
    lblRadnoMesto_->setWordWrap(true);
    txtTrazi_->setObjectName("txtTrazi");
    listZanimanje_->setObjectName("listZanimanje");
    cmdOK_->setObjectName("cmdOK");

    if (const auto e = loadEmployee(db_, employee_)) {
        lblPrezime_->setText(ui::toQ(e->Prezime));
        lblIme_->setText(ui::toQ(e->Ime));
        lblRadnoMesto_->setText(ui::toQ(e->radno_mesto));
    }
    for (const PickerEntry& entry : occupationEntries(db_))
        listZanimanje_->addItem(ui::toQ(entry.text));
    listZanimanje_->setCurrentRow(0);

    connect(txtTrazi_, &QLineEdit::textChanged, this, &frmZanimanje::filter);
    connect(listZanimanje_, &QListWidget::itemDoubleClicked, this, &frmZanimanje::cmdOK_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &frmZanimanje::cmdOK_Click);

    auto* form = new QFormLayout;
    form->addRow("Prezime:", lblPrezime_);
    form->addRow("Ime:", lblIme_);
    form->addRow("Radno mesto:", lblRadnoMesto_);
    form->addRow("Tra`i:"_q, txtTrazi_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(listZanimanje_);
    layout->addLayout(buttons);
    ui::SelectAllOnFocus::installAll(this);
    resize(560, 520);
}

void frmZanimanje::filter(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < listZanimanje_->count(); ++i) {
        QListWidgetItem* item = listZanimanje_->item(i);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first)
            first = item;
    }
    listZanimanje_->setCurrentItem(first);
}

void frmZanimanje::cmdOK_Click() {
    const QListWidgetItem* chosen = listZanimanje_->currentItem();
    if (!chosen || chosen->isHidden())
        return;
    ui::guarded(this, "cmdOK_Click", [&] {
        if (const auto refusal = setJobTitle(db_, employee_, ui::fromQ(chosen->text()))) {
            ui::showRefusal(this, *refusal);
            return;
        }
        accept();
    });
}

} // namespace zarion::employees
