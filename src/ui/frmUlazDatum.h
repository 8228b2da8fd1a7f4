#pragma once

#include <QDate>

#include "ui/InputDialog.h"

class QDateEdit;

namespace zarion::ui {

// The date input dialog: a date box with a calendar that drops down; OK hands back its date.
class frmUlazDatum : public InputDialog {
    Q_OBJECT

public:
    explicit frmUlazDatum(QWidget* parent = nullptr);

    void setDate(const QDate& date);
    QDate value() const;

private:
    frmUlazDatum(QDateEdit* box, QWidget* parent);

    QDateEdit* DTPicker1;
};

} // namespace zarion::ui
