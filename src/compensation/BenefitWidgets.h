#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/Currency.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

class QFormLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zarion {
struct AppContext;
}

// The small pieces the windows of the compensations and awards are built from.
namespace zarion::compensation {

// An input box under its object name, added to the form with its caption.
QLineEdit* formBox(QWidget* parent, QFormLayout* form, const QString& caption, const char* name);
// The employee's number box (txtID_Radnik) and under it the label with his name (lblIme).
QLineEdit* employeeBox(QWidget* parent, QFormLayout* form, QLabel*& name);
// Shows the name of the employee whose number is typed, nothing for an unknown number; true when
// the number is an employee's.
bool showEmployeeName(AppContext& context, const QLineEdit* box, QLabel* name);
QPushButton* commandButton(QWidget* parent, const QString& caption, const char* name);

// An amount as the box shows it (1.234,56), and as the operator typed it (0 for nothing).
QString shownAmount(Currency amount);
Currency typedAmount(const QLineEdit* box);
// The employee's number typed in the box, 0 when there is none.
std::int64_t typedNumber(const QLineEdit* box);

// Closes the window on Esc; false for any other key, which the window handles itself.
bool closedOnEscape(QWidget* window, const QKeyEvent* event);

// The company's data for a report header, empty without the master database.
report::CompanyData companyOf(AppContext& context);
// The print preview of a report on the printer chosen for all printing.
void preview(QWidget* window, AppContext& context, const report::Document& document);

} // namespace zarion::compensation
