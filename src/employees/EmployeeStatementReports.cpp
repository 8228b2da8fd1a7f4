#include "employees/EmployeeStatementReports.h"

#include <array>
#include <string>

#include "core/NumericText.h"
#include "core/Text.h"
#include "report/ListFlow.h"
#include "report/Painter.h"

namespace zarion::employees {

namespace {

using report::Align;

std::string monthYear(int month, int year) {
    return std::to_string(month) + "/" + std::to_string(year);
}

Currency average(Currency total, std::size_t count) {
    return count == 0 ? Currency() : total.dividedBy(static_cast<double>(count)).round2();
}

void signatureBlock(report::Painter& p, double y) {
    p.setFont("yuoptimar", 10);
    p.PrintCentered("M.P.", 105, y + 8);
    p.HLine(140, 195, y + 12);
    p.PrintCentered("Potpis ovla{}enog lica"_yu, 167.5, y + 13);
}

} // namespace

report::Document salaryCertificate(const report::CompanyData& company,
                                   const std::filesystem::path& logo, const Employee& employee,
                                   const StatementPeriod& period,
                                   const std::vector<StatementMonth>& months) {
    report::Painter p(report::Orientation::Portrait, "Potvrda o visini zarade");
    report::PrintHeader(p, company, logo);
    p.setFont("yuoptimar", 14, true);
    p.PrintCentered("POTVRDA O VISINI ZARADE", 105, 44);
    p.setFont("yuoptimar", 10);
    p.PrintLeft("Zaposleni: " + employee.Prezime + " " + employee.Ime, 10, 56);
    p.PrintLeft("JMBG: " + employee.JMBG, 130, 56);
    p.PrintLeft("Za period od: " + monthYear(period.fromMonth, period.fromYear) +
                    "    do: " + monthYear(period.toMonth, period.toYear),
                10, 62);

    p.setFont("yuoptimar", 8);
    report::ListLayout layout;
    layout.rowHeight = 4;
    report::ListFlow list(p,
                          {{6, Align::Left, {"Mesec/Godina"}},
                           {46, Align::Right, {"Radni sati"}},
                           {72, Align::Right, {"BRUTO"}},
                           {94, Align::Right, {"Porez"}},
                           {120, Align::Right, {"Dop.PIO", "zap/posl."}},
                           {146, Align::Right, {"Dop.ZO.", "zap/posl."}},
                           {172, Align::Right, {"Dop.NEZ", "zap/posl."}},
                           {198, Align::Right, {"NETO"}}},
                          layout);
    list.start(70);
    const auto monthRows = [&list](const std::string& label, const StatementMonth& m) {
        list.reserve(8); // the employer's line stays with the employee's
        list.row({label, shortestDecimal(m.hours), m.bruto, m.porez, m.pioEmployee,
                  m.healthEmployee, m.unemploymentEmployee, m.neto});
        list.row({std::string(), std::string(), std::string(), std::string(), m.pioEmployer,
                  m.healthEmployer, m.unemploymentEmployer});
    };
    for (const StatementMonth& m : months)
        monthRows(monthYear(m.month, m.year), m);
    list.rule();
    const StatementMonth totals = statementTotals(months);
    p.setFontBold(true);
    monthRows("UKUPNO:", totals);
    p.setFontBold(false);
    list.rule();
    list.finish();

    const double y = list.reserve(40) + 6;
    p.setFont("yuoptimar", 10);
    p.PrintLeft(incomeCountSentence(static_cast<int>(months.size())), 10, y);
    p.PrintLeft("Prose~na ostvarena BRUTO zarada iznosi: "_yu, 10, y + 7);
    p.PrintAmount(average(totals.bruto, months.size()), 120, y + 7);
    p.PrintLeft("Prose~na ostvarena NETO zarada iznosi: "_yu, 10, y + 13);
    p.PrintAmount(average(totals.neto, months.size()), 120, y + 13);
    signatureBlock(p, y + 18);
    return p.take();
}

report::Document pppPoForm(const report::CompanyData& company, const Employee& employee, int year,
                           const AnnualIncomes& incomes, const Date& issueDate) {
    report::Painter p(report::Orientation::Portrait, "Obrazac PPP-PO");
    p.setFont("yuoptimar", 10, true);
    p.PrintRight("Obrazac PPP-PO", 200, 10);
    p.setFont("yuoptimar", 11, true);
    p.PrintCentered("POTVRDA O PLA]ENIM POREZIMA I DOPRINOSIMA PO ODBITKU ZA "_yu +
                        std::to_string(year) + " GODINU",
                    105, 22);

    p.setFont("yuoptimar", 9, true);
    p.PrintLeft("1. Podaci o isplatiocu prihoda", 5, 34);
    p.PrintLeft("2. Podaci o primaocu prihoda", 5, 62);
    p.setFontBold(false);
    p.PrintLeft("Naziv: " + company.Naziv, 10, 40);
    p.PrintLeft("PIB: " + company.PIB + "    Mati~ni broj: "_yu + company.maticni, 10, 45);
    p.PrintLeft("Adresa: " + company.ADRESA + ", " + company.grad, 10, 50);
    p.PrintLeft("Prezime i ime: " + employee.Prezime + " " + employee.Ime, 10, 68);
    p.PrintLeft("JMBG: " + employee.JMBG, 10, 73);
    p.PrintLeft("Adresa: " + employee.ADRESA, 10, 78);

    p.setFontBold(true);
    p.PrintLeft("3. Podaci o prihodima, porezima i doprinosima", 5, 90);
    p.setFont("yuoptimar", 8);

    // The table: the kind of income, then the columns 3.1 to 3.7.
    constexpr double top = 97;
    constexpr double headingHeight = 18;
    constexpr double rowHeight = 8;
    constexpr double left = 5;
    constexpr double labelRight = 58;
    constexpr double columnWidth = (200 - labelRight) / 7;
    const std::array<std::array<const char*, 3>, 7> headings = {{
        {"3.1", "Bruto", "prihod"},
        {"3.2", "Normirani", "tro{kovi"},
        {"3.3", "Poreske olak-", "{ice i umanjenja"},
        {"3.4", "Poreska", "osnovica"},
        {"3.5", "Porez", ""},
        {"3.6", "Obavezni", "doprinosi"},
        {"3.7", "Ukupno", "(3.5 + 3.6)"},
    }};
    p.Box(left, top, 200 - left, headingHeight + 3 * rowHeight);
    p.HLine(left, 200, top + headingHeight);
    p.HLine(left, 200, top + headingHeight + rowHeight);
    p.HLine(left, 200, top + headingHeight + 2 * rowHeight);
    p.PrintCentered("Vrsta prihoda", (left + labelRight) / 2, top + 7);
    for (std::size_t c = 0; c < headings.size(); ++c) {
        const double x = labelRight + columnWidth * static_cast<double>(c);
        p.VLine(top, top + headingHeight + 3 * rowHeight, x);
        for (std::size_t line = 0; line < 3; ++line)
            p.PrintCentered(yuscii(headings[c][line]), x + columnWidth / 2,
                            top + 2 + 4.5 * static_cast<double>(line));
    }
    const auto amounts = [&](const char* label, const AnnualIncome& income, double y) {
        p.PrintLeft(label, left + 2, y + 2);
        const Currency values[] = {income.gross,   income.standardCosts, income.reliefs,
                                   income.taxBase, income.tax,           income.contributions,
                                   income.total()};
        for (std::size_t c = 0; c < 7; ++c)
            p.PrintAmount(values[c], labelRight + columnWidth * static_cast<double>(c + 1) - 1,
                          y + 2);
    };
    amounts("1. Prihodi iz radnog odnosa", incomes.employment, top + headingHeight);
    amounts("2. Prihodi van radnog odnosa", incomes.other, top + headingHeight + rowHeight);
    const AnnualIncome sum{incomes.employment.gross + incomes.other.gross,
                           incomes.employment.standardCosts + incomes.other.standardCosts,
                           incomes.employment.reliefs + incomes.other.reliefs,
                           incomes.employment.taxBase + incomes.other.taxBase,
                           incomes.employment.tax + incomes.other.tax,
                           incomes.employment.contributions + incomes.other.contributions};
    p.setFontBold(true);
    amounts("Ukupno", sum, top + headingHeight + 2 * rowHeight);

    const double y = top + headingHeight + 3 * rowHeight + 10;
    p.setFont("yuoptimar", 10);
    p.PrintLeft("Datum izdavanja: " + toDisplayText(issueDate), 10, y);
    signatureBlock(p, y);
    return p.take();
}

} // namespace zarion::employees
