#include "ui/frmULAZTEKST.h"

#include <QLineEdit>

namespace zarion::ui {

frmULAZTEKST::frmULAZTEKST(QWidget* parent)
    : frmULAZTEKST(new QLineEdit, parent) {}

frmULAZTEKST::frmULAZTEKST(QLineEdit* box, QWidget* parent)
    : InputDialog(QStringLiteral("frmULAZTEKST"), box, parent)
    , txtULAZ(box) {
    txtULAZ->setObjectName(QStringLiteral("txtULAZ"));
}

void frmULAZTEKST::setText(const QString& text) {
    txtULAZ->setText(text);
}

QString frmULAZTEKST::value() const {
    return txtULAZ->text();
}

void frmULAZTEKST::setMasked() {
    txtULAZ->setEchoMode(QLineEdit::Password);
}

} // namespace zarion::ui
