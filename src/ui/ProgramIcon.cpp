#include "ui/ProgramIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace zarion::ui {

namespace {

QPixmap drawn(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x8c));
    const qreal radius = size / 6.0;
    painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(drawn(size));
    return icon;
}

} // namespace zarion::ui
