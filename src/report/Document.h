#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zarion::report {

// The page model every report is written into. Positions and sizes are millimetres from the
// page's printable origin (x to the right, y down); a renderer turns the model into ink. Texts are
// UTF-8; the model stores where a text is anchored and how it aligns there, and the renderer
// measures it with the real font, so the model needs no font metrics.

enum class Align { Left, Right, Center };
enum class Orientation { Portrait, Landscape };

struct Font {
    std::string name = "yuoptimar"; // the report's font name; fontFamily() maps it to a real one
    double size = 10;               // points
    bool bold = false;
    auto operator<=>(const Font&) const = default;
};

// The installed family a report font prints with: "yuoptimar" → DejaVu Serif, "yufuturao" →
// DejaVu Sans, "Courier New" → DejaVu Sans Mono, any other name → DejaVu Sans.
std::string fontFamily(std::string_view reportFontName);

// A text whose line box has its top edge at y. Left: it starts at x; Right: it ends at x;
// Center: it is centred on x, but moved left as far as it would end past rightLimit (when that
// is above 0), so that a long line stays on the paper.
struct Text {
    double x = 0;
    double y = 0;
    std::string text;
    Align align = Align::Left;
    Font font;
    double rightLimit = 0;
};

struct Line {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0.1; // stroke width in millimetres
};

struct Rectangle {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double lineWidth = 0.1;
};

// A picture file scaled into the box; a file that cannot be read prints nothing.
struct Picture {
    std::filesystem::path file;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

using Command = std::variant<Text, Line, Rectangle, Picture>;

struct Page {
    std::vector<Command> commands; // in drawing order

    // The texts of the page in drawing order, and the first text item equal to the given text
    // (nullptr when there is none): what report tests look at.
    std::vector<std::string> texts() const;
    const Text* findText(std::string_view text) const;
};

struct Document {
    std::string title; // the print job's and the PDF's title
    Orientation orientation = Orientation::Portrait;
    std::vector<Page> pages;

    // A4: 210 × 297 mm, the other way round in landscape.
    double pageWidth() const;
    double pageHeight() const;
};

} // namespace zarion::report
