#include "other_income/OtherIncomeBoxes.h"

#include <QLineEdit>

#include "core/NumberFormat.h"
#include "ui/Dialogs.h"

namespace zarion::other_income {

QString amountText(Currency amount) {
    return ui::toQ(format(amount, NumberFormat::Grouped2));
}

QString rateText(double rate) {
    return ui::toQ(format(rate, NumberFormat::Grouped2));
}

Currency amountOf(const QLineEdit* box) {
    return parseAmount(ui::fromQ(box->text().trimmed())).value_or(Currency());
}

double rateOf(const QLineEdit* box) {
    return amountOf(box).toDouble();
}

} // namespace zarion::other_income
