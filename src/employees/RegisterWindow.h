#pragma once

#include <QWidget>
#include <cstdint>
#include <exception>

#include "employees/Refusal.h"

class QAbstractItemView;
class QKeyEvent;
class QTreeWidget;

namespace zarion::employees {

// The keys every register window takes: F5 new, F6 change the selected row, F9 (or Delete on
// the list) remove it, Enter on the list chooses the row, Enter in the edit panel moves to the
// next box (or presses the button that has the focus), Esc closes the edit panel, or the window
// when no panel is open. While the panel is open, F5, F6 and F9 wait until it is saved or
// closed, so nothing typed in it is lost. A window says what each key does by overriding the hooks.
class RegisterWindow : public QWidget {
    Q_OBJECT
public:
    explicit RegisterWindow(QWidget* parent = nullptr);

    // Closes the window, and the child window frame around it in the main window.
    void closeWindow();

protected:
    virtual void onNew() = 0;
    virtual void onEdit() = 0;
    virtual void onRemove() = 0;
    // Enter on the list; changing the row unless a window chooses otherwise.
    virtual void onChoose() { onEdit(); }
    virtual bool panelOpen() const = 0;
    virtual void closePanel() = 0;
    // Keys of the window's own (Ctrl commands); true when taken.
    virtual bool onOtherKey(QKeyEvent*) { return false; }

    // The list whose Enter chooses and whose Delete removes.
    void watchList(QAbstractItemView* list);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterInPanel();

    QAbstractItemView* list_ = nullptr;
};

// Makes the row whose column holds the number the current one (the first row when none does).
void selectRow(QTreeWidget& list, int column, std::int64_t number);

// Runs a command of a window; an error (of the database, say) ends the command and is shown
// with its description, and nothing escapes into the slot that ran it.
void showError(QWidget* parent, const std::exception& error);
template <typename Command> void guarded(QWidget* window, Command&& command) {
    try {
        command();
    } catch (const std::exception& error) {
        showError(window, error);
    }
}

// Shows a refusal of the logic: a warning box, or an error box for missing data.
void showRefusal(QWidget* parent, const Refusal& refusal);

} // namespace zarion::employees
