#include "report/ListFlow.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zarion;
using namespace zarion::report;

namespace {
std::vector<ListColumn> columns() {
    return {{5, Align::Left, {"Red.br"}},
            {20, Align::Left, {"Prezime", "i ime"}},
            {200, Align::Right, {"NETO"}}};
}

int countText(const Page& page, const std::string& text) {
    const auto texts = page.texts();
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

double lowestTextTop(const Page& page) {
    double lowest = 0;
    for (const Command& command : page.commands)
        if (const auto* text = std::get_if<Text>(&command); text && !text->text.starts_with("Str"))
            lowest = std::max(lowest, text->y);
    return lowest;
}
} // namespace

TEST(ListFlow, BreaksPagesAtTheBottomRepeatsTheHeadingAndNumbersThePages) {
    Painter p;
    p.PrintCentered("SPISAK", 105, 20);
    ListLayout layout;
    layout.top = 15;
    layout.bottom = 100;
    layout.rowHeight = 5;
    std::vector<double> pageEnds;
    layout.pageEnd = [&pageEnds](Painter&, double y) {
        pageEnds.push_back(y);
    };
    layout.pageTop = [](Painter& painter) {
        painter.PrintCentered("SPISAK - nastavak", 105, 5);
        return 12.0;
    };

    ListFlow list(p, columns(), layout);
    list.start(35);
    Currency total;
    for (int i = 1; i <= 30; ++i) {
        const Currency net = Currency::fromUnits(1000 * i);
        list.row({std::to_string(i), "Radnik " + std::to_string(i), net});
        total += net;
    }
    list.rule();
    list.row({"UKUPNO", "", total});
    list.finish();

    const Document& document = p.document();
    // Page 1: the heading from 35 (two rules, two lines) leaves room for 10 rows above 100; the
    // following pages start at 12 and hold 15 rows; 31 rows in all.
    ASSERT_EQ(document.pages.size(), 3u);
    for (const Page& page : document.pages) {
        EXPECT_EQ(countText(page, "Red.br"), 1);
        EXPECT_EQ(countText(page, "i ime"), 1);
        EXPECT_LE(lowestTextTop(page) + layout.rowHeight, layout.bottom);
    }
    EXPECT_NE(document.pages[0].findText("SPISAK"), nullptr);
    EXPECT_NE(document.pages[1].findText("SPISAK - nastavak"), nullptr);
    EXPECT_NE(document.pages[0].findText("10"), nullptr);
    EXPECT_NE(document.pages[1].findText("11"), nullptr);
    EXPECT_NE(document.pages[2].findText("UKUPNO"), nullptr);
    EXPECT_EQ(pageEnds.size(), 2u);

    const Text* number = document.pages[1].findText("Strana 2 od 3");
    ASSERT_NE(number, nullptr);
    EXPECT_DOUBLE_EQ(number->y, 105);
    EXPECT_EQ(number->align, Align::Right);

    // The heading of a following page sits where pageTop said, the rows below it.
    const Text* heading = document.pages[1].findText("Red.br");
    ASSERT_NE(heading, nullptr);
    EXPECT_GT(heading->y, 12);
    EXPECT_GT(document.pages[1].findText("11")->y, document.pages[1].findText("i ime")->y);

    // Amount cells print with PrintAmount at the column's right edge.
    const Text* sum = document.pages[2].findText("465.000,00");
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->align, Align::Right);
    EXPECT_DOUBLE_EQ(sum->x, 200);
}

TEST(ListFlow, ReserveKeepsABlockTogetherOnOnePage) {
    Painter p;
    ListLayout layout;
    layout.bottom = 60;
    layout.pageNumbers = false;
    ListFlow list(p, columns(), layout);
    list.start(40);
    list.row({"1", "Petrović Ana", Currency::fromUnits(5)});
    EXPECT_DOUBLE_EQ(list.reserve(4), list.y());
    EXPECT_EQ(p.pageNumber(), 1);
    list.reserve(30);
    EXPECT_EQ(p.pageNumber(), 2);
    EXPECT_NE(p.page().findText("NETO"), nullptr);
    EXPECT_EQ(p.page().findText("Strana 2 od 2"), nullptr);
}
