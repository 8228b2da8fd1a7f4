#pragma once

#include <QString>

#include "core/Currency.h"

class QLineEdit;

// Boxes holding an amount of money show it as a Serbian reader writes it ("1.234,50") and take it
// typed either way ("1234,5", "1234.5", "1.234,50").
namespace zarion::ui {

// "1.234,50".
QString amountText(Currency amount);
// The amount the text holds, in either form; a text that is no such number reads by the
// numeric-prefix rule (an empty box is 0).
Currency amountOf(const QString& text);

void showAmount(QLineEdit* box, Currency amount);
Currency amountIn(const QLineEdit* box);

// Hours, rates and coefficients the same way: as short as the number is, with a decimal comma
// ("7,5"); taken with a comma or a point.
QString decimalText(double value);
double decimalIn(const QLineEdit* box);

} // namespace zarion::ui
