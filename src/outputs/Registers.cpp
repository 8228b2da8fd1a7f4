#include "outputs/Registers.h"

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "outputs/ListTable.h"

namespace zarion::outputs {
namespace {

using report::Align;
using report::ListCell;
using Row = const PayrollRow&;

std::string number(double value) {
    return format(value, NumberFormat::General);
}

// Right-aligned amount column.
TableColumn amount(double x, std::vector<std::string> heading, std::function<Currency(Row)> value) {
    return {
        {x, Align::Right, std::move(heading)}, [value](Row r) { return ListCell(value(r)); }, true};
}

TableColumn text(double x, Align align, std::vector<std::string> heading,
                 std::function<std::string(Row)> value, std::size_t characters = 0) {
    return {{x, align, std::move(heading)},
            [value](Row r) { return ListCell(value(r)); },
            false,
            characters};
}

TableColumn idColumn(double x) {
    return text(x, Align::Right, {"ID"_yu}, [](Row r) { return std::to_string(r.id_radnik); });
}

TableColumn nameColumn(double x, std::size_t characters) {
    return text(
        x, Align::Left, {"Prezime"_yu, "i ime"_yu}, [](Row r) { return r.fullName(); }, characters);
}

std::vector<const PayrollRow*> employeeRows(const PayrollList& list) {
    std::vector<const PayrollRow*> rows;
    for (const PayrollRow& row : list.employees)
        rows.push_back(&row);
    return rows;
}

TableHeading registerHeading(const std::string& title, const PayrollList& list, double fontSize) {
    return {title + std::to_string(list.selection.month) + "/" +
                std::to_string(list.selection.year),
            {"Radna jedinica: "_yu + list.unitName},
            report::Orientation::Landscape,
            fontSize};
}

std::string grade(Row r) {
    return "(" + number(r.calc.KOEFICIJENT) + "+" + number(r.calc.funkcijski_dodatak) + "+" +
           number(r.calc.otezani_uslovi) + ")";
}

// A label and its amount in the totals block under the extended register.
void totalLine(report::ListFlow& list, const std::string& label, Currency value) {
    report::Painter& p = list.painter();
    const double y = list.reserve(4.5);
    p.PrintLeft(label, 150, y);
    p.PrintRight(format(value, NumberFormat::Grouped2), 230, y);
    list.moveTo(y + 4.5);
}

} // namespace

Currency employeeContributions(Row r) {
    return r.calc.Doprinosi_PIO + r.calc.Doprinosi_zo + r.calc.doprinosi_nezaposlenost;
}

Currency employerContributions(Row r) {
    const payroll::SalaryResult& c = r.calc;
    return c.Doprinosi_PIO_F + c.Doprinosi_zo_F + c.doprinosi_nezaposlenost_f + c.doprinosi_ro_f +
           c.doprinosi_ro_f2 + c.doprinosi_ro_f3;
}

Currency totalObligation(Row r) {
    return r.calc.BRUTO + employerContributions(r);
}

Currency compensations(Row r) {
    const payroll::SalaryResult& c = r.calc;
    return c.bolovnje65_i + c.bolovanje100_i + c.godisnji_i + c.placeno_odsustvo_i;
}

report::Document monthlyRegister(const ListPrint& print, const PayrollList& list,
                                 const std::string& group) {
    const std::vector<TableColumn> columns{
        idColumn(20),
        nameColumn(22, 20),
        text(
            52, Align::Left, {"Radno mesto"_yu}, [](Row r) { return r.employee.radno_mesto; }, 12),
        text(
            72, Align::Left, {"Str.", "sprema"}, [](Row r) { return r.employee.sss; }, 5),
        text(81, Align::Left, {"Koef."_yu}, grade),
        text(104, Align::Right, {"Osn.", "sati"}, [](Row r) { return number(r.calc.broj_sati); }),
        amount(119, {"Osnovna", "zarada"}, [](Row r) { return r.calc.osnovna_bruto; }),
        text(128, Align::Right, {"God.", "sta`a"_yu},
             [](Row r) { return std::to_string(r.serviceYears()); }),
        amount(141, {"Minuli", "rad"}, [](Row r) { return r.calc.minuli_rad; }),
        text(150, Align::Right, {"Efekt.", "sati"},
             [](Row r) { return number(r.effectiveHours()); }),
        amount(166, {"NETO"}, [](Row r) { return r.calc.NETO; }),
        amount(179, {"Porez"}, [](Row r) { return r.calc.porez_na_zaradu; }),
        amount(193, {"Uk.", "obustave"}, [](Row r) { return r.deductions; }),
        amount(208, {"Doprinosi", "radnik"}, employeeContributions),
        amount(223, {"Doprinosi", "RO"}, employerContributions),
        amount(239, {"Uk.", "obaveza"}, totalObligation),
        amount(255, {"BRUTO"}, [](Row r) { return r.calc.BRUTO; }),
        amount(271, {"ZA", "ISPLATU"}, [](Row r) { return r.toPay(); }),
        text(275, Align::Left, {"Potpis"}, [](Row) { return std::string("__________"); }),
    };
    TableHeading heading =
        registerHeading("MESE^NA EVIDENCIJA O ZARADI I NAKNADI ZARADA: "_yu, list, 6.5);
    if (!group.empty())
        heading.lines.insert(heading.lines.begin(), group);
    return tablePrintout(print.company, print.logo, heading, columns, employeeRows(list),
                         signatures);
}

std::map<std::int64_t, Currency> advancesOfMonth(db::Database& payroll, int year, int month) {
    std::map<std::int64_t, Currency> advances;
    db::Statement st = payroll.prepare("SELECT ID_RADNIK, SUM(NETO) FROM akontacija_obracuni "
                                       "WHERE MEsec = ? AND GODINA = ? GROUP BY ID_RADNIK");
    st.bindAll(month, year);
    while (st.step())
        advances[st.integer(0)] = st.money(1);
    return advances;
}

report::Document extendedRegister(const ListPrint& print, const PayrollList& list,
                                  const std::map<std::int64_t, Currency>& advances) {
    const auto advance = [&advances](Row r) {
        const auto it = advances.find(r.id_radnik);
        return it == advances.end() ? Currency() : it->second;
    };
    const auto standBy = [](Row r) {
        return r.calc.pripravnost_i + r.calc.pripravnostaktivna_i;
    };
    const std::vector<TableColumn> columns{
        idColumn(15),
        nameColumn(17, 18),
        text(52, Align::Right, {"Ocena"}, [](Row r) { return number(r.calc.ocena_radnog_ucinka); }),
        text(60, Align::Right, {"Osn.", "sati"}, [](Row r) { return number(r.calc.broj_sati); }),
        amount(74, {"Osnovna", "zarada"}, [](Row r) { return r.calc.osnovna_bruto; }),
        amount(87, {"Minuli", "rad"}, [](Row r) { return r.calc.minuli_rad; }),
        amount(100, {"De`ur-"_yu, "stvo"}, [](Row r) { return r.calc.dezurstvo_i; }),
        amount(113, {"Prod.", "rad"}, [](Row r) { return r.calc.produzeni_rad_i; }),
        amount(126, {"Priprav-", "nost"}, standBy),
        amount(139, {"Naknade"}, compensations),
        amount(152, {"Rad.u~in."_yu, "(bruto)"}, [](Row r) { return r.calc.stimulacije; }),
        text(160, Align::Right, {"Efekt.", "sati"},
             [](Row r) { return number(r.effectiveHours()); }),
        amount(174, {"NETO"}, [](Row r) { return r.calc.NETO; }),
        amount(187, {"Porez"}, [](Row r) { return r.calc.porez_na_zaradu; }),
        amount(199, {"Sol.", "porez"}, [](Row r) { return r.calc.solidarni_porez; }),
        amount(212, {"Akonta-", "cija"}, advance),
        amount(225, {"Uk.", "obustave"}, [](Row r) { return r.deductions; }),
        amount(238, {"Doprin.", "radnik"}, employeeContributions),
        amount(251, {"Doprin.", "RO"}, employerContributions),
        amount(264, {"Uk.", "obaveza"}, totalObligation),
        amount(278, {"BRUTO"}, [](Row r) { return r.calc.BRUTO; }),
        amount(292, {"ZA", "ISPLATU"}, [](Row r) { return r.toPay(); }),
    };
    const auto totals = [&](report::ListFlow& flow) {
        const auto sum = [&](const std::function<Currency(Row)>& value) {
            Currency s;
            for (const PayrollRow& r : list.employees)
                s += value(r);
            return s;
        };
        flow.skip(4);
        flow.painter().setFont("yuoptimar", 8);
        totalLine(flow, "Osnovna zarada:"_yu, sum([](Row r) { return r.calc.osnovna_bruto; }));
        totalLine(flow, "Minuli rad:"_yu, sum([](Row r) { return r.calc.minuli_rad; }));
        totalLine(flow, "De`urstvo:"_yu, sum([](Row r) { return r.calc.dezurstvo_i; }));
        totalLine(flow, "Produ`eni rad:"_yu, sum([](Row r) { return r.calc.produzeni_rad_i; }));
        totalLine(flow, "Pripravnost:"_yu, sum(standBy));
        totalLine(flow, "Naknade:"_yu, sum(compensations));
        totalLine(flow, "Radni u~inak:"_yu, sum([](Row r) { return r.calc.stimulacije; }));
        totalLine(flow, "Stimulacije po uredbi:"_yu,
                  sum([](Row r) { return r.calc.stimulacije_uredba; }));
        totalLine(flow, "Solidarni porez:"_yu, sum([](Row r) { return r.calc.solidarni_porez; }));
        totalLine(flow, "Akontacije:"_yu, sum(advance));
        totalLine(flow, "Doprinosi radnik:"_yu, sum(employeeContributions));
        totalLine(flow, "Porez na zarade:"_yu, sum([](Row r) { return r.calc.porez_na_zaradu; }));
        totalLine(flow, "BRUTO:"_yu, sum([](Row r) { return r.calc.BRUTO; }));
        totalLine(flow, "Doprinosi RO:"_yu, sum(employerContributions));
        totalLine(flow, "UK.OBAVEZA:"_yu, sum(totalObligation));
        signatures(flow);
    };
    return tablePrintout(
        print.company, print.logo,
        registerHeading("MESE^NA EVIDENCIJA O ZARADI I NAKNADI ZARADA: "_yu, list, 6), columns,
        employeeRows(list), totals);
}

report::Document earningsList(const ListPrint& print, const PayrollList& list) {
    const auto holidays = [](Row r) {
        return r.calc.rad_na_praznik_i + r.calc.rad_nedeljom_i;
    };
    const std::vector<TableColumn> columns{
        text(20, Align::Right, {"ID", "radnik"}, [](Row r) { return std::to_string(r.id_radnik); }),
        nameColumn(22, 22),
        text(
            57, Align::Left, {"Radno mesto"_yu}, [](Row r) { return r.employee.radno_mesto; }, 14),
        text(92, Align::Right, {"Radni", "sati"}, [](Row r) { return number(r.calc.broj_sati); }),
        amount(107, {"Osn.Bruto"}, [](Row r) { return r.calc.osnovna_bruto; }),
        amount(121, {"Produ`eni"_yu}, [](Row r) { return r.calc.produzeni_rad_i; }),
        amount(135, {"No}ni rad"_yu}, [](Row r) { return r.calc.nocni_rad_i; }),
        amount(149, {"Nedelja", "i praz."}, holidays),
        amount(162, {"Minuli", "rad"}, [](Row r) { return r.calc.minuli_rad; }),
        amount(176, {"Bolovanje", "65"}, [](Row r) { return r.calc.bolovnje65_i; }),
        amount(191, {"Bolovanje", "100"}, [](Row r) { return r.calc.bolovanje100_i; }),
        amount(205, {"God.", "odmor"}, [](Row r) { return r.calc.godisnji_i; }),
        amount(218, {"Topl.", "obrok"}, [](Row r) { return r.calc.topli_obrok; }),
        amount(231, {"Regres"}, [](Row r) { return r.calc.regres; }),
        amount(245, {"Fiks.", "plata"}, [](Row r) { return r.calc.fiksna_plata; }),
        amount(262, {"Stimu-", "lacije"}, [](Row r) { return r.calc.stimulacije; }),
        amount(282, {"BRUTO"}, [](Row r) { return r.calc.BRUTO; }),
    };
    return tablePrintout(print.company, print.logo,
                         registerHeading("SPISAK ZARADA ZA MESEC: "_yu, list, 6.5), columns,
                         employeeRows(list), signatures);
}

report::Document deductionsList(const ListPrint& print, const PayrollList& list,
                                const PayslipLookups& lookups) {
    const auto nth = [&lookups](std::size_t n) {
        return [&lookups, n](Row r) {
            const auto it = lookups.deductions.find(r.Id_obracun);
            return it == lookups.deductions.end() || it->second.size() <= n ? Currency()
                                                                            : it->second[n].amount;
        };
    };
    const std::vector<TableColumn> columns{
        idColumn(20),
        nameColumn(22, 26),
        amount(88, {"BRUTO"}, [](Row r) { return r.calc.BRUTO; }),
        amount(104, {"Porez na", "platu"}, [](Row r) { return r.calc.porez_na_zaradu; }),
        amount(120, {"Doprinosi", "PIO"}, [](Row r) { return r.calc.Doprinosi_PIO; }),
        amount(136, {"", "ZO"}, [](Row r) { return r.calc.Doprinosi_zo; }),
        amount(160, {"", "nezaposlenost"}, [](Row r) { return r.calc.doprinosi_nezaposlenost; }),
        amount(178, {"NETO"}, [](Row r) { return r.calc.NETO; }),
        amount(194, {"1"}, nth(0)),
        amount(210, {"2"}, nth(1)),
        amount(226, {"3"}, nth(2)),
        amount(242, {"4"}, nth(3)),
        amount(262, {"ZA", "ISPLATU"}, [](Row r) { return r.toPay(); }),
    };
    return tablePrintout(print.company, print.logo,
                         registerHeading("SPISAK OBUSTAVA ZA MESEC: "_yu, list, 6.5), columns,
                         employeeRows(list), signatures);
}

} // namespace zarion::outputs
