#include "ui/frmUlazDatum.h"

#include <QDateEdit>

namespace zarion::ui {

frmUlazDatum::frmUlazDatum(QWidget* parent)
    : frmUlazDatum(new QDateEdit, parent) {}

frmUlazDatum::frmUlazDatum(QDateEdit* box, QWidget* parent)
    : InputDialog(QStringLiteral("frmUlazDatum"), box, parent)
    , DTPicker1(box) {
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
}

void frmUlazDatum::setDate(const QDate& date) {
    DTPicker1->setDate(date);
}

QDate frmUlazDatum::value() const {
    return DTPicker1->date();
}

} // namespace zarion::ui
