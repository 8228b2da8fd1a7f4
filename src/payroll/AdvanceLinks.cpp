#include "payroll/AdvanceLinks.h"

namespace zarion::payroll {

std::vector<AdvanceLine> linkedAdvances(db::Database& payrollDb, std::int64_t idObracun) {
    db::Statement rows =
        payrollDb.prepare("SELECT v.ID_OOz, n.Datum, o.NETO FROM obracuni_ostale_zarade_veza v "
                          "LEFT JOIN obracun_ostale_zarade o ON o.id_ooz = v.ID_OOz "
                          "LEFT JOIN nalozi_ostale_zarade n ON n.id_noz = o.id_noz "
                          "WHERE v.ID_obracun = ? ORDER BY v.rowid");
    rows.bind(1, idObracun);
    std::vector<AdvanceLine> lines;
    while (rows.step())
        lines.push_back({rows.integer(0), rows.date(1), rows.money(2)});
    return lines;
}

Currency advancesTotal(const std::vector<AdvanceLine>& lines) {
    Currency total;
    for (const AdvanceLine& line : lines)
        total += line.NETO;
    return total;
}

void replaceAdvanceLinks(db::Database& payrollDb, std::int64_t idObracun,
                         const std::vector<AdvanceLine>& lines) {
    payrollDb.run("DELETE FROM obracuni_ostale_zarade_veza WHERE ID_obracun = ?", idObracun);
    for (const AdvanceLine& line : lines)
        payrollDb.run("INSERT INTO obracuni_ostale_zarade_veza (ID_obracun, ID_OOz) VALUES (?, ?)",
                      idObracun, line.id_ooz);
}

} // namespace zarion::payroll
