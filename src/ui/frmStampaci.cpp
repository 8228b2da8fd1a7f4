#include "ui/frmStampaci.h"

#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "ui/Dialogs.h"

namespace zarion::ui {
namespace {

const QString NoPrinter =
    "Na ovom ra~unaru nije instaliran nijedan {tampa~. Izve{taj se i bez njega mo`e sa~uvati "
    "kao PDF (dugme \"Sa~uvaj PDF\" u pregledu pre {tampe) i od{tampati sa drugog ra~unara."_q;

} // namespace

frmStampaci::frmStampaci(AppContext& context, QWidget* parent)
    : frmStampaci(context, QPrinterInfo::availablePrinterNames(), parent) {}

frmStampaci::frmStampaci(AppContext& context, const QStringList& printers, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , listST(new QListWidget(this))
    , cmdZatvori(new QPushButton(QStringLiteral("Zatvori"), this)) {
    setObjectName(QStringLiteral("frmStampaci"));
    setWindowTitle("Izbor {tampa~a"_q);
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
    if (printers.isEmpty()) {
        auto* lblNema = new QLabel(NoPrinter, this);
        lblNema->setObjectName(QStringLiteral("lblNema"));
        lblNema->setWordWrap(true);
        layout->addWidget(lblNema);
        listST->hide();
    }
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
