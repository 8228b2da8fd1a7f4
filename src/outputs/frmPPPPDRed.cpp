#include "outputs/frmPPPPDRed.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Text.h"
#include "ui/Dialogs.h"

namespace zarion::outputs {

using ui::toQ;

frmPPPPDRed::frmPPPPDRed(const DeclarationRow& row, Accepted accepted, QWidget* parent)
    : QDialog(parent)
    , row_(row)
    , accepted_(std::move(accepted)) {
    setObjectName(QStringLiteral("frmPPPPDRed"));
    setWindowTitle(toQ(trim(row[Col::Prezime]) + " " + trim(row[Col::Ime])));
    auto* form = new QFormLayout;
    const auto& headings = declarationHeadings();
    for (std::size_t c = 0; c < DeclarationColumns; ++c) {
        boxes_[c] = new QLineEdit(toQ(row.texts[c]), this);
        boxes_[c]->setObjectName(QStringLiteral("txtKolona%1").arg(c));
        form->addRow(toQ(headings[c]), boxes_[c]);
    }
    boxes_[static_cast<std::size_t>(Col::RBr)]->setReadOnly(true);
    boxes_[static_cast<std::size_t>(Col::ID)]->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Odustani"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void frmPPPPDRed::accept() {
    for (std::size_t c = 0; c < DeclarationColumns; ++c)
        row_.texts[c] = trim(ui::fromQ(boxes_[c]->text()));
    accepted_(row_);
    QDialog::accept();
}

} // namespace zarion::outputs
