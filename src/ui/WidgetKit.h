#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The pieces every window of the program is built from: lists, rows, month boxes, closing and
// placing windows, and the one way a window shows a refusal or a trapped failure.
namespace zarion::ui {

// A list view as the registers show it: no tree, whole rows selected, the given columns.
QTreeWidget* makeList(QWidget* parent, const QString& objectName, const QStringList& headings);
// Appends a row of texts; the number goes into Qt::UserRole of column 0.
QTreeWidgetItem* addRow(QTreeWidget* list, const std::vector<std::string>& texts,
                        long long number = 0);
// The number of the current row, 0 when none is selected.
long long currentNumber(const QTreeWidget* list);
// Selects the row that carries the number (the first row when none does).
void selectNumber(QTreeWidget* list, long long number);
// Selects the row whose column shows the number (the first row when none does).
void selectRow(QTreeWidget& list, int column, std::int64_t number);
// Draws every column of the row in the colour.
void colourRow(QTreeWidgetItem* item, const QColor& colour);

// Fills a combo box with the month numbers 1 to 12, or with the years 2009 to 2099.
void fillMonths(QComboBox* box);
void fillYears(QComboBox* box);

// Offers the main window's pop-up menu of the calculation windows ("Pokazi obracun za izabranog
// radnika", "Obrisi obracun za izabranog radnika") on the list: on a right click over a row, which
// becomes the chosen one, and on the Menu key.
void offerPopUpMenu(QTreeWidget* list);

// Closes the window, and its frame when it is a child of the main window.
void closeWindow(QWidget* window);
// Shows a window next to `from`: as a child of the main window when `from` is one, otherwise as
// a window of its own. It is deleted when closed.
void showBeside(QWidget* from, QWidget* window);

// Asks "Unesite slovo diska!" and gives the drive's letter, F when the answer is left empty;
// nothing when the operator cancels.
std::optional<char> askDriveLetter(QWidget* parent);

// "Gotovo" with the full path of every file written, one a line.
void showWritten(QWidget* parent, const std::vector<std::filesystem::path>& files);

// Shows a refusal of the logic: a warning box, or an error box when data or the database failed.
void showRefusal(QWidget* parent, const Refusal& refusal);
// Shows a failure a command trapped: "Greska u proceduri <routine>! Opis: <what>".
void showFailure(QWidget* parent, const char* routine, const std::exception& failure);

// Runs a command of a window, trapping a failure so that it ends the command and is shown;
// nothing escapes into the slot that ran it.
template <typename Command> void guarded(QWidget* parent, const char* routine, Command&& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        showFailure(parent, routine, failure);
    }
}

} // namespace zarion::ui
