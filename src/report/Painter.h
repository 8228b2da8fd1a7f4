#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Currency.h"
#include "report/Document.h"

namespace zarion::report {

// Writes a report into a Document page by page with the printing routines of the program:
// positions in millimetres, the current font and line width applied to everything drawn after
// they are set, as on the printer. The document starts with one empty page.
//
//     Painter p;
//     p.setFont("yuoptimar", 10);
//     p.PrintCentered("SPISAK"_yu, 105, 40);
//     p.PrintAmount(total, 190, 50, 2);
//     p.HLine(5, 200, 55);
//     return p.take();
class Painter {
public:
    explicit Painter(Orientation orientation = Orientation::Portrait, std::string title = {});

    // Text starting at x, ending at x, or centred on x; y is the top of the text line.
    void PrintLeft(std::string_view text, double x, double y);
    void PrintRight(std::string_view text, double x, double y);
    void PrintCentered(std::string_view text, double x, double y);
    // Centred on x as long as it ends before rightLimit; a longer text ends at rightLimit.
    void PrintCenteredWithin(std::string_view text, double x, double y, double rightLimit);
    // The amount as "#,##0.00" (decimals 2), "#,##0.000" (3) or "#,##0.0000" (any other value),
    // ending at x, in a font 0.5 pt smaller than the current one for this one print.
    void PrintAmount(Currency amount, double x, double y, int decimals = 2);

    void HLine(double x1, double x2, double y);
    void VLine(double y1, double y2, double x);
    void Box(double x, double y, double width, double height);
    void PaintPicture(const std::filesystem::path& file, double x, double y, double width,
                      double height);

    // Ends the current page and starts an empty one.
    void NewPage();

    void setFont(std::string name, double size, bool bold = false);
    void setFontName(std::string name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    const Font& font() const { return font_; }

    // The line width in the printer's DrawWidth units. They were device pixels of the printer;
    // here a width w draws w × 0.1 mm wide, so 1 is a hairline rule and 7 a bold one.
    void setDrawWidth(double width) { drawWidth_ = width; }
    double drawWidth() const { return drawWidth_; }

    int pageNumber() const { return static_cast<int>(document_.pages.size()); }
    Page& page() { return document_.pages.back(); }
    const Document& document() const { return document_; }
    Document& document() { return document_; }
    // Hands the finished document over; the painter is left with nothing to draw on.
    Document take() { return std::move(document_); }

private:
    void text(std::string_view text, double x, double y, Align align, const Font& font,
              double rightLimit = 0);
    double lineWidthMm() const;

    Document document_;
    Font font_;
    double drawWidth_ = 1;
};

} // namespace zarion::report
