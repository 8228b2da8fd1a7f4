#include "employees/PaymentOrderForm.h"

#include "core/Text.h"
#include "core/Utf8.h"

namespace zarion::employees {
namespace {

using report::Painter;

constexpr double Left = 10;
constexpr double Width = 190;
constexpr double Height = 100;
constexpr double PageTops[] = {15, 160}; // two forms to a portrait page

constexpr double LeftColumn = 14;
constexpr double LeftWidth = 87;
constexpr double RightColumn = 109;
constexpr double RightWidth = 87;
constexpr double TextBoxHeight = 16;
constexpr double FieldHeight = 7;
constexpr double LineStep = 4.5;
constexpr std::size_t LineCharacters = 44; // of a text box at the value font
constexpr int TextBoxLines = 3;

constexpr double LabelSize = 7;
constexpr double ValueSize = 9;

// The text cut at blanks into lines of at most `width` characters; a word longer than a line is
// cut. At most `lines` lines; what does not fit is left out.
std::vector<std::string> wrap(const std::string& text, std::size_t width, int lines) {
    std::vector<std::string> result;
    std::string line;
    auto flush = [&] {
        if (!line.empty())
            result.push_back(line);
        line.clear();
    };
    std::string word;
    auto place = [&] {
        while (utf8::length(word) > width) {
            flush();
            result.push_back(utf8::left(word, width));
            word = word.substr(utf8::left(word, width).size());
        }
        if (word.empty())
            return;
        if (!line.empty() && utf8::length(line) + 1 + utf8::length(word) > width)
            flush();
        line += line.empty() ? word : " " + word;
        word.clear();
    };
    for (char c : trim(text)) {
        if (c == ' ' || c == '\n')
            place();
        else
            word += c;
    }
    place();
    flush();
    if (result.size() > static_cast<std::size_t>(lines))
        result.resize(static_cast<std::size_t>(lines));
    return result;
}

void label(Painter& p, const std::string& text, double x, double y) {
    p.setFont("yuoptimar", LabelSize);
    p.PrintLeft(text, x, y);
}

void value(Painter& p, const std::string& text, double x, double y) {
    p.setFont("yuoptimar", ValueSize);
    p.PrintLeft(text, x, y);
}

// A labelled box of three lines in the left column.
void textBox(Painter& p, const std::string& caption, const std::string& text, double y) {
    label(p, caption, LeftColumn, y);
    p.Box(LeftColumn, y + 4, LeftWidth, TextBoxHeight);
    double line = y + 5.5;
    for (const auto& part : wrap(text, LineCharacters, TextBoxLines)) {
        value(p, part, LeftColumn + 2, line);
        line += LineStep;
    }
}

// A labelled account box in the right column.
void accountBox(Painter& p, const std::string& caption, const std::string& account, double y) {
    label(p, caption, RightColumn, y);
    p.Box(RightColumn, y + 4, RightWidth, FieldHeight);
    value(p, account, RightColumn + 2, y + 5.5);
}

// A labelled pair of boxes: the model and the reference.
void referenceBoxes(Painter& p, const std::string& caption, const std::string& model,
                    const std::string& reference, double y) {
    label(p, caption, RightColumn, y);
    p.Box(RightColumn, y + 4, 12, FieldHeight);
    p.Box(RightColumn + 15, y + 4, RightWidth - 15, FieldHeight);
    value(p, model, RightColumn + 2, y + 5.5);
    value(p, reference, RightColumn + 17, y + 5.5);
}

// A signature or date line with its caption underneath and its value above.
void signatureLine(Painter& p, const std::string& caption, const std::string& text, double x1,
                   double x2, double y) {
    value(p, text, x1, y - 4.5);
    p.HLine(x1, x2, y);
    label(p, caption, x1, y + 1);
}

} // namespace

void PrintPaymentOrder(Painter& p, const PaymentOrder& order, double top) {
    const double oldWidth = p.drawWidth();
    p.setDrawWidth(2);
    p.Box(Left, top, Width, Height);
    p.setDrawWidth(1);

    p.setFont("yuoptimar", 13, true);
    p.PrintCentered("NALOG ZA PRENOS"_yu, RightColumn + RightWidth / 2, top + 3);

    textBox(p, "du`nik - nalogodavac"_yu, order.payer, top + 5);
    textBox(p, "svrha pla}anja"_yu, order.purpose, top + 28);
    textBox(p, "poverilac - primalac"_yu, order.recipient, top + 51);

    label(p, "{ifra"_yu, RightColumn, top + 12);
    label(p, "pla}anja"_yu, RightColumn, top + 14.6);
    label(p, "valuta"_yu, RightColumn + 15, top + 14.6);
    label(p, "iznos"_yu, RightColumn + 33, top + 14.6);
    p.Box(RightColumn, top + 18, 12, 8);
    p.Box(RightColumn + 15, top + 18, 15, 8);
    p.Box(RightColumn + 33, top + 18, RightWidth - 33, 8);
    p.setFont("yuoptimar", ValueSize + 1, true);
    p.PrintCentered(order.paymentCode, RightColumn + 6, top + 19.5);
    p.PrintCentered(order.currency, RightColumn + 22.5, top + 19.5);
    p.PrintRight("=" + AmountText(order.amount), RightColumn + RightWidth - 2, top + 19.5);

    accountBox(p, "ra~un du`nika - nalogodavca"_yu, order.payerAccount, top + 29);
    referenceBoxes(p, "model i poziv na broj (zadu`enje)"_yu, order.payerModel,
                   order.payerReference, top + 42);
    accountBox(p, "ra~un poverioca - primaoca"_yu, order.recipientAccount, top + 55);
    referenceBoxes(p, "model i poziv na broj (odobrenje)"_yu, order.recipientModel,
                   order.recipientReference, top + 68);

    const std::string date = order.date.year == 0 ? std::string() : toDisplayText(order.date);
    const std::string placeAndDate =
        order.place.empty() ? date : (date.empty() ? order.place : order.place + ", " + date);
    signatureLine(p, "pe~at i potpis nalogodavca"_yu, {}, LeftColumn, LeftColumn + 52, top + 88);
    signatureLine(p, "mesto i datum prijema"_yu, placeAndDate, LeftColumn + 58, LeftColumn + 100,
                  top + 88);
    signatureLine(p, "datum valute"_yu, date, RightColumn + 10, RightColumn + 42, top + 88);

    label(p, "hitno"_yu, RightColumn + 62, top + 84);
    p.Box(RightColumn + 72, top + 83, 6, 5);
    if (order.urgent) {
        value(p, "X", RightColumn + 73.5, top + 83.5);
    }
    p.setFont("yuoptimar", LabelSize);
    p.PrintRight("Obrazac broj 3"_yu, RightColumn + RightWidth, top + 94);
    p.setDrawWidth(oldWidth);
}

report::Document PaymentOrdersDocument(const std::vector<PaymentOrder>& orders,
                                       const std::string& title) {
    Painter p(report::Orientation::Portrait, title);
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (i > 0 && i % 2 == 0)
            p.NewPage();
        PrintPaymentOrder(p, orders[i], PageTops[i % 2]);
    }
    return p.take();
}

} // namespace zarion::employees
