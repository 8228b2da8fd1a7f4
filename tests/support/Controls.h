#pragma once

#include <QApplication>
#include <QTreeWidget>
#include <QWidget>

namespace zarion::testing {

// The window's control of that objectName and type; a test cannot go on without it, so a
// missing one ends the test run with its name.
template <typename T> T* control(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The first row of the list whose first column reads the text, or null.
inline QTreeWidgetItem* rowWithText(const QTreeWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.front();
}

// The top-level window of that type a command opened, or null.
template <typename Window> Window* openedWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            return window;
    return nullptr;
}

} // namespace zarion::testing
