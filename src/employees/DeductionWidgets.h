#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <exception>
#include <string>
#include <vector>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Small pieces the deduction and loan windows share.
namespace zarion::employees::widgets {

// A list view as the registers show it: no tree, whole rows selected, the given columns.
QTreeWidget* makeList(QWidget* parent, const QString& objectName, const QStringList& headings);
// Appends a row of texts; the number goes into Qt::UserRole of column 0.
QTreeWidgetItem* addRow(QTreeWidget* list, const std::vector<std::string>& texts, long long number);
// The number of the current row, 0 when none is selected.
long long currentNumber(const QTreeWidget* list);
// Selects the row that carries the number (the first row when none does).
void selectNumber(QTreeWidget* list, long long number);
// Draws every column of the row in the colour.
void colourRow(QTreeWidgetItem* item, const QColor& colour);

// Fills a combo box with the month numbers 1 to 12, or with the years 2009 to 2099.
void fillMonths(QComboBox* box);
void fillYears(QComboBox* box);

// Closes the window, and its frame when it is a child of the main window.
void closeWindow(QWidget* window);
// Shows a window next to `from`: as a child of the main window when `from` is one, otherwise as
// a window of its own. It is deleted when closed.
void showBeside(QWidget* from, QWidget* window);

// Shows a failure the command's handler trapped: "Greska u proceduri <routine>! Opis: <what>".
void showFailure(QWidget* parent, const char* routine, const std::exception& failure);

// Runs a command of a window, trapping a failure so that it ends the command and is shown.
template <typename Command> void guarded(QWidget* parent, const char* routine, Command&& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        showFailure(parent, routine, failure);
    }
}

} // namespace zarion::employees::widgets
