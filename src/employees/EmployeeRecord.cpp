#include "employees/EmployeeRecord.h"

#include "core/NumericText.h"
#include "core/Text.h"
#include "employees/EmployeeTexts.h"

namespace zarion::employees {

namespace {

int whole(const std::string& text) {
    return static_cast<int>(wholeValue(text));
}

constexpr const char* Columns =
    "Prezime, Ime, JMBG, lbo, licna_karta, ADRESA, telefon, radno_mesto, KOEFICIJENT, "
    "funkcijski_dodatak, otezani_uslovi, pg, Pm, Pd, Datum, tekuci_Racun, isplata_preko_racuna, "
    "nije_u_ro, datum_odjave, id_rj, sss, ID_BAnka, tip_obracuna, pol, sifra_opstine, vrsta, "
    "sifra_vrste_prihoda, platni_razred, NETO, na_odredjeno, datum_na_odredjeno, broj_ugovora, "
    "aneks";

// Binds the panel's fields in the order of Columns, from the first parameter on.
void bindFields(db::Statement& st, const Employee& e) {
    st.bindAll(e.Prezime, e.Ime, e.JMBG, e.lbo, e.licna_karta, e.ADRESA, e.telefon, e.radno_mesto,
               e.KOEFICIJENT, e.funkcijski_dodatak, e.otezani_uslovi, e.pg, e.Pm, e.Pd, e.Datum,
               e.tekuci_Racun, e.isplata_preko_racuna, e.nije_u_ro, e.datum_odjave, e.id_rj, e.sss,
               e.ID_BAnka, e.tip_obracuna, e.pol, e.sifra_opstine, e.vrsta, e.sifra_vrste_prihoda,
               e.platni_razred, e.NETO, e.na_odredjeno, e.datum_na_odredjeno, e.broj_ugovora,
               e.aneks);
}

bool exists(db::Database& db, std::int64_t id) {
    return db.scalar("SELECT 1 FROM radnici WHERE id_radnik = ?", id).has_value();
}

} // namespace

std::optional<MissingField> checkMandatoryFields(const EmployeeForm& form) {
    if (trim(form.prezime).empty())
        return MissingField{MissingField::Field::Prezime, "Prezime je obavezan podatak!"};
    if (trim(form.ime).empty())
        return MissingField{MissingField::Field::Ime, "Ime je obavezan podatak!"};
    return std::nullopt;
}

Employee employeeFromForm(const EmployeeForm& form) {
    Employee e;
    e.Prezime = trim(form.prezime);
    e.Ime = trim(form.ime);
    e.JMBG = trim(form.jmbg);
    e.lbo = trim(form.lbo);
    e.licna_karta = trim(form.licnaKarta);
    e.ADRESA = trim(form.adresa);
    e.telefon = trim(form.telefon);
    e.radno_mesto = trim(form.radnoMesto);
    e.KOEFICIJENT = numericValue(form.koeficijent);
    e.funkcijski_dodatak = numericValue(form.funkcijskiDodatak);
    e.otezani_uslovi = numericValue(form.otezaniUslovi);
    e.pg = whole(form.pg);
    e.Pm = whole(form.pm);
    e.Pd = whole(form.pd);
    e.Datum = form.datum;
    e.tekuci_Racun = trim(form.tekuciRacun);
    e.isplata_preko_racuna = form.isplataPrekoRacuna;
    e.nije_u_ro = form.status == 2;
    e.datum_odjave = e.nije_u_ro ? form.leavingDate : StillEmployed;
    e.id_rj = form.unit;
    e.sss = trim(form.sss);
    e.ID_BAnka = form.bank;
    e.tip_obracuna = form.calcType;
    e.pol = form.sex;
    e.sifra_opstine = form.municipality;
    e.vrsta = insuredKindCode(form.vrsta);
    e.sifra_vrste_prihoda = trim(form.sifraVrstePrihoda);
    e.platni_razred = form.platniRazred;
    e.NETO = numericValue(form.neto);
    e.na_odredjeno = form.term != 0;
    if (e.na_odredjeno)
        e.datum_na_odredjeno = form.termEnd;
    e.broj_ugovora = trim(form.brojUgovora);
    e.aneks = trim(form.aneks);
    return e;
}

std::optional<Employee> loadEmployee(db::Database& db, std::int64_t id) {
    db::Statement st = db.prepare(std::string("SELECT id_radnik, vlasnik, ") + Columns +
                                  " FROM radnici WHERE id_radnik = ?");
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    Employee e;
    e.id_radnik = st.integer("id_radnik");
    e.vlasnik = st.flag("vlasnik");
    e.Prezime = st.text("Prezime");
    e.Ime = st.text("Ime");
    e.JMBG = st.text("JMBG");
    e.lbo = st.text("lbo");
    e.licna_karta = st.text("licna_karta");
    e.ADRESA = st.text("ADRESA");
    e.telefon = st.text("telefon");
    e.radno_mesto = st.text("radno_mesto");
    e.KOEFICIJENT = st.number("KOEFICIJENT");
    e.funkcijski_dodatak = st.number("funkcijski_dodatak");
    e.otezani_uslovi = st.number("otezani_uslovi");
    e.pg = static_cast<int>(st.integer("pg"));
    e.Pm = static_cast<int>(st.integer("Pm"));
    e.Pd = static_cast<int>(st.integer("Pd"));
    e.Datum = st.date("Datum");
    e.tekuci_Racun = st.text("tekuci_Racun");
    e.isplata_preko_racuna = st.flag("isplata_preko_racuna");
    e.nije_u_ro = st.flag("nije_u_ro");
    e.datum_odjave = st.date("datum_odjave");
    e.id_rj = st.integer("id_rj");
    e.sss = st.text("sss");
    e.ID_BAnka = st.integer("ID_BAnka");
    e.tip_obracuna = static_cast<int>(st.integer("tip_obracuna"));
    e.pol = static_cast<int>(st.integer("pol"));
    e.sifra_opstine = st.integer("sifra_opstine");
    e.vrsta = st.text("vrsta");
    e.sifra_vrste_prihoda = st.text("sifra_vrste_prihoda");
    e.platni_razred = static_cast<int>(st.integer("platni_razred"));
    e.NETO = st.number("NETO");
    e.na_odredjeno = st.flag("na_odredjeno");
    if (!st.isNull("datum_na_odredjeno"))
        e.datum_na_odredjeno = st.date("datum_na_odredjeno");
    e.broj_ugovora = st.text("broj_ugovora");
    e.aneks = st.text("aneks");
    return e;
}

SavedEmployee saveEmployee(db::Database& db, const EmployeeForm& form,
                           std::optional<std::int64_t> id) {
    if (const auto missing = checkMandatoryFields(form))
        return {0, warning(missing->message)};
    const Employee e = employeeFromForm(form);
    db::Transaction tx(db);
    if (!id) {
        db::Statement st = db.prepare(std::string("INSERT INTO radnici(") + Columns +
                                      ", vlasnik) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                      "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                      "?, ?, 0)");
        bindFields(st, e);
        st.run();
        const std::int64_t newId = db.lastInsertId();
        tx.commit();
        return {newId, std::nullopt};
    }
    if (!exists(db, *id))
        return {0, error("Greska kod pronalazenja radnika u bazi!")};
    db::Statement st = db.prepare(
        "UPDATE radnici SET Prezime = ?, Ime = ?, JMBG = ?, lbo = ?, licna_karta = ?, "
        "ADRESA = ?, telefon = ?, radno_mesto = ?, KOEFICIJENT = ?, funkcijski_dodatak = ?, "
        "otezani_uslovi = ?, pg = ?, Pm = ?, Pd = ?, Datum = ?, tekuci_Racun = ?, "
        "isplata_preko_racuna = ?, nije_u_ro = ?, datum_odjave = ?, id_rj = ?, sss = ?, "
        "ID_BAnka = ?, tip_obracuna = ?, pol = ?, sifra_opstine = ?, vrsta = ?, "
        "sifra_vrste_prihoda = ?, platni_razred = ?, NETO = ?, na_odredjeno = ?, "
        "datum_na_odredjeno = ?, broj_ugovora = ?, aneks = ? WHERE id_radnik = ?");
    bindFields(st, e);
    st.bind(34, *id);
    st.run();
    tx.commit();
    return {*id, std::nullopt};
}

Refused employeeRemovalRefusal(db::Database& db, std::int64_t id) {
    for (const char* table : EmployeeDataTables)
        if (db.scalar(std::string("SELECT 1 FROM ") + table + " WHERE id_radnik = ? LIMIT 1", id))
            return warning("Postoje podaci za izabranog radnika!");
    return std::nullopt;
}

std::string employeeRemovalQuestion() {
    return "Da li ste sigurni da `elite da obri{ete izabranog radnika iz baze?"_yu;
}

Refused removeEmployee(db::Database& db, std::int64_t id) {
    db::Transaction tx(db);
    if (auto refusal = employeeRemovalRefusal(db, id))
        return refusal;
    if (!exists(db, id))
        return error("Greska kod pronalazenja radnika u bazi!");
    db.run("DELETE FROM radnici WHERE id_radnik = ?", id);
    tx.commit();
    return std::nullopt;
}

OwnerQuestion ownerToggleQuestion(db::Database& db, std::int64_t id) {
    const auto e = loadEmployee(db, id);
    if (!e)
        return {{}, error("Greska!")};
    const std::string opening =
        "Da li ste sigurni da zelite da da zaposlenom " + e->Prezime + " " + e->Ime;
    return {opening + (e->vlasnik ? " iskljucite status VLASNIK/PREDUZETNIK?"
                                  : " promenite status u VLASNIK/PREDUZETNIK?"),
            std::nullopt};
}

bool toggleOwner(db::Database& db, std::int64_t id) {
    db.run("UPDATE radnici SET vlasnik = CASE WHEN vlasnik <> 0 THEN 0 ELSE 1 END "
           "WHERE id_radnik = ?",
           id);
    return db.changes() > 0;
}

Refused setJobTitle(db::Database& db, std::int64_t id, const std::string& jobTitle) {
    db.run("UPDATE radnici SET radno_mesto = ? WHERE id_radnik = ?", trim(jobTitle), id);
    if (db.changes() == 0)
        return error("Greska!");
    return std::nullopt;
}

int setMunicipalityForAll(db::Database& db, std::int64_t code) {
    if (code == 0)
        return 0;
    db::Transaction tx(db);
    db.run("UPDATE radnici SET sifra_opstine = ?", code);
    const int rows = db.changes();
    tx.commit();
    return rows;
}

} // namespace zarion::employees
