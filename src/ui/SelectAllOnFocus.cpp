#include "ui/SelectAllOnFocus.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace zarion::ui {
namespace {

void selectAllText(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(box))
        spin->selectAll();
}

} // namespace

SelectAllOnFocus::SelectAllOnFocus(QWidget* box)
    : QObject(box) {}

void SelectAllOnFocus::install(QWidget* box) {
    if (box->findChild<SelectAllOnFocus*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    box->installEventFilter(new SelectAllOnFocus(box));
}

void SelectAllOnFocus::installAll(QWidget* root) {
    for (auto* line : root->findChildren<QLineEdit*>()) {
        // The line edit inside a spin box is served through its spin box.
        if (!qobject_cast<QAbstractSpinBox*>(line->parentWidget()))
            install(line);
    }
    for (auto* spin : root->findChildren<QAbstractSpinBox*>())
        install(spin);
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<QWidget*>(watched);
        selectAllText(box);
        // Once more after the box's own handling and after a mouse click has placed the cursor.
        QTimer::singleShot(0, box, [box] { selectAllText(box); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zarion::ui
