#pragma once

#include <QWidget>

class QAbstractItemView;
class QKeyEvent;

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

} // namespace zarion::employees
