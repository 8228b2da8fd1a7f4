#include "outputs/RecapitulationPayout.h"

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "outputs/BooksPrintout.h"
#include "report/ListFlow.h"

namespace zarion::outputs {
namespace {

using payroll::SalaryResult;

// An item of pay: its net amount and its hours in one calculation.
struct PayItem {
    const char* text;
    Currency (*amount)(const SalaryResult&);
    double (*hours)(const SalaryResult&);
};

double noHours(const SalaryResult&) {
    return 0;
}

Currency employerContributions(const SalaryResult& c) {
    return c.Doprinosi_PIO_F + c.Doprinosi_zo_F + c.doprinosi_nezaposlenost_f + c.doprinosi_ro_f +
           c.doprinosi_ro_f2 + c.doprinosi_ro_f3;
}

// The employer's whole cost of the calculation: gross and the employer's contributions.
Currency totalCost(const SalaryResult& c) {
    return c.BRUTO + employerContributions(c);
}

// The items of pay from the basic net to the separation allowance; `publicSector` names the
// items of the public-sector pay.
std::vector<PayItem> payItems(bool publicSector) {
    std::vector<PayItem> items{
        {publicSector ? "Neto po vremenu" : "Osnovna NETO zarada",
         [](const SalaryResult& c) { return c.osnovna_bruto; },
         [](const SalaryResult& c) {
             return c.broj_sati;
         }},
        {"Neto no}ni rad", [](const SalaryResult& c) { return c.nocni_rad_i; },
         [](const SalaryResult& c) {
             return c.nocni_rad_s;
         }},
        {"Neto rad nedeljom",
         [](const SalaryResult& c) { return c.rad_nedeljom_i + c.rad_nedeljomstvarno_i; },
         [](const SalaryResult& c) {
             return c.rad_nedeljom_s + c.rad_nedeljomstvarno_s;
         }},
        {"Neto rad na praznik - dnevni", [](const SalaryResult& c) { return c.rad_na_praznik_i; },
         [](const SalaryResult& c) {
             return c.rad_na_praznik_s;
         }},
        // the calculation keeps no night work on a holiday apart: the line stays empty
        {"Neto rad na praznik - no}ni", [](const SalaryResult&) { return Currency(); }, noHours},
        {"Neto de`urstvo", [](const SalaryResult& c) { return c.dezurstvo_i; },
         [](const SalaryResult& c) {
             return c.dezurstvo_s;
         }},
        {"Neto prekovremeni rad", [](const SalaryResult& c) { return c.produzeni_rad_i; },
         [](const SalaryResult& c) {
             return c.produzeni_rad_s;
         }},
        {"Neto pripravnost",
         [](const SalaryResult& c) { return c.pripravnost_i + c.pripravnostaktivna_i; },
         [](const SalaryResult& c) {
             return c.pripravnost_s + c.pripravnostaktivna_s;
         }},
        {"Neto bolovanje do 30 dana (65%)", [](const SalaryResult& c) { return c.bolovnje65_i; },
         [](const SalaryResult& c) {
             return c.bolovnje65_s;
         }},
        {"Neto bolovanje do 30 dana (100%)", [](const SalaryResult& c) { return c.bolovanje100_i; },
         [](const SalaryResult& c) {
             return c.bolovanje100_s;
         }},
        {"Neto godi{nji odmor", [](const SalaryResult& c) { return c.godisnji_i; },
         [](const SalaryResult& c) {
             return c.godisnji_s;
         }},
        {"Neto pla}eno odsustvo", [](const SalaryResult& c) { return c.placeno_odsustvo_i; },
         [](const SalaryResult& c) {
             return c.placeno_odsustvo_s;
         }},
        {"Neto korekcija red.zarade", [](const SalaryResult& c) { return c.fiksna_plata; },
         noHours},
    };
    if (publicSector)
        items.push_back(
            {"Neto stimulacije", [](const SalaryResult& c) { return c.stimulacije; }, noHours});
    else
        items.push_back({"Neto stimulacije",
                         [](const SalaryResult& c) { return c.stimulacije + c.stimulacije_uredba; },
                         noHours});
    items.push_back(
        {"Neto minuli rad", [](const SalaryResult& c) { return c.minuli_rad; }, noHours});
    items.push_back(
        {"Neto topli obrok", [](const SalaryResult& c) { return c.topli_obrok; }, noHours});
    items.push_back({"Neto regres", [](const SalaryResult& c) { return c.regres; }, noHours});
    if (publicSector) {
        items.push_back({"Neto dodatak na osnovnu zaradu po uredbi",
                         [](const SalaryResult& c) { return c.stimulacije_uredba; }, noHours});
        items.push_back({"Neto naknada za specijalizante",
                         [](const SalaryResult& c) { return c.odvojeni; }, noHours});
    } else {
        items.push_back(
            {"Neto odvojeni `ivot", [](const SalaryResult& c) { return c.odvojeni; }, noHours});
    }
    return items;
}

// The net of an item grossed up by the calculation's own ratio of `whole` to its net.
Currency grossedUp(Currency net, const SalaryResult& c, Currency whole) {
    if (c.NETO.isZero())
        return {};
    return net.times(whole.toDouble() / c.NETO.toDouble()).round2();
}

RecapLine sumLine(const PayoutSource& source, const std::string& text,
                  Currency (*amount)(const SalaryResult&),
                  Currency (*employer)(const SalaryResult&) = nullptr) {
    RecapLine line{.text = text};
    for (const RecapCalculation& r : source.calculations) {
        line.amount += amount(r.calc);
        if (employer)
            line.gross += employer(r.calc);
    }
    return line;
}

// A gross column is left empty where the line has nothing in it.
report::ListCell shown(Currency amount) {
    return amount.isZero() ? report::ListCell(std::string()) : report::ListCell(amount);
}

} // namespace

std::string paymentPartName(Payment payment) {
    switch (payment) {
    case Payment::First:
        return "1. deo";
    case Payment::Final:
        return "2. deo";
    case Payment::Whole:
        break;
    }
    return "0. Kona~na"_yu;
}

PayoutSource payoutSource(const PayrollList& list) {
    PayoutSource source{list.selection.year,
                        list.selection.month,
                        paymentPartName(list.selection.payment),
                        list.unitName,
                        {}};
    for (const PayrollRow* row : list.allRows())
        source.calculations.push_back({row->calc, row->deductions, row->toPay()});
    return source;
}

std::vector<RecapLine> payoutRecapitulation(const PayoutSource& source, bool publicSector) {
    std::vector<RecapLine> items;
    RecapLine net{.text = "UKUPNA NETO ZARADA"_yu};
    net.total = true;
    for (const PayItem& item : payItems(publicSector)) {
        RecapLine line{.text = yuscii(item.text)};
        for (const RecapCalculation& r : source.calculations) {
            const Currency amount = item.amount(r.calc);
            line.amount += amount;
            line.hours += item.hours(r.calc);
            line.gross += grossedUp(amount, r.calc, r.calc.BRUTO);
            line.gross2 += grossedUp(amount, r.calc, totalCost(r.calc));
        }
        items.push_back(line);
    }
    for (const RecapCalculation& r : source.calculations) {
        net.amount += r.calc.NETO;
        net.gross += r.calc.BRUTO;
        net.gross2 += totalCost(r.calc);
    }
    for (const RecapLine& item : items)
        net.hours += item.hours;

    RecapLine people{.text = "Broj zaposlenih"_yu};
    people.count = true;
    people.people = static_cast<int>(source.calculations.size());

    std::vector<RecapLine> lines{net, people};
    lines.insert(lines.end(), items.begin(), items.end());
    RecapLine gross =
        sumLine(source, "UKUPNA BRUTO ZARADA", [](const SalaryResult& c) { return c.BRUTO; });
    gross.total = true;
    lines.push_back(gross);
    lines.push_back(sumLine(source, "Ukupna obaveza firme", totalCost));
    lines.push_back(sumLine(source, "Porez na zarade",
                            [](const SalaryResult& c) { return c.porez_na_zaradu; }));
    lines.push_back(sumLine(
        source, "Doprinosi PIO (zaposleni / poslodavac)",
        [](const SalaryResult& c) { return c.Doprinosi_PIO; },
        [](const SalaryResult& c) { return c.Doprinosi_PIO_F; }));
    lines.push_back(sumLine(
        source, "Doprinosi zdravstveno (zaposleni / poslodavac)",
        [](const SalaryResult& c) { return c.Doprinosi_zo; },
        [](const SalaryResult& c) { return c.Doprinosi_zo_F; }));
    lines.push_back(sumLine(
        source, "Doprinosi nezaposlenost (zaposleni / poslodavac)",
        [](const SalaryResult& c) { return c.doprinosi_nezaposlenost; },
        [](const SalaryResult& c) { return c.doprinosi_nezaposlenost_f; }));
    lines.push_back(
        sumLine(source, "Dodatni doprinosi na teret poslodavca", [](const SalaryResult& c) {
            return c.doprinosi_ro_f + c.doprinosi_ro_f2 + c.doprinosi_ro_f3;
        }));
    lines.push_back(sumLine(source, "NETO", [](const SalaryResult& c) { return c.NETO; }));
    RecapLine deductions{.text = "Ukupno obustava"_yu};
    RecapLine toPay{.text = "ZA ISPLATU"_yu};
    toPay.total = true;
    for (const RecapCalculation& r : source.calculations) {
        deductions.amount += r.deductions;
        toPay.amount += r.toPay;
    }
    lines.push_back(deductions);
    lines.push_back(sumLine(source, "Umanjenje neto zarada iznad 60000",
                            [](const SalaryResult& c) { return c.solidarni_porez; }));
    lines.push_back(toPay);
    return lines;
}

std::string payoutRecapitulationTitle(const PayoutSource& source) {
    return "Rekapitulacija isplate za mesec: "_yu + std::to_string(source.month) + "/" +
           std::to_string(source.year) + " " + source.part;
}

report::Document payoutRecapitulationReport(const ListPrint& print, const PayoutSource& source,
                                            const std::vector<RecapLine>& lines) {
    using report::Align;
    const std::string title = payoutRecapitulationTitle(source);
    report::Painter p =
        startPrintout(print, {title, title, "Radna jedinica: "_yu + source.unitName});
    p.setFont("yuoptimar", 9);
    report::ListFlow list(p,
                          {{10, Align::Left, {"OPIS"}},
                           {120, Align::Right, {"IZNOS"}},
                           {140, Align::Right, {"^ASOVI"_yu}},
                           {170, Align::Right, {"BRUTO"}},
                           {200, Align::Right, {"BRUTO2"}}},
                          report::ListLayout{});
    list.start(55);
    for (const RecapLine& line : lines) {
        p.setFontBold(line.total);
        if (line.count) {
            list.row({line.text, std::to_string(line.people)});
            continue;
        }
        const std::string hours =
            line.hours == 0 ? std::string() : format(line.hours, NumberFormat::Grouped2);
        list.row({line.text, line.amount, hours, shown(line.gross), shown(line.gross2)});
    }
    p.setFontBold(false);
    closePrintout(list);
    return p.take();
}

} // namespace zarion::outputs
