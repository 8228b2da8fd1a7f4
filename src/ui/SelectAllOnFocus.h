#pragma once

#include <QObject>

class QWidget;

namespace zarion::ui {

// Every input box of the program selects its whole text when it receives the focus, so typing
// replaces the old value. Works on line edits and on spin and date boxes.
class SelectAllOnFocus : public QObject {
    Q_OBJECT

public:
    // Installs the behaviour on one box (once; a second call does nothing).
    static void install(QWidget* box);
    // Installs it on every line edit and spin or date box under root.
    static void installAll(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SelectAllOnFocus(QWidget* box);
};

} // namespace zarion::ui
