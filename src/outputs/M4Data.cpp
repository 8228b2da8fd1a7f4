#include "outputs/M4Data.h"

#include <map>

#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "outputs/ByPerson.h"

namespace zarion::outputs {
namespace {

// Per employee of the year: the salary months counted whole, the days of the partial ones, the
// gross and both pension shares; the same for sick-leave compensation, with the months that had
// no salary calculation.
constexpr const char* SalarySql =
    "SELECT r.id_radnik, r.JMBG, r.Prezime, r.Ime, "
    "SUM(CASE WHEN COALESCE(o.m4dani, 0) > 0 THEN 0 ELSE 1 END), SUM(COALESCE(o.m4dani, 0)), "
    "SUM(o.BRUTO), SUM(COALESCE(o.Doprinosi_PIO, 0) + COALESCE(o.Doprinosi_PIO_F, 0)) "
    "FROM obracuni o INNER JOIN radnici r ON o.ID_RADNIK = r.id_radnik WHERE o.GODINA = ? "
    "GROUP BY r.id_radnik, r.JMBG, r.Prezime, r.Ime";

constexpr const char* SickLeaveSql =
    "SELECT r.id_radnik, r.JMBG, r.Prezime, r.Ime, "
    "COUNT(DISTINCT CASE WHEN NOT EXISTS (SELECT 1 FROM obracuni s WHERE s.ID_RADNIK = "
    "b.ID_RADNIK AND s.GODINA = b.GODINA AND s.MEsec = b.MEsec) THEN b.MEsec END), "
    "SUM(b.BRUTO), SUM(COALESCE(b.Doprinosi_PIO, 0) + COALESCE(b.Doprinosi_PIO_F, 0)) "
    "FROM bolovanja_obracuni b INNER JOIN radnici r ON b.ID_RADNIK = r.id_radnik "
    "WHERE b.GODINA = ? GROUP BY r.id_radnik, r.JMBG, r.Prezime, r.Ime";

void addAmounts(M4Row& row, const M4Row& more) {
    row.Meseci += more.Meseci;
    row.Dani += more.Dani;
    row.BRUTO += more.BRUTO;
    row.PIO += more.PIO;
    row.bol_bruto += more.bol_bruto;
    row.bol_pio += more.bol_pio;
}

M4Row person(const db::Statement& st) {
    M4Row row;
    row.id_radnik = st.integer(0);
    row.JMBG = st.text(1);
    row.prezime_i_ime = trim(st.text(2) + " " + st.text(3));
    return row;
}

} // namespace

std::vector<M4Row> collectM4(db::Database& payroll, int year) {
    std::map<std::int64_t, M4Row> people;
    db::Statement salaries = payroll.prepare(SalarySql);
    salaries.bindAll(year);
    while (salaries.step()) {
        M4Row row = person(salaries);
        row.Meseci = static_cast<int>(salaries.integer(4));
        row.Dani = static_cast<int>(salaries.integer(5));
        row.BRUTO = salaries.money(6);
        row.PIO = salaries.money(7);
        people.emplace(row.id_radnik, row);
    }
    db::Statement sickLeave = payroll.prepare(SickLeaveSql);
    sickLeave.bindAll(year);
    while (sickLeave.step()) {
        M4Row& row = people.try_emplace(sickLeave.integer(0), person(sickLeave)).first->second;
        row.Meseci += static_cast<int>(sickLeave.integer(4));
        row.bol_bruto = sickLeave.money(5);
        row.bol_pio = sickLeave.money(6);
    }
    std::vector<M4Row> rows;
    rows.reserve(people.size());
    for (auto& entry : people)
        rows.push_back(std::move(entry.second));
    sortSerbian(rows, [](const M4Row& row) { return row.prezime_i_ime; });
    return rows;
}

void addM4Rows(std::vector<M4Row>& rows, const std::vector<M4Row>& more) {
    addByPerson(rows, more, addAmounts);
}

std::vector<M4Row> loadM4(db::Database& payroll, int year) {
    db::Statement st =
        payroll.prepare("SELECT ID_RADNIK, JMBG, prezime_i_ime, Meseci, Dani, BRUTO, PIO, "
                        "bol_bruto, bol_pio FROM m4 WHERE GODINA = ?");
    st.bindAll(year);
    std::vector<M4Row> rows;
    while (st.step())
        rows.push_back({st.integer(0), st.text(1), st.text(2), static_cast<int>(st.integer(3)),
                        static_cast<int>(st.integer(4)), st.money(5), st.money(6), st.money(7),
                        st.money(8)});
    return rows;
}

void saveM4(db::Database& payroll, int year, const std::vector<M4Row>& rows) {
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM m4 WHERE GODINA = ?", year);
    for (const M4Row& row : rows)
        payroll.run("INSERT INTO m4(GODINA, ID_RADNIK, JMBG, prezime_i_ime, Meseci, Dani, BRUTO, "
                    "PIO, bol_bruto, bol_pio) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    year, row.id_radnik, row.JMBG, row.prezime_i_ime, row.Meseci, row.Dani,
                    row.BRUTO, row.PIO, row.bol_bruto, row.bol_pio);
    tx.commit();
}

std::string m4SavedMessage(int year) {
    return "M4 za " + std::to_string(year) + " godinu je snimljen!";
}

M4Row m4Totals(const std::vector<M4Row>& rows) {
    M4Row total;
    for (const M4Row& row : rows)
        addAmounts(total, row);
    return total;
}

} // namespace zarion::outputs
