#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <utility>

#include "core/CalculationKind.h"

namespace zarion::ui {

// What the commands of the pop-up menu (mnuPo, mnuOO) ask of the calculation window that is
// active in the main window. Every calculation window implements it beside its QWidget base.
class CalculationWindow {
public:
    virtual ~CalculationWindow() = default;

    // Where the window keeps the calculations it shows.
    virtual CalculationKind calculationKind() const = 0;
    virtual int month() const = 0;
    virtual int year() const = 0;
    // The employee selected in the list listZ (id and name); nothing when the list is empty.
    virtual std::optional<std::pair<qint64, QString>> selectedEmployee() const = 0;
    // Clears the employee number box txtID_Radnik.
    virtual void clearEmployeeNumber() = 0;
    // Reloads the employee list.
    virtual void UcitajRadnike() = 0;
};

} // namespace zarion::ui
