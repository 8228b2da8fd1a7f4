#include "ui/PeriodBoxes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::ui {

PeriodBoxes::PeriodBoxes(QWidget* parent, const QStringList& payments)
    : parent_(parent)
    , month_(new QComboBox(parent))
    , year_(new QComboBox(parent))
    , payment_(new QComboBox(parent)) {
    month_->setObjectName("cmbMesec");
    year_->setObjectName("cmbGodina");
    payment_->setObjectName("cmbDeo");
    fillMonths(month_);
    fillYears(year_);
    payment_->addItems(payments);
}

QHBoxLayout* PeriodBoxes::row() const {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Mesec:"_q, parent_));
    row->addWidget(month_);
    row->addWidget(new QLabel("Godina:"_q, parent_));
    row->addWidget(year_);
    row->addWidget(new QLabel("Isplata:"_q, parent_));
    row->addWidget(payment_);
    row->addStretch();
    return row;
}

void PeriodBoxes::choose(int year, int month, int payment) const {
    const QSignalBlocker blockYear(year_);
    const QSignalBlocker blockMonth(month_);
    const QSignalBlocker blockPayment(payment_);
    year_->setCurrentIndex(year_->findData(year));
    month_->setCurrentIndex(month_->findData(month));
    payment_->setCurrentIndex(payment);
}

void PeriodBoxes::whenChanged(QWidget* receiver, const std::function<void()>& changed) const {
    for (QComboBox* box : {month_, year_, payment_})
        QObject::connect(box, &QComboBox::currentIndexChanged, receiver, changed);
}

int PeriodBoxes::year() const {
    return year_->currentData().toInt();
}

int PeriodBoxes::month() const {
    return month_->currentData().toInt();
}

int PeriodBoxes::payment() const {
    return payment_->currentIndex();
}

} // namespace zarion::ui
