#include "report/Painter.h"

#include "core/NumberFormat.h"

namespace zarion::report {

namespace {
constexpr double MmPerDrawWidth = 0.1;
constexpr double AmountFontReduction = 0.5;

NumberFormat amountFormat(int decimals) {
    switch (decimals) {
    case 2:
        return NumberFormat::Grouped2;
    case 3:
        return NumberFormat::Grouped3;
    default:
        return NumberFormat::Grouped4;
    }
}
} // namespace

Painter::Painter(Orientation orientation, std::string title) {
    document_.title = std::move(title);
    document_.orientation = orientation;
    document_.pages.emplace_back();
}

void Painter::PrintLeft(std::string_view text, double x, double y) {
    this->text(text, x, y, Align::Left, font_);
}

void Painter::PrintRight(std::string_view text, double x, double y) {
    this->text(text, x, y, Align::Right, font_);
}

void Painter::PrintCentered(std::string_view text, double x, double y) {
    this->text(text, x, y, Align::Center, font_);
}

void Painter::PrintCenteredWithin(std::string_view text, double x, double y, double rightLimit) {
    this->text(text, x, y, Align::Center, font_, rightLimit);
}

void Painter::PrintAmount(Currency amount, double x, double y, int decimals) {
    Font smaller = font_;
    smaller.size -= AmountFontReduction;
    text(format(amount, amountFormat(decimals)), x, y, Align::Right, smaller);
}

void Painter::HLine(double x1, double x2, double y) {
    page().commands.emplace_back(Line{x1, y, x2, y, lineWidthMm()});
}

void Painter::VLine(double y1, double y2, double x) {
    page().commands.emplace_back(Line{x, y1, x, y2, lineWidthMm()});
}

void Painter::Box(double x, double y, double width, double height) {
    page().commands.emplace_back(Rectangle{x, y, width, height, lineWidthMm()});
}

void Painter::PaintPicture(const std::filesystem::path& file, double x, double y, double width,
                           double height) {
    page().commands.emplace_back(Picture{file, x, y, width, height});
}

void Painter::NewPage() {
    document_.pages.emplace_back();
}

void Painter::setFont(std::string name, double size, bool bold) {
    font_ = Font{std::move(name), size, bold};
}

void Painter::setFontName(std::string name) {
    font_.name = std::move(name);
}

void Painter::setFontSize(double points) {
    font_.size = points;
}

void Painter::setFontBold(bool bold) {
    font_.bold = bold;
}

void Painter::text(std::string_view text, double x, double y, Align align, const Font& font,
                   double rightLimit) {
    page().commands.emplace_back(Text{x, y, std::string(text), align, font, rightLimit});
}

double Painter::lineWidthMm() const {
    return drawWidth_ * MmPerDrawWidth;
}

} // namespace zarion::report
