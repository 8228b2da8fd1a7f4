// The frame of the compensation lists: running numbers, a heading on every page, the totals line
// once at the end.
#include "compensation/SummedTable.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zarion::compensation {
namespace {

using report::Align;

TEST(SummedTable, ALongListRepeatsItsNumberedHeadingAndTotalsOnce) {
    std::vector<std::vector<report::ListCell>> rows;
    for (int i = 0; i < 80; ++i)
        rows.push_back({std::string("Radnik ") + std::to_string(i), Currency::parse("1.25"),
                        Currency::parse("7")});
    TablePage page;
    page.title = "SPISAK";
    page.numberedColumns = true;
    page.numberedFrom = 1;
    page.orientation = report::Orientation::Portrait;
    page.fontSize = 9;
    const report::Document doc = summedTable({}, {}, page,
                                             {{{5, Align::Left, {"Red.br"}}},
                                              {{20, Align::Left, {"Ime", "i prezime"}}},
                                              {{150, Align::Right, {"Iznos"}}, true},
                                              {{190, Align::Right, {"Ostalo"}}}},
                                             rows);
    ASSERT_EQ(doc.pages.size(), 2u);
    for (const report::Page& p : doc.pages) {
        const auto texts = p.texts();
        // the numbers 1 to 3 stand under the named columns, not under the running number
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "3"), 1);
        EXPECT_NE(p.findText("i prezime"), nullptr);
    }
    EXPECT_EQ(doc.pages[0].findText("UKUPNO"), nullptr);
    EXPECT_NE(doc.pages[1].findText("80."), nullptr);
    EXPECT_NE(doc.pages[1].findText("100,00"), nullptr); // 80 × 1.25; the last column is not summed
    EXPECT_EQ(doc.pages[1].findText("560,00"), nullptr);
    EXPECT_NE(doc.pages[1].findText("Strana 2 od 2"), nullptr);
}

} // namespace
} // namespace zarion::compensation
