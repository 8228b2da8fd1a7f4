#include "report/ListFlow.h"

#include <algorithm>

namespace zarion::report {

namespace {
constexpr double RuleGap = 1;        // between a rule and the text next to it
constexpr double PageNumberDrop = 5; // from the bottom limit to the page number
} // namespace

ListFlow::ListFlow(Painter& painter, std::vector<ListColumn> columns, ListLayout layout)
    : painter_(painter)
    , columns_(std::move(columns))
    , layout_(std::move(layout)) {}

void ListFlow::start(double y) {
    firstPage_ = painter_.pageNumber();
    y_ = y;
    heading();
}

void ListFlow::row(const std::vector<ListCell>& cells) {
    reserve(layout_.rowHeight);
    const std::size_t count = std::min(cells.size(), columns_.size());
    for (std::size_t i = 0; i < count; ++i)
        cell(cells[i], columns_[i]);
    y_ += layout_.rowHeight;
}

double ListFlow::reserve(double height) {
    if (y_ + height > layout_.bottom)
        breakPage();
    return y_;
}

void ListFlow::rule() {
    painter_.HLine(layout_.left, layout_.right, y_);
    y_ += RuleGap;
}

void ListFlow::finish() {
    if (!layout_.pageNumbers)
        return;
    const int last = painter_.pageNumber();
    const Font font{painter_.font().name, painter_.font().size, false};
    for (int number = firstPage_; number <= last; ++number) {
        const std::string label = "Strana " + std::to_string(number - firstPage_ + 1) + " od " +
                                  std::to_string(last - firstPage_ + 1);
        Page& page = painter_.document().pages[static_cast<std::size_t>(number - 1)];
        page.commands.emplace_back(
            Text{layout_.right, layout_.bottom + PageNumberDrop, label, Align::Right, font, 0});
    }
}

void ListFlow::heading() {
    std::size_t lines = 0;
    for (const ListColumn& column : columns_)
        lines = std::max(lines, column.heading.size());
    rule();
    const bool wasBold = painter_.font().bold;
    painter_.setFontBold(true);
    for (const ListColumn& column : columns_)
        for (std::size_t line = 0; line < column.heading.size(); ++line)
            text(column.heading[line], column, y_ + layout_.rowHeight * static_cast<double>(line));
    painter_.setFontBold(wasBold);
    y_ += layout_.rowHeight * static_cast<double>(lines);
    rule();
}

void ListFlow::breakPage() {
    if (layout_.pageEnd)
        layout_.pageEnd(painter_, y_);
    painter_.NewPage();
    y_ = layout_.pageTop ? layout_.pageTop(painter_) : layout_.top;
    heading();
}

void ListFlow::cell(const ListCell& cell, const ListColumn& column) {
    if (const auto* amount = std::get_if<Currency>(&cell))
        painter_.PrintAmount(*amount, column.x, y_, column.decimals);
    else
        text(std::get<std::string>(cell), column, y_);
}

void ListFlow::text(const std::string& text, const ListColumn& column, double y) {
    switch (column.align) {
    case Align::Left:
        painter_.PrintLeft(text, column.x, y);
        break;
    case Align::Right:
        painter_.PrintRight(text, column.x, y);
        break;
    case Align::Center:
        painter_.PrintCentered(text, column.x, y);
        break;
    }
}

} // namespace zarion::report
