#include "ui/frmStampaci.h"

#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "ui/Dialogs.h"

namespace zarion::ui {

frmStampaci::frmStampaci(AppContext& context, QWidget* parent)
    : frmStampaci(context, QPrinterInfo::availablePrinterNames(), parent) {}

frmStampaci::frmStampaci(AppContext& context, const QStringList& printers, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , listST(new QListWidget(this))
    , cmdZatvori(new QPushButton(QStringLiteral("Zatvori"), this)) {
    setObjectName(QStringLiteral("frmStampaci"));
    setWindowTitle(QStringLiteral("Izbor stampaca"));
    listST->setObjectName(QStringLiteral("listST"));
    cmdZatvori->setObjectName(QStringLiteral("cmdZatvori"));
    listST->addItems(printers);
    const auto current = listST->findItems(toQ(context_.PrinterName), Qt::MatchExactly);
    if (!current.isEmpty())
        listST->setCurrentItem(current.first());

    connect(listST, &QListWidget::itemClicked, this, &frmStampaci::listST_Click);
    connect(listST, &QListWidget::itemActivated, this, &frmStampaci::listST_Click);
    connect(cmdZatvori, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listST);
    layout->addWidget(cmdZatvori, 0, Qt::AlignRight);
    resize(380, 260);
    listST->setFocus();
}

void frmStampaci::listST_Click(QListWidgetItem* item) {
    context_.PrinterName = fromQ(item->text());
    cmdZatvori->setFocus();
}

} // namespace zarion::ui
