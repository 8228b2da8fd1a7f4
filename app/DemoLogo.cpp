#include "DemoLogo.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace zarion {

void writeDemoLogo(const std::filesystem::path& companyFolder) {
    QImage logo(480, 130, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.drawEllipse(QRect(10, 10, 110, 110));
    painter.setPen(Qt::white);
    painter.setFont(QFont("DejaVu Sans", 54, QFont::Bold));
    painter.drawText(QRect(10, 10, 110, 110), Qt::AlignCenter, QStringLiteral("Z"));
    painter.setPen(QColor(0x1f, 0x4e, 0x79));
    painter.setFont(QFont("DejaVu Sans", 30, QFont::Bold));
    painter.drawText(QRect(140, 10, 340, 70), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Zarion Demo"));
    painter.setFont(QFont("DejaVu Sans", 16));
    painter.drawText(QRect(140, 80, 340, 40), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("d.o.o. Beograd"));
    painter.end();
    logo.save(QString::fromStdString((companyFolder / "logo.jpg").string()), "JPG", 90);
}

} // namespace zarion
