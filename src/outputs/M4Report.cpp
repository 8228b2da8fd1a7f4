#include "outputs/M4Report.h"

#include "core/Text.h"
#include "report/ListFlow.h"
#include "report/Painter.h"

namespace zarion::outputs {
namespace {

using report::Align;
using report::ListColumn;

std::vector<ListColumn> columns() {
    return {
        {7, Align::Left, {"RED."_yu, "BR."_yu}},
        {15,
         Align::Left,
         {"JEDINSTVENI MATI^NI BROJ"_yu, "GRA\\ANA, ODNOSNO LI^NI"_yu, "BROJ OSIGURANIKA"_yu}},
        {62, Align::Left, {"PREIZIME I IME"_yu}},
        {121, Align::Right, {"meseci"_yu}},
        {132, Align::Right, {"dani"_yu}},
        {152, Align::Right, {"ZARADA"_yu}},
        {174, Align::Right, {"UPLA]ENI"_yu, "DOPRINOS"_yu}},
        {222,
         Align::Right,
         {"IZNOS NAKNADE ZARADE"_yu, "PO OSNOVU ZDRAVSTVENOG"_yu, "OSIGURANJA I"_yu,
          "PORODILJSKOG ODSUSTVA"_yu}},
        {245, Align::Right, {"UPLA]ENI"_yu, "DOPRINOS"_yu}},
        {250, Align::Left, {"EFEKTIVNO"_yu, "TRAJANJE"_yu, "RADNOG"_yu, "MESTA"_yu}},
        {272, Align::Left, {"[IFRA"_yu}},
    };
}

// The payer block: the numbers on the left, the name and seat on the right.
double payerBlock(report::Painter& p, const M4Payer& payer, double y) {
    p.setFont("yuoptimar", 7);
    const std::vector<std::pair<std::string, std::string>> numbers = {
        {"PORESKI IDENTIFIKACIONI BROJ"_yu, payer.company.PIB},
        {"BROJ MF ROLNE I POZICIJE"_yu, ""},
        {"REGISTARSKI BROJ"_yu, payer.reg_broj_pio},
        {"[IFRA DELATNOSTI"_yu, payer.company.SIFRA},
    };
    double line = y;
    for (const auto& [caption, value] : numbers) {
        p.PrintLeft(caption, 8, line);
        p.PrintLeft(value, 60, line);
        line += 5;
    }
    p.PrintLeft("NAZIV"_yu, 120, y);
    p.PrintLeft("(PREZIME I IME)"_yu, 120, y + 3.5);
    p.PrintLeft("I SEDI[TE OBVEZNIKA"_yu, 120, y + 7);
    p.PrintLeft("PLA]ANJA DOPRINOSA"_yu, 120, y + 10.5);
    p.setFont("yuoptimar", 9, true);
    p.PrintLeft(payer.company.Naziv, 160, y + 2);
    p.setFont("yuoptimar", 8);
    p.PrintLeft(trim(payer.company.ADRESA + " " + payer.company.grad), 160, y + 7);
    p.Box(5, y - 2, 282, 22);
    return y + 24;
}

void footer(report::ListFlow& list) {
    report::Painter& p = list.painter();
    const double y = list.reserve(26);
    p.setFont("yuoptimar", 8);
    p.PrintLeft("Broj i datum prijave:"_yu, 8, y + 6);
    p.PrintLeft("Primio:"_yu, 8, y + 13);
    p.PrintLeft("Uneo:"_yu, 8, y + 20);
    p.PrintLeft("U ______________________, dana: ___________________ godine"_yu, 90, y + 13);
    p.PrintCentered("Podnosilac prijave"_yu, 240, y + 6);
    p.PrintCentered("_________________________"_yu, 240, y + 20);
}

} // namespace

report::Document m4kForm(const M4Payer& payer, int year, const std::vector<M4Row>& rows) {
    report::Painter p(report::Orientation::Landscape, "Obrazac M-4K"_yu);
    p.setFont("yuoptimar", 11, true);
    p.PrintRight("Obrazac M-4K"_yu, 287, 8);
    p.setFont("yuoptimar", 9, true);
    p.PrintCentered("PRIJAVA PODATAKA ZA UTVR|IVANJE STA@A, OSIGURANJA, ZARADE, NAKNADE ZARADE "
                    "ODNOSNO OSNOVICE OSIGURANJA"_yu,
                    148, 14);
    p.PrintCentered("I VISINE UPLA]ENOG DOPRINOSA ZA VI[E LICA ZA "_yu + std::to_string(year) +
                        " GODINU"_yu,
                    148, 18.5);
    p.setFont("yuoptimar", 9);
    p.PrintCentered("za osiguranike zaposlene"_yu, 148, 23.5);
    const double top = payerBlock(p, payer, 31);

    report::ListLayout layout;
    layout.right = 287;
    layout.bottom = 192;
    layout.rowHeight = 4.2;
    p.setFont("yuoptimar", 7);
    report::ListFlow list(p, columns(), layout);
    list.start(top);
    int number = 0;
    for (const M4Row& row : rows)
        list.row({std::to_string(++number) + ".", row.JMBG, row.prezime_i_ime,
                  std::to_string(row.Meseci), std::to_string(row.Dani), row.BRUTO, row.PIO,
                  row.bol_bruto, row.bol_pio});
    list.rule();
    const M4Row total = m4Totals(rows);
    list.row({"", "UKUPNO:"_yu, "", std::to_string(total.Meseci), std::to_string(total.Dani),
              total.BRUTO, total.PIO, total.bol_bruto, total.bol_pio});
    footer(list);
    list.finish();
    return p.take();
}

} // namespace zarion::outputs
