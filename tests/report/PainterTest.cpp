#include "report/Painter.h"

#include <gtest/gtest.h>

#include "core/Text.h"

using namespace zarion;
using namespace zarion::report;

namespace {
const Text& lastText(const Painter& p) {
    return std::get<Text>(p.document().pages.back().commands.back());
}
} // namespace

TEST(Painter, PrintAmountFormatsByDecimalsRightAlignedInAHalfPointSmallerFont) {
    Painter p;
    p.setFont("yuoptimar", 9);
    const Currency amount = Currency::parse("1234567.891");

    p.PrintAmount(amount, 190, 50, 2);
    EXPECT_EQ(lastText(p).text, "1.234.567,89");
    EXPECT_EQ(lastText(p).align, Align::Right);
    EXPECT_DOUBLE_EQ(lastText(p).x, 190);
    EXPECT_DOUBLE_EQ(lastText(p).y, 50);
    EXPECT_DOUBLE_EQ(lastText(p).font.size, 8.5);

    p.PrintAmount(amount, 190, 55, 3);
    EXPECT_EQ(lastText(p).text, "1.234.567,891");
    p.PrintAmount(amount, 190, 60, 4);
    EXPECT_EQ(lastText(p).text, "1.234.567,8910");
    p.PrintAmount(amount, 190, 65, 0); // any other value prints four decimals
    EXPECT_EQ(lastText(p).text, "1.234.567,8910");
    p.PrintAmount(Currency::parse("-12"), 190, 70);
    EXPECT_EQ(lastText(p).text, "-12,00");

    // The smaller size holds for that one print only.
    EXPECT_DOUBLE_EQ(p.font().size, 9);
    p.PrintLeft("Neto", 10, 50);
    EXPECT_DOUBLE_EQ(lastText(p).font.size, 9);
}

TEST(Painter, TextsKeepTheirAnchorAlignmentAndFont) {
    Painter p;
    p.setFont("yufuturao", 12, true);
    p.PrintRight("Ukupno:", 100, 20);
    EXPECT_EQ(lastText(p).align, Align::Right);
    EXPECT_EQ(lastText(p).font, (Font{"yufuturao", 12, true}));
    p.setFontBold(false);
    p.setFontName("Courier New");
    p.PrintCentered("Šćepanović Đorđe", 105, 30);
    EXPECT_EQ(lastText(p).text, "Šćepanović Đorđe");
    EXPECT_EQ(lastText(p).align, Align::Center);
    EXPECT_EQ(lastText(p).font, (Font{"Courier New", 12, false}));
}

TEST(Painter, LinesTakeTheDrawWidthAsTenthsOfAMillimetre) {
    Painter p;
    p.setDrawWidth(7);
    p.HLine(5, 200, 36);
    p.setDrawWidth(1);
    p.VLine(40, 60, 100);
    const auto& commands = p.document().pages[0].commands;
    const auto& rule = std::get<Line>(commands[0]);
    EXPECT_DOUBLE_EQ(rule.width, 0.7);
    EXPECT_DOUBLE_EQ(rule.x1, 5);
    EXPECT_DOUBLE_EQ(rule.x2, 200);
    EXPECT_DOUBLE_EQ(rule.y1, 36);
    EXPECT_DOUBLE_EQ(rule.y2, 36);
    const auto& upright = std::get<Line>(commands[1]);
    EXPECT_DOUBLE_EQ(upright.width, 0.1);
    EXPECT_DOUBLE_EQ(upright.x1, 100);
    EXPECT_DOUBLE_EQ(upright.x2, 100);
    EXPECT_DOUBLE_EQ(upright.y1, 40);
    EXPECT_DOUBLE_EQ(upright.y2, 60);
}

TEST(Painter, NewPageStartsAnEmptyPageAndTheDocumentKeepsItsShape) {
    Painter p(Orientation::Landscape, "Spisak");
    p.PrintLeft("prva", 10, 10);
    p.NewPage();
    EXPECT_EQ(p.pageNumber(), 2);
    EXPECT_TRUE(p.page().commands.empty());
    p.PrintLeft("druga", 10, 10);

    const Document document = p.take();
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_EQ(document.pages[0].texts(), std::vector<std::string>{"prva"});
    EXPECT_NE(document.pages[1].findText("druga"), nullptr);
    EXPECT_EQ(document.pages[1].findText("prva"), nullptr);
    EXPECT_EQ(document.title, "Spisak");
    EXPECT_DOUBLE_EQ(document.pageWidth(), 297);
    EXPECT_DOUBLE_EQ(document.pageHeight(), 210);
}

TEST(Painter, ReportFontsMapToInstalledFamilies) {
    EXPECT_EQ(fontFamily("yuoptimar"), "DejaVu Serif");
    EXPECT_EQ(fontFamily("yufuturao"), "DejaVu Sans");
    EXPECT_EQ(fontFamily("YUFuturaO"), "DejaVu Sans");
    EXPECT_EQ(fontFamily("Courier New"), "DejaVu Sans Mono");
    EXPECT_EQ(fontFamily("Arial"), "DejaVu Sans");
}
