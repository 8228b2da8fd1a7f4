#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "core/Currency.h"
#include "report/Painter.h"

namespace zarion::report {

// One column of a printed list: where its texts stand and how they align there.
struct ListColumn {
    double x = 0;                     // left edge (Left), right edge (Right) or centre (Center)
    Align align = Align::Left;        // amounts always end at x
    std::vector<std::string> heading; // heading lines from the top: {"Prezime", "i ime"}
    int decimals = 2;                 // of the amounts in this column
};

// A cell of a list row: a text, or an amount printed with PrintAmount at the column's x.
using ListCell = std::variant<std::string, Currency>;

struct ListLayout {
    double left = 5; // the rules run from left to right
    double right = 200;
    double top = 10;        // where the heading starts on a following page
    double bottom = 280;    // no row reaches below this
    double rowHeight = 4.5; // from one row (or heading line) to the next
    // Page numbers "Strana n od m" ending at `right`, 5 mm below `bottom`, on every page the list
    // occupies.
    bool pageNumbers = true;
    // Prints what stands above the heading on a following page (a title, a carried total) and
    // returns the y where the heading starts; without it the heading starts at `top`.
    std::function<double(Painter&)> pageTop;
    // Prints at the foot of a page the list continues from (a page total, "Prenos"); it gets the
    // y under the last row of that page.
    std::function<void(Painter&, double y)> pageEnd;
};

// The common shape of the list reports: a heading of columns, rows flowing down the page, a page
// break with the heading repeated when the next row would pass the bottom, page numbers at the
// end. The caller prints what stands above the list, the totals after it, and keeps the sums.
//
//     ListFlow list(p, {{5, Align::Left, {"Red.br"}}, {30, Align::Left, {"Prezime", "i ime"}},
//                       {200, Align::Right, {"NETO"}}}, ListLayout{});
//     list.start(40);
//     for (const auto& r : rows) list.row({std::to_string(++n), r.name, r.net});
//     list.rule();
//     list.row({"UKUPNO", "", total});
//     list.finish();
class ListFlow {
public:
    ListFlow(Painter& painter, std::vector<ListColumn> columns, ListLayout layout);

    // Prints the heading at y on the current page; the first row follows below it.
    void start(double y);
    // Prints a row at the current position; cells beyond the columns are ignored.
    void row(const std::vector<ListCell>& cells);
    // Makes room for a block of the given height (a totals block, a row that must not be split
    // from the next), breaking the page when it would pass the bottom; returns the y of its top.
    double reserve(double height);
    // Moves the current position down (a gap) or places it at y after the caller printed a block.
    void skip(double height) { y_ += height; }
    void moveTo(double y) { y_ = y; }
    // A rule across the list under the last row.
    void rule();
    // Numbers the pages of the list; call once, after its last row.
    void finish();

    double y() const { return y_; }
    Painter& painter() { return painter_; }

private:
    void heading();
    void breakPage();
    void cell(const ListCell& cell, const ListColumn& column);
    void text(const std::string& text, const ListColumn& column, double y);

    Painter& painter_;
    std::vector<ListColumn> columns_;
    ListLayout layout_;
    double y_ = 0;
    int firstPage_ = 0;
};

} // namespace zarion::report
