#pragma once

#include <QString>
#include <optional>

#include "core/AppContext.h"
#include "core/CalculationKind.h"
#include "core/Dates.h"
#include "core/trail/FiledMonths.h"
#include "core/trail/Trail.h"

class QLabel;
class QWidget;

namespace zarion::ui {

// Before a calculation of a month changes: when the month's return has been filed, asks the
// signed-in operator's access code and the reason. Nothing when the change must not go ahead;
// otherwise the permit to keep alive while the change is made (one that permits nothing when the
// month is not filed).
std::optional<trail::Permit> permitChange(QWidget* parent, AppContext& context,
                                          CalculationKind kind, int year, int month);

// The same for a payment order of awards or other income, in the month of its date.
std::optional<trail::Permit> permitOrderChange(QWidget* parent, AppContext& context,
                                               const Date& paid);

// The same for marking a month filed by hand or lifting the mark: always asks.
std::optional<trail::Permit> askPermit(QWidget* parent, AppContext& context, const QString& why);

// "Mesec je predat: <file> (dd.MM.yyyy HH:mm)", or empty when the month is not filed.
QString filedNote(AppContext& context, CalculationKind kind, int year, int month);
// The note of an order's month.
QString orderFiledNote(AppContext& context, const Date& paid);

// The label a calculation window shows the note in, in dark red bold.
QLabel* filedNoteLabel(QWidget* parent);

} // namespace zarion::ui
