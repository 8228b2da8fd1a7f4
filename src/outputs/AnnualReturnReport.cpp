#include "outputs/AnnualReturnReport.h"

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "report/ListFlow.h"
#include "report/Painter.h"

namespace zarion::outputs {
namespace {

using report::Align;
using report::ListColumn;
using report::ListFlow;

std::string dinars(Currency amount) {
    const Currency whole = amount.round0();
    return whole == Currency{} ? "0" : format(whole, NumberFormat::Thousands);
}

std::vector<ListColumn> recipientColumns() {
    return {
        {8, Align::Left, {"Red", "br"}},
        {20, Align::Left, {"Prezime i ime"}},
        {80, Align::Left, {"JMBG"}},
        {125, Align::Right, {"BRUTO"}},
        {152, Align::Right, {"Oporezivo"}},
        {178, Align::Right, {"Porez na", "dohodak"}},
        {204, Align::Right, {"Dop.PIO", "zaposlenog"}},
        {230, Align::Right, {"Dop.ZDR", "zaposlenog"}},
        {256, Align::Right, {"Dop.NEZ", "zaposlenog"}},
    };
}

void part(report::Painter& p, ListFlow& list, const std::string& title,
          const std::vector<ReturnRow>& rows) {
    const double y = list.reserve(14);
    p.setFont("yuoptimar", 9, true);
    p.PrintLeft(title, 8, y + 2);
    p.setFont("yuoptimar", 7);
    p.PrintRight("(u din. bez para)"_yu, 280, y + 2);
    list.start(y + 8);
    int number = 0;
    for (const ReturnRow& row : rows)
        list.row({std::to_string(++number) + ".", row.name(), row.JMBG, dinars(row.BRUTO),
                  dinars(row.Oporezivo), dinars(row.Porez), dinars(row.PIO), dinars(row.ZDR),
                  dinars(row.NEZ)});
    list.rule();
    const ReturnRow total = returnTotals(rows);
    list.row({"", "UKUPNO", "", dinars(total.BRUTO), dinars(total.Oporezivo), dinars(total.Porez),
              dinars(total.PIO), dinars(total.ZDR), dinars(total.NEZ)});
    list.skip(6);
}

double payerPart(report::Painter& p, const report::CompanyData& payer, std::size_t recipients,
                 int year) {
    p.setFont("yuoptimar", 9);
    p.PrintLeft("MINISTARSTVO FINANSIJA I EKONOMIJE"_yu, 8, 8);
    p.PrintLeft("PORESKA UPRAVA"_yu, 8, 12);
    p.PrintLeft("Organizaciona jedinica "_yu, 8, 16);
    p.setFont("yuoptimar", 11, true);
    p.PrintRight("Obrazac PPP"_yu, 280, 8);
    p.PrintCentered("POJEDINA^NA PORESKA PRIJAVA"_yu, 148, 22);
    p.setFont("yuoptimar", 9, true);
    p.PrintCentered("O OBRA^UNATOM I PLA]ENOM POREZU I DOPRINOSIMA"_yu, 148, 27);
    p.PrintCentered("ZA OBAVEZNO SOCIJALNO OSIGURANJE PO ODBITKU NA TERET PRIMAOCA PRIHODA"_yu, 148,
                    31);
    p.PrintCentered("ZA "_yu + std::to_string(year) + " GODINU"_yu, 148, 35);
    p.PrintLeft("1.PODACI O PORESKOM PLACU"_yu, 8, 42);
    p.setFont("yuoptimar", 8);
    const std::vector<std::pair<std::string, std::string>> lines = {
        {"1. Poreski identifikacioni broj - PIB"_yu, payer.PIB},
        {"2. Naziv - ime i prezime"_yu, payer.Naziv},
        {"3. Mati~ni broj"_yu, payer.maticni},
        {"4. Sedi{te - prebivali{te"_yu, payer.grad},
        {"5. Adresa"_yu, payer.ADRESA},
        {"6. Telefon"_yu, payer.telefon},
        {"7. Odgovorno lice"_yu, payer.vlasnik},
        {"8. [ifra delatnosti"_yu, payer.SIFRA},
        {"9. Broj primalaca prihoda za koje se odnosi pojedina~na poreska prijava"_yu,
         std::to_string(recipients)},
    };
    double y = 47;
    for (const auto& [caption, value] : lines) {
        p.PrintLeft(caption, 12, y);
        p.PrintLeft(value, 130, y);
        y += 4.2;
    }
    return y + 3;
}

void legalPersons(report::Painter& p, ListFlow& list) {
    const double y = list.reserve(24);
    p.setFont("yuoptimar", 9, true);
    p.PrintLeft("IV. PODACI O PRIMAOCIMA PRIHODA - PRAVNIM LICIMA"_yu, 8, y + 2);
    p.setFont("yuoptimar", 7);
    p.PrintLeft("Naziv primaoca prihoda - pravnog lica, sedi{te i adresa"_yu, 20, y + 8);
    p.PrintLeft("PIB"_yu, 130, y + 8);
    p.PrintRight("Oporezivi prihod"_yu, 204, y + 8);
    p.PrintRight("Porez na dobit po odbitku"_yu, 256, y + 8);
    p.HLine(5, 287, y + 12);
    list.moveTo(y + 20);
}

void footer(report::Painter& p, ListFlow& list) {
    const double y = list.reserve(30);
    p.setFont("yuoptimar", 8);
    p.PrintLeft("Poresku prijavu popunio:"_yu, 8, y);
    p.PrintCentered("M.P."_yu, 148, y + 8);
    p.PrintCentered("________________________"_yu, 50, y + 12);
    p.PrintCentered("(mesto i datum)"_yu, 50, y + 16);
    p.PrintCentered("________________________"_yu, 240, y + 12);
    p.PrintCentered("(potpis odgovornog lica)"_yu, 240, y + 16);
    p.PrintLeft("Popunjava poreska uprava"_yu, 8, y + 22);
    p.PrintLeft("Potvrda o prijemu prijave:"_yu, 8, y + 26);
}

} // namespace

report::Document pppForm(const report::CompanyData& payer, int year, const AnnualReturn& annual) {
    report::Painter p(report::Orientation::Landscape, "Obrazac PPP"_yu);
    const double top = payerPart(p, payer, annual.employed.size() + annual.outside.size(), year);
    report::ListLayout layout;
    layout.right = 287;
    layout.bottom = 190;
    layout.rowHeight = 4.2;
    p.setFont("yuoptimar", 7);
    ListFlow list(p, recipientColumns(), layout);
    list.moveTo(top);
    part(p, list, "II. PODACI O PRIMAOCIMA PRIHODA IZ RADNOG ODNOSA - FIZI^KIM LICIMA"_yu,
         annual.employed);
    part(p, list, "III. PODACI O PRIMAOCIMA PRIHODA VAN RADNOG ODNOSA - FIZI^KIM LICIMA"_yu,
         annual.outside);
    legalPersons(p, list);
    footer(p, list);
    list.finish();
    return p.take();
}

} // namespace zarion::outputs
