#include "employees/RegisterWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include "ui/Dialogs.h"

namespace zarion::employees {

RegisterWindow::RegisterWindow(QWidget* parent)
    : QWidget(parent) {}

void RegisterWindow::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void RegisterWindow::watchList(QAbstractItemView* list) {
    list_ = list;
    list_->installEventFilter(this);
}

bool RegisterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress && !panelOpen()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                onChoose();
                return true;
            case Qt::Key_Delete:
                onRemove();
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RegisterWindow::keyPressEvent(QKeyEvent* event) {
    if (onOtherKey(event))
        return;
    const bool listKey =
        event->key() == Qt::Key_F5 || event->key() == Qt::Key_F6 || event->key() == Qt::Key_F9;
    if (listKey && panelOpen())
        return; // the open panel is saved or closed first: nothing typed in it is lost
    switch (event->key()) {
    case Qt::Key_F5:
        onNew();
        return;
    case Qt::Key_F6:
        onEdit();
        return;
    case Qt::Key_F9:
        onRemove();
        return;
    case Qt::Key_Escape:
        if (panelOpen())
            closePanel();
        else
            closeWindow();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (panelOpen()) {
            enterInPanel();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void RegisterWindow::enterInPanel() {
    if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
        button->click();
        return;
    }
    focusNextChild();
}

} // namespace zarion::employees
