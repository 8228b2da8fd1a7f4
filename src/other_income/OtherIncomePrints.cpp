#include "other_income/OtherIncomePrints.h"

#include <functional>
#include <variant>

#include "core/Text.h"
#include "other_income/OtherIncomeKinds.h"
#include "outputs/ListTable.h"
#include "report/CompanyHeader.h"
#include "report/ListFlow.h"

namespace zarion::other_income {

namespace {

using report::Align;

// The company header, the title and the lines under it, centred; gives the y below them.
double heading(report::Painter& p, const outputs::ListPrint& print, const std::string& title,
               const std::vector<std::string>& lines) {
    const double width = p.document().pageWidth();
    report::PrintHeader(p, print.company, print.logo);
    p.setFont("yuoptimar", 11, true);
    p.PrintCentered(title, width / 2, 39);
    p.setFont("yuoptimar", 9);
    double y = 45;
    for (const std::string& line : lines) {
        p.PrintCentered(line, width / 2, y);
        y += 4.5;
    }
    return y + 2;
}

report::ListLayout landscapeFlow(const report::Painter& p) {
    report::ListLayout flow;
    flow.right = p.document().pageWidth() - 5;
    flow.bottom = p.document().pageHeight() - 17;
    return flow;
}

std::string incomeLine(int kind) {
    const OtherIncomeKind* found = findKind(kind);
    return found ? found->incomeLine : "Vrsta prihoda: _______________________";
}

std::string orderLine(const OtherIncomeOrder& order) {
    return "Nalog: "_yu + orderCaption(order);
}

// The common frame of the order's lists: the header, the title and its lines, one numbered row
// per person, the line "UKUPNO" summing every amount column under the person's name, and the
// signatures.
report::Document
personTable(const outputs::ListPrint& print, const std::string& title,
            const std::vector<std::string>& lines, std::vector<report::ListColumn> columns,
            const std::vector<ListedPerson>& people,
            const std::function<std::vector<report::ListCell>(const ListedPerson&)>& cellsOf) {
    report::Painter p(report::Orientation::Landscape, title);
    const double y = heading(p, print, title, lines);
    p.setFont("yuoptimar", 8);
    columns.insert(columns.begin(), {5, Align::Left, {"Red.", "br"}});
    report::ListFlow list(p, columns, landscapeFlow(p));
    list.start(y);
    std::vector<report::ListCell> total(columns.size(), std::string());
    int number = 0;
    for (const ListedPerson& person : people) {
        std::vector<report::ListCell> cells = cellsOf(person);
        cells.insert(cells.begin(), std::to_string(++number) + ".");
        for (std::size_t i = 0; i < cells.size() && i < total.size(); ++i)
            if (const auto* amount = std::get_if<Currency>(&cells[i]))
                total[i] = std::holds_alternative<Currency>(total[i])
                               ? std::get<Currency>(total[i]) + *amount
                               : *amount;
        list.row(cells);
    }
    total[2] = "UKUPNO"_yu;
    list.rule();
    p.setFontBold(true);
    list.row(total);
    p.setFontBold(false);
    outputs::signatures(list);
    list.finish();
    return p.take();
}

} // namespace

Outcome<PaidOrder> loadPaidOrder(db::Database& payroll, std::int64_t id_noz) {
    auto order = loadOrder(payroll, id_noz);
    if (!order)
        return error("Greska kod pronalazenja naloga u bazi!"_yu);
    auto people = personsOfOrder(payroll, id_noz);
    if (!people)
        return people.refusal();
    return PaidOrder{*order, std::move(people).value()};
}

report::Document payList(const outputs::ListPrint& print, const PaidOrder& paid) {
    return personTable(print, "SPISAK ZA ISPLATU OSTALIH ZARADA"_yu,
                       {orderLine(paid.order), incomeLine(paid.order.tip_noz)},
                       {{14, Align::Left, {"ID", "radnika"}},
                        {30, Align::Left, {"Prezime i ime"}},
                        {85, Align::Left, {"Radno mesto"}},
                        {150, Align::Right, {"BRUTO"}},
                        {172, Align::Right, {"Neoporezivo"}},
                        {192, Align::Right, {"Porez"}},
                        {214, Align::Right, {"Doprinosi"}},
                        {236, Align::Right, {"ZA ISPLATU"}},
                        {242, Align::Left, {"Potpis radnika"}}},
                       paid.people, [](const ListedPerson& person) {
                           const RowAmounts& a = person.row.amounts;
                           return std::vector<report::ListCell>{
                               std::to_string(person.row.id_radnik),
                               person.fullName(),
                               person.radno_mesto.substr(0, 40),
                               a.gross,
                               a.nonTaxable,
                               a.tax,
                               a.employee.sum(),
                               a.net,
                               std::string("____________________")};
                       });
}

report::Document contributionsReport(const outputs::ListPrint& print, const PaidOrder& paid,
                                     const Date& paymentDate) {
    return personTable(print, "PRIJAVA O UPLATI DOPRINOSA"_yu,
                       {"Obrazac M-UN"_yu, orderLine(paid.order), incomeLine(paid.order.tip_noz),
                        "Datum isplate: "_yu + toDisplayText(paymentDate)},
                       {{14, Align::Left, {"JMBG"}},
                        {42, Align::Left, {"Prezime i ime"}},
                        {130, Align::Right, {"BRUTO"}},
                        {155, Align::Right, {"Osnovica", "doprinosa"}},
                        {180, Align::Right, {"PIO"}},
                        {205, Align::Right, {"ZDR"}},
                        {230, Align::Right, {"NEZ"}},
                        {287, Align::Right, {"Ukupno", "doprinosi"}}},
                       paid.people, [](const ListedPerson& person) {
                           const RowAmounts& a = person.row.amounts;
                           const Currency pio = a.employee.pio + a.employer.pio;
                           const Currency zo = a.employee.zo + a.employer.zo;
                           const Currency nez = a.employee.nez + a.employer.nez;
                           return std::vector<report::ListCell>{
                               person.JMBG, person.fullName(), a.gross, a.contributionBase, pio, zo,
                               nez,         pio + zo + nez};
                       });
}

std::map<int, std::string> municipalityNames(db::Database& payroll) {
    std::map<int, std::string> names;
    for (db::Statement st = payroll.prepare("SELECT SIFRA, Naziv FROM opstine"); st.step();)
        names[static_cast<int>(st.integer(0))] = st.text(1);
    return names;
}

std::vector<outputs::MunicipalityTax>
orderTaxByMunicipality(const PaidOrder& paid, const std::map<int, std::string>& municipalities) {
    std::map<int, Currency> sums;
    for (const ListedPerson& person : paid.people)
        sums[person.sifra_opstine] += person.row.amounts.tax;
    return outputs::municipalityLines(sums, municipalities);
}

parameters::TaxReturnInput orderTaxFigures(const PaidOrder& paid) {
    parameters::TaxFigures figures;
    for (const ListedPerson& person : paid.people) {
        const RowAmounts& a = person.row.amounts;
        const Currency income = a.gross - a.standardizedCosts;
        figures.paid += income;
        figures.nonTaxable += income - a.taxBase;
    }
    return {static_cast<std::int64_t>(paid.people.size()), paid.order.rates.tax, {figures}};
}

outputs::PaidOut orderPaidOut(const PaidOrder& paid) {
    outputs::PaidOut out{paid.order.Datum.year, paid.order.Datum.month, {}, {}};
    outputs::PayoutSums& sums = out.sums;
    for (const ListedPerson& person : paid.people) {
        const RowAmounts& a = person.row.amounts;
        out.transfers.push_back({person.row.id_radnik, person.tekuci_Racun, a.net});
        sums.net += a.net;
        sums.gross += a.gross;
        const Currency revenues[] = {a.tax,          a.employee.pio, a.employee.zo, a.employee.nez,
                                     a.employer.pio, a.employer.zo,  a.employer.nez};
        for (std::size_t i = 0; i < std::size(revenues); ++i)
            sums.revenues[i] += revenues[i];
    }
    return out;
}

} // namespace zarion::other_income
