#include "compensation/MaternityCases.h"

#include "core/SerbianOrder.h"

namespace zarion::compensation {
namespace {

const char* const Columns =
    "SELECT b.id_bolovanjePOR, b.ID_RADNIK, b.datum_otvaranja, b.datum_zatvaranja, b.NETO, "
    "COALESCE(r.Prezime, '') || ' ' || COALESCE(r.Ime, '') "
    "FROM bolovanjaPOR b LEFT JOIN radnici r ON r.id_radnik = b.ID_RADNIK ";

MaternityCase readCase(const db::Statement& st) {
    return {st.integer(0), st.integer(1), st.date(2), st.date(3), st.money(4), st.text(5)};
}

} // namespace

std::vector<MaternityCase> maternityCases(db::Database& payroll, const Date& from, const Date& to) {
    db::Statement st = payroll.prepare(std::string(Columns) +
                                       "WHERE b.obrisano = 0 AND b.datum_otvaranja <= ? AND "
                                       "b.datum_zatvaranja >= ?");
    st.bindAll(to, from);
    std::vector<MaternityCase> cases;
    while (st.step())
        cases.push_back(readCase(st));
    sortSerbian(cases, [](const MaternityCase& c) { return c.name; });
    return cases;
}

std::vector<MaternityCase> maternityCasesOfMonth(db::Database& payroll, int year, int month) {
    return maternityCases(payroll, {year, month, 1}, {year, month, DaysInMonth(month, year)});
}

Outcome<std::int64_t> saveMaternityCase(db::Database& payroll, const MaternityCase& entry) {
    if (entry.ID_RADNIK == 0)
        return warning("Niste uneli potrebne podatke!");
    if (entry.id_bolovanjePOR == 0) {
        payroll.run("INSERT INTO bolovanjaPOR (ID_RADNIK, datum_otvaranja, datum_zatvaranja, NETO, "
                    "obrisano) VALUES (?, ?, ?, ?, 0)",
                    entry.ID_RADNIK, entry.datum_otvaranja, entry.datum_zatvaranja, entry.NETO);
        return payroll.lastInsertId();
    }
    payroll.run("UPDATE bolovanjaPOR SET ID_RADNIK = ?, datum_otvaranja = ?, datum_zatvaranja = ?, "
                "NETO = ? WHERE id_bolovanjePOR = ?",
                entry.ID_RADNIK, entry.datum_otvaranja, entry.datum_zatvaranja, entry.NETO,
                entry.id_bolovanjePOR);
    if (payroll.changes() == 0)
        return error("GRESKA! Nije pronadjeno otvoreno bolovanje u bazi!");
    return entry.id_bolovanjePOR;
}

Refused removeMaternityCase(db::Database& payroll, std::int64_t id) {
    payroll.run("UPDATE bolovanjaPOR SET obrisano = 1 WHERE id_bolovanjePOR = ?", id);
    if (payroll.changes() == 0)
        return error("Greska kod pronalazenja bolovanja!");
    return std::nullopt;
}

std::string removalQuestion(const MaternityCase& entry) {
    return "Da li ste sigurni da zelite da obrisete bolovanje: " + entry.name +
           " od:" + toDisplayText(entry.datum_otvaranja) +
           " do:" + toDisplayText(entry.datum_zatvaranja);
}

MaternityAccount loadMaternityAccount(db::Database& payroll) {
    db::Statement st = payroll.prepare(
        "SELECT racun_za_isplatu_porodiljsko, poziv_zad_porodiljsko FROM parametri2 LIMIT 1");
    if (!st.step())
        return {};
    return {st.text(0), st.text(1)};
}

void saveMaternityAccount(db::Database& payroll, const MaternityAccount& account) {
    db::Transaction tx(payroll);
    if (payroll.scalar("SELECT COUNT(*) FROM parametri2").value_or(0) == 0)
        payroll.run("INSERT INTO parametri2 (racun_za_isplatu_porodiljsko) VALUES ('')");
    payroll.run("UPDATE parametri2 SET racun_za_isplatu_porodiljsko = ?, poziv_zad_porodiljsko = ?",
                account.racun_za_isplatu_porodiljsko, account.poziv_zad_porodiljsko);
    tx.commit();
}

} // namespace zarion::compensation
