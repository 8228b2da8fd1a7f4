#include "other_income/OtherIncomePersons.h"

#include <array>

#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "other_income/OtherIncomeKinds.h"
#include "other_income/RowStatements.h"

namespace zarion::other_income {

namespace {

const char* const RowColumns =
    "o.id_ooz, o.id_noz, o.ID_RADNIK, o.BRUTO, o.normirani_troskovi, o.neoporezivi_deo, "
    "o.POrez_stopa, o.POrez_iznos, o.Doprinosi_PIO, o.Doprinosi_zo, o.Doprinosi_nez, "
    "o.Doprinosi_PIO_F, o.Doprinosi_zo_F, o.Doprinosi_nez_F, o.NETO, o.ukupno_obaveza, "
    "o.broj_sati, o.broj_dana, o.OSnovica_porez, o.OSnovica_doprinosi";

PersonRow rowOf(db::Statement& st) {
    PersonRow row;
    row.id_ooz = st.integer("id_ooz");
    row.id_noz = st.integer("id_noz");
    row.id_radnik = st.integer("ID_RADNIK");
    row.taxRate = st.number("POrez_stopa");
    row.broj_sati = st.number("broj_sati");
    row.broj_dana = static_cast<int>(st.integer("broj_dana"));
    RowAmounts& a = row.amounts;
    a.gross = st.money("BRUTO");
    a.standardizedCosts = st.money("normirani_troskovi");
    a.nonTaxable = st.money("neoporezivi_deo");
    a.tax = st.money("POrez_iznos");
    a.employee = {st.money("Doprinosi_PIO"), st.money("Doprinosi_zo"), st.money("Doprinosi_nez")};
    a.employer = {st.money("Doprinosi_PIO_F"), st.money("Doprinosi_zo_F"),
                  st.money("Doprinosi_nez_F")};
    a.net = st.money("NETO");
    a.totalCost = st.money("ukupno_obaveza");
    a.taxBase = st.money("OSnovica_porez");
    a.contributionBase = st.money("OSnovica_doprinosi");
    return row;
}

// The columns posting writes, in the order writeRow gives their values.
constexpr auto PostedColumns = std::to_array<const char*>(
    {"id_noz", "ID_RADNIK", "BRUTO", "normirani_troskovi", "neoporezivi_deo", "POrez_stopa",
     "POrez_iznos", "Doprinosi_PIO", "Doprinosi_zo", "Doprinosi_nez", "Doprinosi_PIO_F",
     "Doprinosi_zo_F", "Doprinosi_nez_F", "NETO", "ukupno_obaveza", "broj_sati", "broj_dana",
     "OSnovica_porez", "OSnovica_doprinosi"});

// Runs the statement with the row's values, then the key when a stored row is written over.
template <typename... Key>
void writeRow(db::Database& payroll, const std::string& sql, const PersonRow& row,
              const Key&... key) {
    const RowAmounts& a = row.amounts;
    payroll.run(sql, row.id_noz, row.id_radnik, a.gross, a.standardizedCosts, a.nonTaxable,
                row.taxRate, a.tax, a.employee.pio, a.employee.zo, a.employee.nez, a.employer.pio,
                a.employer.zo, a.employer.nez, a.net, a.totalCost, row.broj_sati, row.broj_dana,
                a.taxBase, a.contributionBase, key...);
}

Refused checkRow(db::Database& payroll, int kind, const PersonRow& row) {
    if (row.id_radnik == 0 ||
        !payroll.scalar("SELECT id_radnik FROM radnici WHERE id_radnik = ?", row.id_radnik))
        return warning("Niste izabrali radnika!"_yu);
    if (kind == PerDiemKind && row.broj_dana <= 0)
        return warning("Niste uneli broj dnevnica!"_yu);
    if (row.amounts.gross.isZero() || row.amounts.net.isZero())
        return warning("Niste uneli potrebne podatke!"_yu);
    return std::nullopt;
}

} // namespace

std::string ListedPerson::partija() const {
    const auto first = tekuci_Racun.find('-');
    const auto last = tekuci_Racun.rfind('-');
    if (first == std::string::npos || last == first)
        return std::string();
    return tekuci_Racun.substr(first + 1, last - first - 1);
}

Outcome<std::vector<ListedPerson>> personsOfOrder(db::Database& payroll, std::int64_t id_noz) {
    db::Statement st = payroll.prepare(
        std::string("SELECT ") + RowColumns +
        ", r.id_radnik AS known, r.Prezime, r.Ime, r.JMBG, r.radno_mesto, r.tekuci_Racun, "
        "r.sifra_opstine, b.banka FROM obracun_ostale_zarade o "
        "LEFT JOIN radnici r ON r.id_radnik = o.ID_RADNIK "
        "LEFT JOIN banke b ON b.ID_BAnka = r.ID_BAnka WHERE o.id_noz = ? ORDER BY o.id_ooz");
    st.bind(1, id_noz);
    std::vector<ListedPerson> people;
    while (st.step()) {
        if (st.isNull("known"))
            return error("Greska pronalazenja radnika u bazi!"_yu);
        people.push_back({rowOf(st), st.text("Prezime"), st.text("Ime"), st.text("JMBG"),
                          st.text("radno_mesto"), st.text("banka"), st.text("tekuci_Racun"),
                          static_cast<int>(st.integer("sifra_opstine"))});
    }
    sortSerbian(people, [](const ListedPerson& p) { return p.fullName(); });
    return people;
}

std::optional<std::string> registeredName(db::Database& payroll, std::int64_t id_radnik) {
    db::Statement st = payroll.prepare("SELECT Prezime, Ime FROM radnici WHERE id_radnik = ?");
    st.bind(1, id_radnik);
    if (!st.step())
        return std::nullopt;
    return st.text(0) + " " + st.text(1);
}

std::optional<PersonRow> personRowOf(db::Database& payroll, std::int64_t id_noz,
                                     std::int64_t id_radnik) {
    db::Statement st = payroll.prepare(std::string("SELECT ") + RowColumns +
                                       " FROM obracun_ostale_zarade o WHERE o.id_noz = ? AND "
                                       "o.ID_RADNIK = ? ORDER BY o.id_ooz");
    st.bindAll(id_noz, id_radnik);
    if (!st.step())
        return std::nullopt;
    return rowOf(st);
}

Outcome<std::int64_t> postPersonRow(db::Database& payroll, int kind, const PersonRow& row,
                                    bool newRow) {
    if (Refused refused = checkRow(payroll, kind, row))
        return *refused;
    db::Transaction tx(payroll);
    std::int64_t id = newRow ? 0 : row.id_ooz;
    if (id == 0 && !newRow)
        if (const auto existing = personRowOf(payroll, row.id_noz, row.id_radnik))
            id = existing->id_ooz;
    // a new row is stored whole in one statement, so its posting is one entry of the history
    if (id == 0) {
        writeRow(payroll, insertStatement("obracun_ostale_zarade", PostedColumns), row);
        id = payroll.lastInsertId();
    } else {
        writeRow(payroll, updateStatement("obracun_ostale_zarade", PostedColumns, "id_ooz"), row,
                 id);
    }
    tx.commit();
    return id;
}

void deletePersonRow(db::Database& payroll, std::int64_t id_ooz) {
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM obracun_ostale_zarade WHERE id_ooz = ?", id_ooz);
    tx.commit();
}

} // namespace zarion::other_income
