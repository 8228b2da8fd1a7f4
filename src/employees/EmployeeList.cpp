#include "employees/EmployeeList.h"

#include <algorithm>

#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "employees/EmployeeTexts.h"

namespace zarion::employees {

std::vector<ListRow> loadEmployeeList(db::Database& db, const ListFilter& filter) {
    // Every filter is always bound; a filter that is off lets every row through, so the one
    // statement is prepared once and reused.
    db::Statement st = db.prepare(
        "SELECT id_radnik, Prezime, Ime, JMBG, tip_obracuna, na_odredjeno, datum_na_odredjeno, "
        "nije_u_ro, broj_ugovora, aneks, vlasnik FROM radnici "
        "WHERE (?1 = 0 OR id_rj = ?1) "
        "AND (?2 IS NULL OR IFNULL(tip_obracuna, 0) = ?2) "
        "AND (?3 = 0 OR (?3 = 1 AND IFNULL(na_odredjeno, 0) = 0) "
        "     OR (?3 = 2 AND IFNULL(na_odredjeno, 0) <> 0)) "
        "AND (?4 <> 0 OR IFNULL(nije_u_ro, 0) = 0) "
        "ORDER BY id_radnik");
    st.bindAll(filter.unit, filter.calcType, static_cast<int>(filter.term), filter.includeInactive);
    std::vector<ListRow> rows;
    while (st.step()) {
        ListRow& row = rows.emplace_back();
        row.id = st.integer(0);
        row.surname = st.text(1);
        row.name = st.text(2);
        row.jmbg = st.text(3);
        row.calcType = static_cast<int>(st.integer(4));
        row.fixedTerm = st.flag(5);
        if (row.fixedTerm && !st.isNull(6))
            row.termEnd = st.date(6);
        row.inactive = st.flag(7);
        row.contract = st.text(8);
        row.annex = st.text(9);
        row.owner = st.flag(10);
    }
    return rows;
}

const std::vector<std::string>& listHeadings() {
    static const std::vector<std::string> headings = {"Prezime i ime",   "ID",           "JMBG",
                                                      "Tip obra~una"_yu, "Radni odnos",  "Datum",
                                                      "Aktivan",         "Broj ugovora", "Aneks"};
    return headings;
}

std::string listText(const ListRow& row, int column) {
    switch (column) {
    case ColName:
        return row.surname + " " + row.name;
    case ColId:
        return std::to_string(row.id);
    case ColJmbg:
        return row.jmbg;
    case ColCalcType:
        return calcTypeListText(row.calcType);
    case ColTerm:
        return row.fixedTerm ? "Odre|eno"_yu : "Neodredjeno";
    case ColTermEnd:
        return row.fixedTerm && row.termEnd ? toDisplayText(*row.termEnd) : std::string();
    case ColActive:
        return row.inactive ? "N" : "A";
    case ColContract:
        return row.contract;
    case ColAnnex:
        return row.annex;
    default:
        return {};
    }
}

void sortList(std::vector<ListRow>& rows, ListColumn column, bool descending) {
    if (column == ColId)
        std::stable_sort(rows.begin(), rows.end(),
                         [](const ListRow& a, const ListRow& b) { return a.id < b.id; });
    else if (column == ColTermEnd)
        std::stable_sort(rows.begin(), rows.end(),
                         [](const ListRow& a, const ListRow& b) { return a.termEnd < b.termEnd; });
    else
        sortSerbian(rows, [column](const ListRow& row) { return listText(row, column); });
    if (descending)
        std::reverse(rows.begin(), rows.end());
}

std::string shownCountText(std::size_t rows) {
    return "Uk.prikazano: " + std::to_string(rows);
}

} // namespace zarion::employees
