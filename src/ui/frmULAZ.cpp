#include "ui/frmULAZ.h"

#include <QLineEdit>
#include <exception>

#include "ui/AmountBox.h"
#include "ui/Dialogs.h"

namespace zarion::ui {

frmULAZ::frmULAZ(QWidget* parent)
    : frmULAZ(new QLineEdit, parent) {}

frmULAZ::frmULAZ(QLineEdit* box, QWidget* parent)
    : InputDialog(QStringLiteral("frmULAZ"), box, parent)
    , txtULAZ(box) {
    txtULAZ->setObjectName(QStringLiteral("txtULAZ"));
}

void frmULAZ::setPasswordChar(QChar character) {
    txtULAZ->setEchoMode(QLineEdit::Password);
    txtULAZ->setStyleSheet(
        QStringLiteral("lineedit-password-character: %1").arg(character.unicode()));
}

void frmULAZ::setText(const QString& text) {
    txtULAZ->setText(text);
}

void frmULAZ::accept() {
    try {
        value_ = amountIn(txtULAZ);
    } catch (const std::exception& error) {
        message(this, "Greska u proceduri frmUlaz.cmdOK_Click! Opis: "_q + toQ(error.what()),
                Icon::Critical);
        return;
    }
    InputDialog::accept();
}

} // namespace zarion::ui
