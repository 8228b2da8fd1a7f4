#pragma once

#include <QString>

#include "core/Currency.h"

class QLineEdit;

// Amounts and rates in the input boxes of the other-income windows, in the Serbian form.
namespace zarion::other_income {

QString amountText(Currency amount); // 1.234,56
QString rateText(double rate);       // 5,15
// What the operator typed, in either form; 0 for anything else.
Currency amountOf(const QLineEdit* box);
double rateOf(const QLineEdit* box);

} // namespace zarion::other_income
