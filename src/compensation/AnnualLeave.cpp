#include "compensation/AnnualLeave.h"

#include <cstdio>

#include "compensation/SummedTable.h"
#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::compensation {

using report::Align;
using report::ListCell;

Outcome<std::vector<LeaveTaken>> leaveTaken(db::Database& payroll, const MonthSpan& span) {
    const int start = Period(span.fromYear, span.fromMonth);
    const int end = Period(span.toYear, span.toMonth);
    if (end < start)
        return warning("Period nije dobro zadat!");
    db::Statement st = payroll.prepare(
        "SELECT obracuni.ID_Radnik, radnici.Prezime || ' ' || radnici.Ime, "
        "SUM(obracuni.Godisnji_S) FROM obracuni INNER JOIN radnici ON obracuni.ID_Radnik = "
        "radnici.ID_Radnik WHERE obracuni.godina * 100 + obracuni.mesec >= ? AND "
        "obracuni.godina * 100 + obracuni.mesec <= ? "
        "GROUP BY obracuni.ID_Radnik, radnici.Prezime, radnici.Ime");
    st.bindAll(start, end);
    std::vector<LeaveTaken> rows;
    while (st.step())
        rows.push_back({st.integer(0), st.text(1), st.number(2)});
    sortSerbian(rows, [](const LeaveTaken& r) { return r.name; });
    return rows;
}

std::string leaveDays(double days) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", days);
    std::string shown = text;
    for (char& c : shown)
        if (c == '.')
            c = ',';
    return shown;
}

report::Document leaveOverviewReport(const report::CompanyData& company,
                                     const std::filesystem::path& logo, const MonthSpan& span,
                                     const std::vector<LeaveTaken>& rows) {
    TablePage page;
    page.title = "Pregled kori{tenja godi{njih odmora"_yu;
    const auto month = [](int m, int y) {
        return (m < 10 ? "0" : "") + std::to_string(m) + "/" + std::to_string(y);
    };
    page.lines = {"za period: " + month(span.fromMonth, span.fromYear) + " - " +
                  month(span.toMonth, span.toYear)};
    page.orientation = report::Orientation::Portrait;
    page.fontSize = 9;
    const std::vector<TableColumn> columns{
        {{5, Align::Left, {"Red.br"}}},
        {{20, Align::Left, {"Prezime i ime zaposlenog"}}},
        {{130, Align::Right, {"Br.radnih dana"}}},
        {{160, Align::Right, {"Broj sati"}}},
        {{185, Align::Right, {"ID"}}},
    };
    double hours = 0;
    for (const LeaveTaken& r : rows)
        hours += r.hours;
    page.totalCaption = "UKUPNO";
    auto cells = tableCells<LeaveTaken>(
        rows,
        {[](const LeaveTaken& r) -> ListCell { return r.name; },
         [](const LeaveTaken& r) -> ListCell { return leaveDays(r.days()); },
         [](const LeaveTaken& r) -> ListCell { return format(r.hours, NumberFormat::Grouped2); },
         [](const LeaveTaken& r) -> ListCell {
             return std::to_string(r.id_radnik);
         }});
    return summedTable(company, logo, page, columns, cells, [&](report::ListFlow& list) {
        report::Painter& p = list.painter();
        // the hours and days on the totals line, one row height above
        const double y = list.y() - page.fontSize * 0.55;
        p.setFontBold(true);
        p.PrintRight(leaveDays(hours / 8), 130, y);
        p.PrintRight(format(hours, NumberFormat::Grouped2), 160, y);
        p.setFontBold(false);
    });
}

} // namespace zarion::compensation
