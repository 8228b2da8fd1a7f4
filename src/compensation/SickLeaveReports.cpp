#include "compensation/SickLeaveReports.h"

#include <cstdio>

#include "compensation/SickLeaveList.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "outputs/ListTable.h"
#include "outputs/MunicipalityTax.h"
#include "outputs/PayslipData.h"
#include "report/CompanyHeader.h"

namespace zarion::compensation {
namespace {

using outputs::PayrollRow;
using outputs::TableColumn;
using report::Align;
using report::ListCell;
using Row = const PayrollRow&;

Currency paidOut(Row r) {
    return r.calc.NETO - r.calc.solidarni_porez;
}

TableColumn money(double x, std::vector<std::string> heading, Currency (*value)(Row)) {
    return {
        {x, Align::Right, std::move(heading)}, [value](Row r) { return ListCell(value(r)); }, true};
}

std::string monthText(int year, int month) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%d", month, year);
    return text;
}

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

std::vector<const PayrollRow*> rowsOf(const outputs::PayrollList& list) {
    std::vector<const PayrollRow*> rows;
    for (const PayrollRow& row : list.employees)
        rows.push_back(&row);
    return rows;
}

// One payslip block from y: the lines of the calculation with their amounts.
void payslip(report::Painter& p, const outputs::PayrollList& list, LeaveKind kind, Row r,
             double y) {
    const payroll::SalaryResult& c = r.calc;
    p.setFont("yuoptimar", 10, true);
    p.PrintCentered("OBRA^UN ZARADA I DRUGIH PRIMANJA ZAPOSLENIH"_yu, 105, y);
    p.setFont("yuoptimar", 9);
    p.PrintLeft("Isplata za mesec: "_yu + monthText(list.selection.year, list.selection.month), 15,
                y + 6);
    p.PrintLeft(r.fullName() + " (ID " + std::to_string(r.id_radnik) + ")", 105, y + 6);
    p.PrintLeft(kind == LeaveKind::Maternity ? "Naknada zarade za vreme porodiljskog bolovanja"_yu
                                             : "Naknada zarade za vreme bolovanja preko 30 dana"_yu,
                15, y + 11);
    const std::pair<std::string, std::string> lines[] = {
        {"Broj sati:"_yu, format(c.broj_sati, NumberFormat::General)},
        {"BRUTO:"_yu, amount(c.BRUTO)},
        {"Poresko oslobo|enje:"_yu, amount(c.Oslobodjenje)},
        {"Porez:"_yu, amount(c.porez_na_zaradu)},
        {"Doprinos za PIO:"_yu, amount(c.Doprinosi_PIO)},
        {"Doprinos za zdravstvo:"_yu, amount(c.Doprinosi_zo)},
        {"Doprinos za nezaposlenost:"_yu, amount(c.doprinosi_nezaposlenost)},
        {"NETO:"_yu, amount(c.NETO)},
        {"Solidarni porez:"_yu, amount(c.solidarni_porez)},
        {"ZA ISPLATU:"_yu, amount(paidOut(r))},
        {"Doprinosi na teret poslodavca:"_yu, amount(c.ukupno_doprinosa_F)},
        {"Teku}i ra~un:"_yu, c.tekuci_Racun},
    };
    double line = y + 17;
    for (const auto& [label, value] : lines) {
        p.PrintLeft(label, 25, line);
        p.PrintRight(value, 130, line);
        line += 4.5;
    }
    p.HLine(10, 200, line + 2);
}

} // namespace

report::Document leaveRegister(const outputs::ListPrint& print, const outputs::PayrollList& list,
                               LeaveKind kind) {
    return outputs::monthlyRegister(print, list, leaveGroupTitle(kind));
}

report::Document leavePaymentList(const outputs::ListPrint& print, const outputs::PayrollList& list,
                                  LeaveKind kind) {
    const std::vector<TableColumn> columns{
        {{22, Align::Right, {"ID"}},
         [](Row r) {
             return ListCell(std::to_string(r.id_radnik));
         }},
        {{25, Align::Left, {"Prezime i ime"_yu}},
         [](Row r) { return ListCell(r.fullName()); },
         false,
         28},
        {{75, Align::Left, {"Teku}i ra~un"_yu}},
         [](Row r) { return ListCell(r.calc.tekuci_Racun); },
         false,
         22},
        money(130, {"NETO"}, [](Row r) { return r.calc.NETO; }),
        money(152, {"Solidarni", "porez"}, [](Row r) { return r.calc.solidarni_porez; }),
        money(175, {"ZA ISPLATU"}, paidOut),
        {{178, Align::Left, {"Potpis"}},
         [](Row) {
             return ListCell(std::string("____________"));
         }},
    };
    return outputs::tablePrintout(print.company, print.logo,
                                  {"SPISAK ZA ISPLATU NAKNADA ZARADA: "_yu +
                                       monthText(list.selection.year, list.selection.month),
                                   {leaveGroupTitle(kind), "Radna jedinica: "_yu + list.unitName},
                                   report::Orientation::Portrait,
                                   8},
                                  columns, rowsOf(list), outputs::signatures);
}

report::Document leavePayslips(const outputs::ListPrint& print, const outputs::PayrollList& list,
                               LeaveKind kind, const std::vector<const PayrollRow*>& rows) {
    report::Painter p(report::Orientation::Portrait, "OBRA^UN ZARADA"_yu);
    int onPage = 0;
    for (const PayrollRow* row : rows) {
        if (onPage == 3) {
            p.NewPage();
            onPage = 0;
        }
        if (onPage == 0)
            report::PrintHeader(p, print.company, print.logo);
        payslip(p, list, kind, *row, 38 + onPage * 80);
        ++onPage;
    }
    return p.take();
}

std::vector<AccountRecap> accountRecaps(db::Database& payroll, int year, int month) {
    db::Statement accounts = payroll.prepare(
        "SELECT racun_za_isplatu_bolovanje, racun_za_isplatu_porodiljsko FROM parametri2");
    const bool known = accounts.step();
    std::vector<AccountRecap> recaps;
    for (const LeaveKind kind : {LeaveKind::SickLeave, LeaveKind::Maternity}) {
        AccountRecap recap;
        recap.title = kind == LeaveKind::Maternity ? "2 - PORODILJSKO BOLOVANJE"_yu
                                                   : "1 - BOLOVANJE PREKO 30 DANA"_yu;
        recap.account = known ? accounts.text(kind == LeaveKind::Maternity ? 1 : 0) : "";
        const auto list = loadLeaveList(payroll, kind, {year, month, outputs::Payment::Whole, 0});
        if (list) {
            recap.totals = list->totals;
            recap.count = static_cast<int>(list->employees.size());
        }
        recaps.push_back(std::move(recap));
    }
    return recaps;
}

report::Document accountRecapReport(const outputs::ListPrint& print, int year, int month,
                                    const std::vector<AccountRecap>& recaps) {
    report::Painter p(report::Orientation::Portrait, "REKAPITULACIJA PO RA^UNIMA"_yu);
    report::PrintHeader(p, print.company, print.logo);
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered("REKAPITULACIJA NAKNADA ZARADA PO RA^UNIMA"_yu, 105, 41);
    p.setFont("yuoptimar", 10);
    p.PrintCentered("Isplata za mesec: "_yu + monthText(year, month), 105, 48);
    double y = 60;
    for (const AccountRecap& r : recaps) {
        const outputs::PayrollTotals& t = r.totals;
        p.setFontBold(true);
        p.PrintLeft(r.title, 15, y);
        p.PrintLeft("Ra~un za isplatu: "_yu + r.account, 110, y);
        p.setFontBold(false);
        const std::pair<std::string, Currency> lines[] = {
            {"BRUTO", t.BRUTO},
            {"Porez", t.porez_na_zaradu},
            {"Doprinosi radnik", t.Doprinosi_PIO + t.Doprinosi_zo + t.doprinosi_nezaposlenost},
            {"Doprinosi RO", t.Doprinosi_PIO_F + t.Doprinosi_zo_F + t.doprinosi_nezaposlenost_f},
            {"NETO", t.NETO},
            {"Solidarni porez", t.solidarni_porez},
            {"ZA ISPLATU", t.NETO - t.solidarni_porez},
        };
        p.PrintLeft("Broj zaposlenih: "_yu + std::to_string(r.count), 25, y + 6);
        y += 11;
        for (const auto& [label, value] : lines) {
            p.PrintLeft(label, 25, y);
            p.PrintRight(amount(value), 120, y);
            y += 5;
        }
        p.HLine(15, 195, y);
        y += 8;
    }
    return p.take();
}

report::Document leaveTaxSpecification(db::Database& payroll, const outputs::ListPrint& print,
                                       const outputs::PayrollList& list) {
    const auto lookups = outputs::loadPayslipLookups(payroll, list.selection);
    return outputs::municipalityTaxList(print,
                                        outputs::taxByMunicipality(list, lookups.municipalities));
}

} // namespace zarion::compensation
