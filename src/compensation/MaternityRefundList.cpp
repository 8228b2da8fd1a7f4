#include "compensation/MaternityRefundList.h"

#include "compensation/SickLeavePosting.h"
#include "compensation/SummedTable.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "report/Painter.h"

namespace zarion::compensation {
namespace {

using report::Align;
using report::ListCell;

std::string employeeName(db::Database& payroll, std::int64_t id) {
    db::Statement st = payroll.prepare("SELECT Ime, Prezime FROM radnici WHERE id_radnik = ?");
    st.bindAll(id);
    return st.step() ? st.text(0) + " " + st.text(1) : std::string();
}

// The payer's data at the top left and the title.
double payerBlock(report::Painter& p, const report::CompanyData& company, const RefundList& list) {
    p.setFont("yuoptimar", 8);
    p.PrintRight("Obrazac NZ1", p.document().pageWidth() - 10, 8);
    const std::pair<std::string, std::string> lines[] = {
        {"ISPLATILAC:", company.Naziv},
        {"SEDI[TE ISPLATIOCA:"_yu, company.grad},
        {"PIB:", company.PIB},
        {"MATI^NI BROJ:"_yu, company.maticni},
        {"[IFRA DELATNOSTI:"_yu, company.SIFRA},
        {"TEKU]I RA^UN:"_yu, list.account.racun_za_isplatu_porodiljsko},
        {"POZIV NA ODOB.:", list.account.poziv_zad_porodiljsko},
    };
    double y = 10;
    for (const auto& [caption, value] : lines) {
        p.PrintLeft(caption, 10, y);
        p.PrintLeft(value, 50, y);
        y += 4.2;
    }
    const double middle = p.document().pageWidth() / 2;
    p.setFont("yuoptimar", 11, true);
    p.PrintCentered("SPISAK OBRA^UNATIH NAKNADA ZARADA I ISPLATE NAKNADA"_yu, middle, y + 3);
    p.setFont("yuoptimar", 9);
    p.PrintCentered("za mesec: " + std::to_string(list.month) + "/" + std::to_string(list.year),
                    middle, y + 9);
    return y + 16;
}

// Who calculated, who answers for it, and the certification of the municipal administration.
void closingBlocks(report::ListFlow& list) {
    report::Painter& p = list.painter();
    const double y = list.reserve(42) + 10;
    p.setFont("yuoptimar", 8);
    p.PrintCentered("obra~un naknade zarade"_yu, 45, y);
    p.PrintCentered("u organizaciji izvr{io"_yu, 45, y + 4);
    p.HLine(15, 75, y + 16);
    p.PrintCentered("(prezime i ime)", 45, y + 17);
    p.PrintCentered("mp", 110, y + 12);
    p.HLine(130, 190, y + 16);
    p.PrintCentered("(odg.lice u organizaciji)", 160, y + 17);
    p.HLine(215, 275, y + 16);
    p.PrintCentered("(datum prijema spiska)", 245, y + 17);
    const double z = y + 26;
    p.PrintCentered("overu u gradskoj odn."_yu, 45, z);
    p.PrintCentered("op{tinskoj upravi izvr{io"_yu, 45, z + 4);
    p.HLine(15, 75, z + 14);
    p.PrintCentered("mp", 110, z + 10);
    p.PrintCentered("stare{ina organa gradskoj odn."_yu, 160, z);
    p.PrintCentered("odn. op{tinskoj upravi"_yu, 160, z + 4);
    p.HLine(130, 190, z + 14);
    p.HLine(215, 275, z + 14);
    p.PrintCentered("(datum overe)", 245, z + 15);
    list.moveTo(z + 20);
}

} // namespace

RefundList loadRefundList(db::Database& payroll, int year, int month) {
    RefundList list{year, month, {}, loadMaternityAccount(payroll)};
    for (const auto& [employee, row] :
         postedLeavesOfMonth(payroll, LeaveKind::Maternity, year, month)) {
        const Currency base = row.BRUTO - row.Oslobodjenje;
        list.lines.push_back({employeeName(payroll, employee), row.BRUTO,
                              base.isNegative() ? Currency() : base, row.porez_na_zaradu,
                              row.paidOut(), row.ukupno_doprinosa + row.ukupno_doprinosa_F});
    }
    sortSerbian(list.lines, [](const RefundLine& line) { return line.name; });
    return list;
}

report::Document refundListReport(const report::CompanyData& company, const RefundList& list) {
    TablePage page;
    page.title = "Spisak obra~unatih naknada zarada i isplata naknada"_yu;
    page.totalCaption = "SVEGA";
    page.numberedColumns = true;
    page.numberedFrom = 1;
    page.top = [&](report::Painter& p) {
        return payerBlock(p, company, list);
    };
    const std::vector<TableColumn> columns{
        {{6, Align::Left, {"Redni", "broj"}}},
        {{17, Align::Left, {"Ime i prezime"}}},
        {{98,
          Align::Right,
          {"Ukupan iznos", "naknada zarade", "koju bi ostvarilo", "lice da radi",
           "~l.12 st.1 Zakona"_yu}},
         true},
        {{128,
          Align::Right,
          {"Umanjen iznos po", "osnovu radnog sta`a"_yu, "60% od punog", "iznosa",
           "~l.12 st.2 Zakona"_yu}}},
        {{153, Align::Right, {"30% od punog", "iznosa", "~l.12 st.3 Zakona"_yu}}},
        {{175, Align::Right, {"Iznos naknade"}}, true},
        {{197, Align::Right, {"osnovica", "za obra~un"_yu, "poreza"}}, true},
        {{220, Align::Right, {"Obra~unat iznos"_yu, "poreza"}}, true},
        {{240, Align::Right, {"Iznos za", "isplatu"}}, true},
        {{266,
          Align::Right,
          {"Doprinosi za", "uplatu", "(PIO, zdravstveno", "i zapo{ljavanje)"_yu}},
         true},
        {{291, Align::Right, {"Ukupne", "obaveze", "(7+8+9)"}}, true},
    };
    const auto cells = tableCells<RefundLine>(
        list.lines, {[](const RefundLine& l) -> ListCell { return l.name; },
                     [](const RefundLine& l) -> ListCell { return l.amount; },
                     [](const RefundLine&) -> ListCell { return std::string(); },
                     [](const RefundLine&) -> ListCell { return std::string(); },
                     [](const RefundLine& l) -> ListCell { return l.amount; },
                     [](const RefundLine& l) -> ListCell { return l.taxBase; },
                     [](const RefundLine& l) -> ListCell { return l.tax; },
                     [](const RefundLine& l) -> ListCell { return l.paid; },
                     [](const RefundLine& l) -> ListCell { return l.contributions; },
                     [](const RefundLine& l) -> ListCell {
                         return l.obligations();
                     }});
    return summedTable(company, {}, page, columns, cells, closingBlocks);
}

} // namespace zarion::compensation
