#include "report/Document.h"

#include "core/Text.h"

namespace zarion::report {

namespace {
constexpr double A4Width = 210;
constexpr double A4Height = 297;
} // namespace

std::string fontFamily(std::string_view reportFontName) {
    if (equalsIgnoreCase(reportFontName, "yuoptimar"))
        return "DejaVu Serif";
    if (equalsIgnoreCase(reportFontName, "Courier New"))
        return "DejaVu Sans Mono";
    return "DejaVu Sans"; // "yufuturao" and every other name
}

std::vector<std::string> Page::texts() const {
    std::vector<std::string> result;
    for (const Command& command : commands)
        if (const auto* text = std::get_if<Text>(&command))
            result.push_back(text->text);
    return result;
}

const Text* Page::findText(std::string_view wanted) const {
    for (const Command& command : commands)
        if (const auto* text = std::get_if<Text>(&command); text && text->text == wanted)
            return text;
    return nullptr;
}

double Document::pageWidth() const {
    return orientation == Orientation::Portrait ? A4Width : A4Height;
}

double Document::pageHeight() const {
    return orientation == Orientation::Portrait ? A4Height : A4Width;
}

} // namespace zarion::report
