#include "ui/AmountBox.h"

#include <QLineEdit>

#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "ui/Dialogs.h"

namespace zarion::ui {

QString amountText(Currency amount) {
    return toQ(format(amount, NumberFormat::Grouped2));
}

Currency amountOf(const QString& text) {
    const std::string typed = fromQ(text.trimmed());
    if (const auto amount = parseAmount(typed))
        return *amount;
    return Currency::parse(typed);
}

void showAmount(QLineEdit* box, Currency amount) {
    box->setText(amountText(amount));
}

Currency amountIn(const QLineEdit* box) {
    return amountOf(box->text());
}

QString decimalText(double value) {
    return toQ(shortestDecimal(value)).replace('.', ',');
}

double decimalIn(const QLineEdit* box) {
    return amountIn(box).toDouble();
}

} // namespace zarion::ui
