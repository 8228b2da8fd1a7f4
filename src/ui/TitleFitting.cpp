#include "ui/TitleFitting.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace zarion::ui {
namespace {

// Room the frame takes beside the title: the icon and the close, minimise and maximise buttons.
constexpr int FrameRoom = 160;

int titleWidth(const QWidget& dialog) {
    const QFont font = QApplication::font("QMdiSubWindowTitleBar");
    return QFontMetrics(font).horizontalAdvance(dialog.windowTitle()) + FrameRoom;
}

// A message box sizes itself on every show, so the width goes in as a spacer of its layout.
void widen(QMessageBox& box, int width) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid || box.property("zarionTitleWidth").toInt() >= width)
        return;
    box.setProperty("zarionTitleWidth", width);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

class TitleFitting : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow()) {
                const int width = titleWidth(*dialog);
                if (auto* box = qobject_cast<QMessageBox*>(dialog))
                    widen(*box, width);
                else if (dialog->minimumWidth() < width)
                    dialog->setMinimumWidth(width);
            }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void installTitleFitting() {
    static TitleFitting fitting;
    QApplication::instance()->installEventFilter(&fitting);
}

} // namespace zarion::ui
