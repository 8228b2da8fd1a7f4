#include "parameters/PaperReturnForm.h"

#include <algorithm>
#include <vector>

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "report/Painter.h"

namespace zarion::parameters {
namespace {

constexpr double Left = 10;
constexpr double LineHeight = 5;
constexpr double RowHeight = 6;
constexpr double TextInset = 1.2;
// The width of an average letter of the table's 8-point headings.
constexpr double MmPerCharacter = 1.6;

bool isTaxForm(ReturnForm form) {
    return form == ReturnForm::PorezNaZarade || form == ReturnForm::PorezNaNaknade;
}

const char* formName(ReturnForm form) {
    switch (form) {
    case ReturnForm::PorezNaZarade:
    case ReturnForm::PorezNaNaknade:
        return "Obrazac PP OPJ";
    case ReturnForm::Doprinosi:
        return "Obrazac PP OD";
    case ReturnForm::DoprinosiPreduzetnik:
        return "Obrazac PP OD-P";
    case ReturnForm::DoprinosiNaknade:
        return "Obrazac PP OD-1";
    }
    return "";
}

// The columns of the table: their left edges, the last entry the table's right edge.
struct Columns {
    double number, description, count, aop, firstAmount, account, right;
    double amountWidth;
};

Columns columnsFor(const ReturnPrint& print, const ReturnGrid& grid, double right) {
    const auto amounts = static_cast<double>(grid.amountHeadings().size());
    Columns c{};
    c.number = Left;
    c.description = Left + 12;
    c.right = right;
    if (isTaxForm(print.form)) {
        const bool withCount = print.form == ReturnForm::PorezNaZarade;
        c.amountWidth = withCount ? 34 : 30;
        c.firstAmount = right - amounts * c.amountWidth;
        c.count = withCount ? c.firstAmount - 24 : c.firstAmount;
        c.aop = c.count;
        c.account = right;
    } else {
        c.amountWidth = 28;
        c.account = right - 42;
        c.firstAmount = c.account - amounts * c.amountWidth;
        c.aop = c.firstAmount - 10;
        c.count = c.aop;
    }
    return c;
}

// The description on two lines, split at the blank nearest its middle.
std::pair<std::string, std::string> twoLines(const std::string& text) {
    const std::size_t middle = text.size() / 2;
    std::size_t split = text.rfind(' ', middle);
    const std::size_t after = text.find(' ', middle);
    if (split == std::string::npos ||
        (after != std::string::npos && after - middle < middle - split))
        split = after;
    if (split == std::string::npos)
        return {text, {}};
    return {text.substr(0, split), text.substr(split + 1)};
}

// Prints the header and returns where the table starts.
double header(report::Painter& p, const ReturnPrint& print, double right) {
    p.setFont("yuoptimar", 9);
    p.PrintLeft("REPUBLIKA SRBIJA", Left, 10);
    p.PrintLeft("MINISTARSTVO FINANSIJA", Left, 14);
    p.PrintLeft("-poreska uprava-", Left, 18);
    p.PrintLeft("organizaciona jedinica", Left, 22);
    p.HLine(Left + 34, Left + 90, 26);
    p.PrintLeft("Potvrda o prijemu:", right - 60, 10);
    p.Box(right - 60, 14, 60, 16);
    p.setFontBold(true);
    p.PrintRight(formName(print.form), right, 33);

    const bool tax = isTaxForm(print.form);
    const std::pair<std::string, std::string> payer[] = {
        {tax ? "ISPLATIOC:" : "ISPLATILAC:", print.company.Naziv},
        {"SEDI[TE ISPLATIOCA:"_yu, print.company.grad},
        {"PIB:", print.company.PIB},
        {"MATI^NI BROJ:"_yu, print.company.maticni},
        {"[IFRA DELATNOSTI:"_yu, print.company.SIFRA},
    };
    // Upright the payer takes five lines; across, the last two stand beside the first three.
    const bool across = !tax;
    double y = 0;
    for (std::size_t i = 0; i < std::size(payer); ++i) {
        const bool secondColumn = across && i >= 3;
        const double x = secondColumn ? (Left + right) / 2 : Left;
        const double line = 38 + static_cast<double>(secondColumn ? i - 3 : i) * LineHeight;
        p.setFontBold(false);
        p.PrintLeft(payer[i].first, x, line);
        p.setFontBold(true);
        p.PrintLeft(payer[i].second, x + 42, line);
        y = std::max(y, line + LineHeight);
    }

    const double centre = (Left + right) / 2;
    p.setFont("yuoptimar", 12, true);
    y += 3;
    if (tax) {
        p.PrintCentered("PORESKA PRIJAVA", centre, y);
        p.PrintCentered("O OBRA^UNATOM I PLA]ENOM POREZU NA ZARADE"_yu, centre, y + 6);
    } else {
        p.PrintCentered("PORESKA PRIJAVA O OBRA^UNATIM I PLA]ENIM DOPRINOSIMA"_yu, centre, y);
        p.PrintCentered("ZA OBAVEZNO SOCIJALNO OSIGURANJE NA ZARADE/NAKNADE", centre, y + 6);
    }
    p.setFont("yuoptimar", 9);
    y += 15;
    p.PrintLeft("Uplata za mesec: " + PadZeros(std::to_string(print.month), 2) + "/" +
                    std::to_string(print.year),
                Left, y);
    p.PrintCentered("Redni broj isplate: " + std::to_string(print.payment), centre, y);
    p.PrintRight("(unose se celi brojevi bez decimala)", right, y);
    return y + 9;
}

double table(report::Painter& p, const ReturnPrint& print, const ReturnGrid& grid, const Columns& c,
             double top) {
    const bool tax = isTaxForm(print.form);
    const bool withCount = print.form == ReturnForm::PorezNaZarade;
    const std::size_t amounts = grid.amountHeadings().size();
    std::vector<double> rules = {c.number, c.description};
    if (withCount)
        rules.push_back(c.count);
    if (!tax)
        rules.push_back(c.aop);
    for (std::size_t i = 0; i < amounts; ++i)
        rules.push_back(c.firstAmount + static_cast<double>(i) * c.amountWidth);
    if (!tax)
        rules.push_back(c.account);

    // The heading of the table, two lines high.
    p.setFont("yuoptimar", 8, true);
    const double headingHeight = 10;
    const auto headingText = [&](const std::string& text, double left, double right) {
        const auto [first, second] = twoLines(text);
        const double middle = (left + right) / 2;
        if (second.empty() ||
            static_cast<double>(text.size()) * MmPerCharacter < right - left - 2) {
            p.PrintCentered(text, middle, top + 3);
        } else {
            p.PrintCentered(first, middle, top + 1);
            p.PrintCentered(second, middle, top + 5);
        }
    };
    headingText("Red.br.", c.number, c.description);
    headingText("OPIS", c.description, withCount ? c.count : (tax ? c.firstAmount : c.aop));
    if (withCount)
        headingText("Br.zaposlenih", c.count, c.firstAmount);
    if (!tax)
        headingText("AOP", c.aop, c.firstAmount);
    for (std::size_t i = 0; i < amounts; ++i) {
        const double left = c.firstAmount + static_cast<double>(i) * c.amountWidth;
        headingText(grid.amountHeadings()[i], left, left + c.amountWidth);
    }
    if (!tax)
        headingText("Uplatni ra~un"_yu, c.account, c.right);
    p.setDrawWidth(3);
    p.HLine(c.number, c.right, top);
    p.setDrawWidth(1);

    double y = top + headingHeight;
    p.HLine(c.number, c.right, y);
    for (const ReturnRow& row : grid.rows()) {
        const bool headingRow = row.locked && row.hasCount == false && row.aop.empty() &&
                                row.number.find('.') == std::string::npos;
        const double height = row.twoLines ? 2 * RowHeight - 2 : RowHeight;
        p.setFont("yuoptimar", 8, headingRow);
        p.PrintLeft(row.number, c.number + TextInset, y + TextInset);
        if (row.twoLines) {
            const auto [first, second] = twoLines(row.description);
            p.PrintLeft(first, c.description + TextInset, y + TextInset);
            p.PrintLeft(second, c.description + TextInset, y + TextInset + 4);
        } else {
            p.PrintLeft(row.description, c.description + TextInset, y + TextInset);
        }
        if (!headingRow) {
            p.setFontBold(row.locked);
            if (withCount && row.hasCount && row.count != 0)
                p.PrintRight(std::to_string(row.count), c.firstAmount - TextInset, y + TextInset);
            if (!tax)
                p.PrintCentered(row.aop, (c.aop + c.firstAmount) / 2, y + TextInset);
            // Whole dinars; an empty cell for nothing.
            for (std::size_t i = 0; i < amounts; ++i)
                p.PrintRight(format(row.amounts[i], NumberFormat::Thousands),
                             c.firstAmount + static_cast<double>(i + 1) * c.amountWidth - TextInset,
                             y + TextInset);
            if (!tax) {
                p.setFontBold(false);
                p.PrintLeft(row.account, c.account + TextInset, y + TextInset);
            }
        }
        y += height;
        p.HLine(c.number, c.right, y);
    }
    for (const double x : rules)
        p.VLine(top, y, x);
    p.VLine(top, y, c.right);
    return y;
}

void footer(report::Painter& p, const ReturnPrint& print, double right, double y) {
    p.setFont("yuoptimar", 9);
    if (isTaxForm(print.form)) {
        p.PrintLeft("Uplatni ra~un poreza na zarade: "_yu + print.taxAccount, Left, y + 3);
        y += 6;
    }
    y += 5;
    p.PrintLeft("dana:_______________________", Left, y);
    p.PrintRight("Da su iskazani podaci u ovoj poreskoj prijavi ta~ni tvrdi i overava:"_yu, right,
                 y);
    y += 7;
    p.PrintLeft("Poresku prijavu u Poreskoj upravi kontrolisali:", Left, y);
    p.PrintRight("ODGOVORNO LICE ISPLATIOCA:", right, y);
    p.PrintCentered("M.P.", right - 70, y + 7);
    p.HLine(Left, Left + 75, y + 11);
    p.HLine(right - 60, right, y + 11);
    // Across there is room for the one who filled it in between; upright he signs below.
    const bool across = !isTaxForm(print.form);
    const double x = across ? (Left + right) / 2 - 45 : Left;
    const double line = across ? y : y + 15;
    p.PrintLeft("PORESKU PRIJAVU POPUNIO:", x, line);
    p.HLine(x, x + 60, line + 11);
}

} // namespace

report::Document PaperReturnDocument(const ReturnPrint& print, const ReturnGrid& grid) {
    const bool across = !isTaxForm(print.form);
    report::Painter p(across ? report::Orientation::Landscape : report::Orientation::Portrait,
                      formName(print.form));
    const double right = (across ? 297.0 : 210.0) - 10;
    const double top = header(p, print, right);
    const double end = table(p, print, grid, columnsFor(print, grid, right), top);
    footer(p, print, right, end);
    return p.take();
}

} // namespace zarion::parameters
