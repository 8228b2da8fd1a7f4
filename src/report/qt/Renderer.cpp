#include "report/qt/Renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

namespace zarion::report {

namespace {
constexpr double MmPerInch = 25.4;
constexpr int PdfResolution = 300;

QString toQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString toQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

QPageLayout::Orientation pageOrientation(const Document& document) {
    return document.orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                         : QPageLayout::Landscape;
}

// Draws one page's commands; positions in millimetres scaled to device pixels.
class PagePainter {
public:
    PagePainter(QPainter& painter, double dotsPerMm)
        : painter_(painter)
        , scale_(dotsPerMm) {}

    void operator()(const Text& text) const {
        QFont font(toQString(fontFamily(text.font.name)));
        font.setPointSizeF(text.font.size);
        font.setBold(text.font.bold);
        font.setHintingPreference(QFont::PreferNoHinting);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, painter_.device());
        const QString content = toQString(text.text);
        const double width = metrics.horizontalAdvance(content);
        double x = text.x * scale_;
        if (text.align == Align::Right)
            x -= width;
        else if (text.align == Align::Center)
            x -= width / 2;
        if (text.align == Align::Center && text.rightLimit > 0)
            x = std::min(x, text.rightLimit * scale_ - width);
        painter_.drawText(QPointF(x, text.y * scale_ + metrics.ascent()), content);
    }

    void operator()(const Line& line) const {
        painter_.setPen(pen(line.width));
        painter_.drawLine(QPointF(line.x1 * scale_, line.y1 * scale_),
                          QPointF(line.x2 * scale_, line.y2 * scale_));
    }

    void operator()(const Rectangle& box) const {
        painter_.setPen(pen(box.lineWidth));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(area(box.x, box.y, box.width, box.height));
    }

    void operator()(const Picture& picture) const {
        const QImage image(toQString(picture.file));
        if (!image.isNull())
            painter_.drawImage(area(picture.x, picture.y, picture.width, picture.height), image);
    }

private:
    QPen pen(double widthMm) const {
        return QPen(Qt::black, widthMm * scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    QRectF area(double x, double y, double width, double height) const {
        return QRectF(x * scale_, y * scale_, width * scale_, height * scale_);
    }

    QPainter& painter_;
    double scale_;
};
} // namespace

bool render(const Document& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const PagePainter draw(painter, device.logicalDpiX() / MmPerInch);
    bool first = true;
    for (const Page& page : document.pages) {
        if (!first && !device.newPage())
            return false;
        first = false;
        for (const Command& command : page.commands)
            std::visit(draw, command);
    }
    return painter.end();
}

bool writePdf(const Document& document, const std::filesystem::path& path) {
    QPdfWriter writer(toQString(path));
    writer.setResolution(PdfResolution);
    writer.setTitle(toQString(document.title));
    writer.setCreator(QStringLiteral("Zarion"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), pageOrientation(document), QMarginsF(0, 0, 0, 0)));
    return render(document, writer);
}

void setUpPrinter(QPrinter& printer, const Document& document, const std::string& printerName) {
    if (!printerName.empty())
        printer.setPrinterName(toQString(printerName));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(pageOrientation(document));
    printer.setDocName(toQString(document.title));
}

bool print(const Document& document, const std::string& printerName) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, document, printerName);
    return printer.isValid() && render(document, printer);
}

} // namespace zarion::report
