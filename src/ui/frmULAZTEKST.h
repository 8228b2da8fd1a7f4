#pragma once

#include "ui/InputDialog.h"

class QLineEdit;

namespace zarion::ui {

// The text input dialog: OK hands back the text of txtULAZ as typed.
class frmULAZTEKST : public InputDialog {
    Q_OBJECT

public:
    explicit frmULAZTEKST(QWidget* parent = nullptr);

    QString value() const;
    // The text the box starts with (a proposed answer).
    void setText(const QString& text);
    // Hides what is typed, for an access code.
    void setMasked();

private:
    frmULAZTEKST(QLineEdit* box, QWidget* parent);

    QLineEdit* txtULAZ;
};

} // namespace zarion::ui
