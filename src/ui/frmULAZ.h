#pragma once

#include <QChar>

#include "core/Currency.h"
#include "ui/InputDialog.h"

class QLineEdit;

namespace zarion::ui {

// The numeric input dialog: OK reads txtULAZ by the numeric-prefix rule ("12.5abc" is 12.5).
class frmULAZ : public InputDialog {
    Q_OBJECT

public:
    explicit frmULAZ(QWidget* parent = nullptr);

    // Masks the typed characters with the given character (an access code).
    void setPasswordChar(QChar character);
    // The text the box starts with (a proposed answer).
    void setText(const QString& text);
    // The number read when OK was pressed.
    Currency value() const { return value_; }

    void accept() override; // cmdOK_Click

private:
    frmULAZ(QLineEdit* box, QWidget* parent);

    QLineEdit* txtULAZ;
    Currency value_;
};

} // namespace zarion::ui
