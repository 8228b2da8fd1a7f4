#include "compensation/DisabledLists.h"

#include "compensation/SummedTable.h"
#include "compensation/TaxSpecification.h"
#include "core/NumberFormat.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "outputs/ListTable.h"
#include "payroll/HourFund.h"
#include "report/Painter.h"

namespace zarion::compensation {
namespace {

using report::Align;
using report::ListCell;

std::string monthHeading(const DisabledMonth& m) {
    return "za mesec: " + std::to_string(m.month) + "/" + std::to_string(m.year);
}

ListCell hours(double value) {
    return format(value, NumberFormat::Grouped2);
}

} // namespace

Currency DisabledMonth::totalRefund() const {
    Currency total;
    for (const DisabledPaid& paid : rows)
        total += paid.row.za_refundaciju;
    return total;
}

outputs::PaidOut DisabledMonth::paidOut() const {
    using outputs::Revenue;
    outputs::PaidOut out{year, month, {}, {}};
    outputs::PayoutSums& sums = out.sums;
    for (const DisabledPaid& paid : rows) {
        out.transfers.push_back({paid.row.ID_RADNIK, paid.row.tekuci_Racun, paid.row.paid()});
        sums.net += paid.row.paid();
        sums.gross += paid.row.BRUTO;
        sums.revenues[static_cast<std::size_t>(Revenue::Tax)] += paid.row.porez_na_zaradu;
        sums.revenues[static_cast<std::size_t>(Revenue::ZoF)] += paid.row.Doprinosi_zo_F;
    }
    return out;
}

DisabledMonth loadDisabledMonth(db::Database& payroll, int year, int month) {
    DisabledMonth m;
    m.year = year;
    m.month = month;
    m.control = loadDisabledControl(payroll).value_or(DisabledControl{});
    m.hourFund = payroll::hourFund(year, month, payroll::loadSettings(payroll)).hours;
    db::Statement account = payroll.prepare("SELECT racun_za_isplatu FROM parametri2 LIMIT 1");
    if (account.step())
        m.payerAccount = account.text(0);
    for (const DisabledCalculation& row : disabledCalculationsOfMonth(payroll, year, month)) {
        db::Statement st = payroll.prepare(
            "SELECT Prezime || ' ' || Ime, JMBG, Tekuci_racun FROM radnici WHERE id_radnik = ?");
        st.bindAll(row.ID_RADNIK);
        DisabledPaid paid{row, {}, {}, {}};
        if (st.step()) {
            paid.name = st.text(0);
            paid.JMBG = st.text(1);
            paid.account = st.text(2);
        }
        m.rows.push_back(std::move(paid));
    }
    sortSerbian(m.rows, [](const DisabledPaid& p) { return p.name; });
    return m;
}

report::Document disabledRefundList(const DisabledPrint& print, const DisabledMonth& m) {
    TablePage page;
    page.title = "ZAHTEV ZA REFUNDACIJU NAKNADA INVALIDIMA RADA II ili III KATEGORIJE";
    page.lines = {monthHeading(m)};
    page.fontSize = 6.5;
    page.numberedColumns = true;
    const std::vector<TableColumn> columns{
        {{5, Align::Left, {"Red.", "broj"}}},
        {{14, Align::Left, {"ID", "radnik"}}},
        {{25, Align::Left, {"Prezime i ime", "JMBG"}}},
        {{88, Align::Right, {"Mogu}i", "efektivni", "sati u mesecu"}}},
        {{110, Align::Right, {"Naknada za", "III-2003", "uskla|ena", "na XII-2003"}}},
        {{132, Align::Right, {"50% prose~ne", "zarade u", "Republici", "u 2003"}}},
        {{147, Align::Right, {"Procenat", "uskla|i-", "vanja"}}},
        {{169, Align::Right, {"Uskla|en", "iznos kad je", "naknada", "ispod 50%"}}},
        {{191, Align::Right, {"Neuskla|en", "iznos kad je", "naknada", "iznad 50%"}}},
        {{208, Align::Right, {"Efektivni", "sati", "rada"}}},
        {{226, Align::Right, {"Iznos", "isplate", "(7 ili ve}i", "iznos od 8 i 9)"}}, true},
        {{252, Align::Right, {"Porez na", "bruto naknadu"}}, true},
        {{270, Align::Right, {"Doprinos", "za zdravst.", "za{titu"}}, true},
        {{291, Align::Right, {"IZNOS ZA", "REFUNDACIJU", "(11+12+13)"}}, true},
    };
    std::vector<TableColumn> yu = columns;
    for (TableColumn& c : yu)
        for (std::string& line : c.column.heading)
            line = yuscii(line);
    const auto cells = tableCells<DisabledPaid>(
        m.rows, {[](const DisabledPaid& p) -> ListCell { return std::to_string(p.row.ID_RADNIK); },
                 [](const DisabledPaid& p) -> ListCell { return p.name + " " + p.JMBG; },
                 [&](const DisabledPaid&) -> ListCell { return hours(m.hourFund); },
                 [&](const DisabledPaid&) -> ListCell { return m.control.m2003; },
                 [&](const DisabledPaid&) -> ListCell { return m.control.p2003; },
                 [&](const DisabledPaid&) -> ListCell { return hours(m.control.zadnji_procenat); },
                 [](const DisabledPaid& p) -> ListCell {
                     return p.row.uskladjeni > p.row.NETO ? ListCell(p.row.uskladjeni)
                                                          : std::string();
                 },
                 [](const DisabledPaid& p) -> ListCell {
                     return p.row.uskladjeni > p.row.NETO ? ListCell(std::string()) : p.row.NETO;
                 },
                 [](const DisabledPaid& p) -> ListCell { return hours(p.row.broj_sati); },
                 [](const DisabledPaid& p) -> ListCell { return p.row.paid(); },
                 [](const DisabledPaid& p) -> ListCell { return p.row.porez_na_zaradu; },
                 [](const DisabledPaid& p) -> ListCell { return p.row.Doprinosi_zo_F; },
                 [](const DisabledPaid& p) -> ListCell {
                     return p.row.za_refundaciju;
                 }});
    return summedTable(print.company, print.logo, page, yu, cells,
                       [](report::ListFlow& list) { outputs::signaturesWith(list, "Obradio:"); });
}

report::Document disabledPaidList(const DisabledPrint& print, const DisabledMonth& m) {
    TablePage page;
    page.title = "SPISAK ISPLA]ENIH NAKNADA INVALIDIMA RADA II ili III KATEGORIJE: "_yu +
                 std::to_string(m.month) + "/" + std::to_string(m.year);
    page.orientation = report::Orientation::Portrait;
    page.fontSize = 8;
    page.totalCaption = "UKUPNO:";
    const std::vector<TableColumn> columns{
        {{5, Align::Left, {"Red.br"}}},           {{17, Align::Left, {"ID"}}},
        {{29, Align::Left, {"Prezime i ime"}}},   {{72, Align::Left, {"JMBG"}}},
        {{97, Align::Left, {"Teku}i ra~un"_yu}}}, {{157, Align::Right, {"Ispla}eno"_yu}}, true},
        {{178, Align::Right, {"Porez"}}, true},   {{205, Align::Right, {"Za refundaciju"}}, true},
    };
    const auto cells = tableCells<DisabledPaid>(
        m.rows, {[](const DisabledPaid& p) -> ListCell { return std::to_string(p.row.ID_RADNIK); },
                 [](const DisabledPaid& p) -> ListCell { return p.name; },
                 [](const DisabledPaid& p) -> ListCell { return p.JMBG; },
                 [](const DisabledPaid& p) -> ListCell { return p.account; },
                 [](const DisabledPaid& p) -> ListCell { return p.row.paid(); },
                 [](const DisabledPaid& p) -> ListCell { return p.row.porez_na_zaradu; },
                 [](const DisabledPaid& p) -> ListCell {
                     return p.row.za_refundaciju;
                 }});
    const std::string request =
        "Molimo Vas da iznos od: " + format(m.totalRefund(), NumberFormat::Grouped2) +
        " uplatite na Ra~un: "_yu + m.payerAccount;
    return summedTable(print.company, print.logo, page, columns, cells,
                       [&](report::ListFlow& list) {
                           const double y = list.reserve(10) + 4;
                           list.painter().setFont("yuoptimar", 9);
                           list.painter().PrintLeft(request, 10, y);
                           list.moveTo(y + 4);
                           outputs::signaturesWith(list, "Obradio:");
                       });
}

report::Document disabledTaxSpecification(db::Database& payroll, const DisabledPrint& print,
                                          const DisabledMonth& m) {
    std::vector<EmployeeTax> taxes;
    for (const DisabledPaid& p : m.rows)
        taxes.emplace_back(p.row.ID_RADNIK, p.row.porez_na_zaradu);
    return outputs::municipalityTaxList({print.company, print.logo},
                                        taxByResidence(payroll, taxes));
}

report::Document disabledAccountRecap(const DisabledPrint& print, const DisabledMonth& m) {
    TablePage page;
    page.title = "REKAPITULACIJA PO RA^UNIMA"_yu;
    page.lines = {monthHeading(m)};
    page.orientation = report::Orientation::Portrait;
    page.fontSize = 9;
    const std::vector<TableColumn> columns{
        {{5, Align::Left, {"Red.br"}}},
        {{20, Align::Left, {"Vrsta isplate"}}},
        {{100, Align::Left, {"Ra~un za isplatu"_yu}}},
        {{200, Align::Right, {"Iznos"}}, true},
    };
    Currency paid;
    for (const DisabledPaid& p : m.rows)
        paid += p.row.paid();
    const std::vector<std::vector<ListCell>> cells{
        {std::string("0 - NAKNADE ZARADA INVALIDA"), m.payerAccount, paid}};
    return summedTable(print.company, print.logo, page, columns, cells);
}

} // namespace zarion::compensation
