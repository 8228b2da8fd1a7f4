#include "outputs/RecapitulationKonta.h"

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "outputs/BooksPrintout.h"
#include "report/ListFlow.h"

namespace zarion::outputs {
namespace {

Currency itemOf(const RecapCalculation& r, KontaItem item) {
    const payroll::SalaryResult& c = r.calc;
    const Currency additional = c.doprinosi_ro_f + c.doprinosi_ro_f2 + c.doprinosi_ro_f3;
    switch (item) {
    case KontaItem::Gross:
        return c.BRUTO;
    case KontaItem::Net:
        return c.NETO;
    case KontaItem::Tax:
        return c.porez_na_zaradu;
    case KontaItem::PioEmployee:
        return c.Doprinosi_PIO;
    case KontaItem::ZoEmployee:
        return c.Doprinosi_zo;
    case KontaItem::NezEmployee:
        return c.doprinosi_nezaposlenost;
    case KontaItem::PioEmployer:
        return c.Doprinosi_PIO_F;
    case KontaItem::ZoEmployer:
        return c.Doprinosi_zo_F;
    case KontaItem::NezEmployer:
        return c.doprinosi_nezaposlenost_f;
    case KontaItem::AdditionalEmployer:
        return additional;
    case KontaItem::Deductions:
        return r.deductions;
    case KontaItem::ToPay:
        return r.toPay;
    case KontaItem::TotalCost:
        return c.BRUTO + c.Doprinosi_PIO_F + c.Doprinosi_zo_F + c.doprinosi_nezaposlenost_f +
               additional;
    case KontaItem::Reduction:
        return c.solidarni_porez;
    }
    return {};
}

std::string wholeDinars(Currency amount) {
    return format(amount.round0(), NumberFormat::Thousands);
}

} // namespace

Currency kontaItemSum(const PayoutSource& source, int item) {
    if (item < static_cast<int>(KontaItem::Gross) || item > static_cast<int>(KontaItem::Reduction))
        return {};
    Currency sum;
    for (const RecapCalculation& r : source.calculations)
        sum += itemOf(r, static_cast<KontaItem>(item));
    return sum;
}

std::vector<KontaLine> kontaRecapitulation(db::Database& payroll, KontaKind kind,
                                           const PayoutSource& source) {
    db::Statement st = payroll.prepare(
        "SELECT Broj, konto, Opis, Strana FROM konta WHERE tabela = ? ORDER BY Broj");
    st.bindAll(static_cast<int>(kind));
    std::vector<KontaLine> lines;
    while (st.step()) {
        const Currency sum = kontaItemSum(source, static_cast<int>(st.integer(0)));
        const bool debit = toUpper(st.text(3)).starts_with("D");
        lines.push_back(
            {st.text(1), st.text(2), debit ? sum : Currency(), debit ? Currency() : sum});
    }
    return lines;
}

report::Document kontaRecapitulationReport(const ListPrint& print, const PayoutSource& source,
                                           const std::vector<KontaLine>& lines) {
    using report::Align;
    report::Painter p =
        startPrintout(print, {"Rekapitulacija bruto zarada"_yu, "REKAPITULACIJA BRUTO ZARADA"_yu,
                              " Godina: "_yu + std::to_string(source.year) + "   Mesec: "_yu +
                                  std::to_string(source.month) + "   Isplata: "_yu + source.part});
    report::ListFlow list(p,
                          {{10, Align::Left, {"Konto"}},
                           {40, Align::Left, {"Opis"}},
                           {165, Align::Right, {"Dug"}},
                           {200, Align::Right, {"Pot"}}},
                          report::ListLayout{});
    list.start(55);
    Currency debit;
    Currency credit;
    for (const KontaLine& line : lines) {
        list.row({line.konto, line.Opis, wholeDinars(line.debit), wholeDinars(line.credit)});
        debit += line.debit;
        credit += line.credit;
    }
    closePrintout(list, {{std::string(), "UKUPNO"_yu, wholeDinars(debit), wholeDinars(credit)}});
    return p.take();
}

} // namespace zarion::outputs
