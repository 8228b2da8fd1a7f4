#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace zarion::ui {

// A whole number (a year, a month, an employee's number) asked for with the numeric input
// dialog; nothing when the operator cancels.
std::optional<int> askWholeNumber(QWidget* parent, const QString& caption);

} // namespace zarion::ui
