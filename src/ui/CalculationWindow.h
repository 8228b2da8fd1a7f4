#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <utility>

namespace zarion::ui {

// What the commands of the pop-up menu (mnuPo, mnuOO) ask of the calculation window that is
// active in the main window. Every calculation window implements it beside its QWidget base.
class CalculationWindow {
public:
    virtual ~CalculationWindow() = default;

    // The window's name: "frmObracunJed", "frmObracunNeto", "frmObracunBolovanje", …
    virtual QString windowKind() const = 0;
    virtual int month() const = 0;
    virtual int year() const = 0;
    // A final calculation (kind label "1 - KONA^NI OBRA^UN"), not an advance.
    virtual bool isFinal() const = 0;
    // Maternity leave rather than sick leave (label lblRZ); only the sick-leave window says yes.
    virtual bool isMaternity() const { return false; }
    // The employee selected in the list listZ (id and name); nothing when the list is empty.
    virtual std::optional<std::pair<qint64, QString>> selectedEmployee() const = 0;
    // Clears the employee number box txtID_Radnik.
    virtual void clearEmployeeNumber() = 0;
    // Reloads the employee list.
    virtual void UcitajRadnike() = 0;
};

} // namespace zarion::ui
