#include "other_income/OtherIncomePrints.h"

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
    report::Painter p(report::Orientation::Landscape, "Spisak za isplatu ostalih zarada"_yu);
    const double y = heading(p, print, "SPISAK ZA ISPLATU OSTALIH ZARADA"_yu,
                             {orderLine(paid.order), incomeLine(paid.order.tip_noz)});
    p.setFont("yuoptimar", 8);
    report::ListFlow list(p,
                          {{5, Align::Left, {"Red.", "br"}},
                           {14, Align::Left, {"ID", "radnika"}},
                           {30, Align::Left, {"Prezime i ime"}},
                           {85, Align::Left, {"Radno mesto"}},
                           {150, Align::Right, {"BRUTO"}},
                           {172, Align::Right, {"Neoporezivo"}},
                           {192, Align::Right, {"Porez"}},
                           {214, Align::Right, {"Doprinosi"}},
                           {236, Align::Right, {"ZA ISPLATU"}},
                           {242, Align::Left, {"Potpis radnika"}}},
                          landscapeFlow(p));
    list.start(y);
    Currency gross, nonTaxable, tax, contributions, net;
    int number = 0;
    for (const ListedPerson& person : paid.people) {
        const RowAmounts& a = person.row.amounts;
        list.row({std::to_string(++number) + ".", std::to_string(person.row.id_radnik),
                  person.fullName(), person.radno_mesto.substr(0, 40), a.gross, a.nonTaxable, a.tax,
                  a.employee.sum(), a.net, std::string("____________________")});
        gross += a.gross;
        nonTaxable += a.nonTaxable;
        tax += a.tax;
        contributions += a.employee.sum();
        net += a.net;
    }
    list.rule();
    p.setFontBold(true);
    list.row({std::string(), std::string(), "UKUPNO"_yu, std::string(), gross, nonTaxable, tax,
              contributions, net});
    p.setFontBold(false);
    outputs::signatures(list);
    list.finish();
    return p.take();
}

report::Document contributionsReport(const outputs::ListPrint& print, const PaidOrder& paid,
                                     const Date& paymentDate) {
    report::Painter p(report::Orientation::Landscape, "Prijava o uplati doprinosa"_yu);
    const double y =
        heading(p, print, "PRIJAVA O UPLATI DOPRINOSA"_yu,
                {"Obrazac M-UN"_yu, orderLine(paid.order), incomeLine(paid.order.tip_noz),
                 "Datum isplate: "_yu + toDisplayText(paymentDate)});
    p.setFont("yuoptimar", 8);
    report::ListFlow list(p,
                          {{5, Align::Left, {"Red.", "br"}},
                           {14, Align::Left, {"JMBG"}},
                           {42, Align::Left, {"Prezime i ime"}},
                           {130, Align::Right, {"BRUTO"}},
                           {155, Align::Right, {"Osnovica", "doprinosa"}},
                           {180, Align::Right, {"PIO"}},
                           {205, Align::Right, {"ZDR"}},
                           {230, Align::Right, {"NEZ"}},
                           {287, Align::Right, {"Ukupno", "doprinosi"}}},
                          landscapeFlow(p));
    list.start(y);
    Currency gross, base, pio, zo, nez;
    int number = 0;
    for (const ListedPerson& person : paid.people) {
        const RowAmounts& a = person.row.amounts;
        const Currency rowPio = a.employee.pio + a.employer.pio;
        const Currency rowZo = a.employee.zo + a.employer.zo;
        const Currency rowNez = a.employee.nez + a.employer.nez;
        list.row({std::to_string(++number) + ".", person.JMBG, person.fullName(), a.gross,
                  a.contributionBase, rowPio, rowZo, rowNez, rowPio + rowZo + rowNez});
        gross += a.gross;
        base += a.contributionBase;
        pio += rowPio;
        zo += rowZo;
        nez += rowNez;
    }
    list.rule();
    p.setFontBold(true);
    list.row(
        {std::string(), std::string(), "UKUPNO"_yu, gross, base, pio, zo, nez, pio + zo + nez});
    p.setFontBold(false);
    outputs::signatures(list);
    list.finish();
    return p.take();
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

} // namespace zarion::other_income
