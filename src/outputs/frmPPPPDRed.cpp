#include "outputs/frmPPPPDRed.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/NumericText.h"
#include "core/Text.h"
#include "parameters/frmSifraVrstePrihoda.h"
#include "ui/Dialogs.h"

namespace zarion::outputs {

using ui::toQ;
using ui::operator""_q;

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
        if (c != static_cast<std::size_t>(Col::SVP)) {
            form->addRow(toQ(headings[c]), boxes_[c]);
            continue;
        }
        // the code is composed in its own editor, with the code lists as help
        auto* code = new QHBoxLayout;
        code->addWidget(boxes_[c], 1);
        auto* cmdSifra = new QPushButton("Sastavi {ifru..."_q, this);
        cmdSifra->setObjectName(QStringLiteral("cmdSifraVrstePrihoda"));
        connect(cmdSifra, &QPushButton::clicked, this, &frmPPPPDRed::composeIncomeCode);
        code->addWidget(cmdSifra);
        form->addRow(toQ(headings[c]), code);
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

void frmPPPPDRed::composeIncomeCode() {
    QLineEdit* code = boxes_[static_cast<std::size_t>(Col::SVP)];
    QLineEdit* days = boxes_[static_cast<std::size_t>(Col::BrojKalendarskihDana)];
    parameters::frmSifraVrstePrihoda editor(
        boxes_[static_cast<std::size_t>(Col::RBr)]->text(), trim(ui::fromQ(code->text())),
        static_cast<int>(wholeValue(ui::fromQ(days->text()))),
        [code, days](const std::string& joined, int dayCount) {
            code->setText(toQ(joined));
            days->setText(QString::number(dayCount));
        },
        this);
    editor.exec();
}

void frmPPPPDRed::accept() {
    for (std::size_t c = 0; c < DeclarationColumns; ++c)
        row_.texts[c] = trim(ui::fromQ(boxes_[c]->text()));
    accepted_(row_);
    QDialog::accept();
}

} // namespace zarion::outputs
