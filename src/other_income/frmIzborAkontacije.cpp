#include "other_income/frmIzborAkontacije.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/NumberFormat.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;

frmIzborAkontacije::frmIzborAkontacije(std::vector<payroll::AdvanceLine> advances, QWidget* parent)
    : QDialog(parent)
    , advances_(std::move(advances))
    , listAkontacije(makeList(this, "listAkontacije", {"Datum"_q, "ID"_q, "Iznos"_q}))
    , cmdDodaj(new QPushButton("Dodaj"_q, this)) {
    setObjectName("frmIzborAkontacije");
    setWindowTitle("Akontacije radnika"_q);
    cmdDodaj->setObjectName("cmdDodaj");
    listAkontacije->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listAkontacije->headerItem()->setTextAlignment(2, Qt::AlignRight);
    for (const payroll::AdvanceLine& line : advances_)
        addRow(listAkontacije,
               {toDisplayText(line.Datum), std::to_string(line.id_ooz),
                format(line.NETO, NumberFormat::Grouped2)},
               line.id_ooz)
            ->setTextAlignment(2, Qt::AlignRight);
    if (listAkontacije->topLevelItemCount() > 0)
        listAkontacije->setCurrentItem(listAkontacije->topLevelItem(0));

    auto* cancel = new QPushButton("Odustani"_q, this);
    cancel->setObjectName("cmdIzlaz");
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(cmdDodaj);
    commands->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listAkontacije, 1);
    layout->addLayout(commands);
    resize(420, 320);

    connect(cmdDodaj, &QPushButton::clicked, this, &frmIzborAkontacije::cmdDodaj_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(listAkontacije, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        listAkontacije->clearSelection();
        item->setSelected(true);
        cmdDodaj_Click();
    });
}

void frmIzborAkontacije::cmdDodaj_Click() {
    chosen_.clear();
    for (int i = 0; i < listAkontacije->topLevelItemCount(); ++i)
        if (listAkontacije->topLevelItem(i)->isSelected())
            chosen_.push_back(advances_[static_cast<std::size_t>(i)]);
    if (chosen_.empty())
        return;
    accept();
}

} // namespace zarion::other_income
