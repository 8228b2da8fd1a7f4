#include "employees/CodeLists.h"

#include "core/NumericText.h"
#include "core/Text.h"

namespace zarion::employees {

namespace {

std::string numbered(std::int64_t number, const std::string& name) {
    return std::to_string(number) + " - " + name;
}

bool usedByEmployees(db::Database& db, const char* column, std::int64_t id) {
    return db.scalar(std::string("SELECT 1 FROM radnici WHERE ") + column + " = ? LIMIT 1", id)
        .has_value();
}

} // namespace

// ---- units ------------------------------------------------------------------------------------

std::vector<Unit> listUnits(db::Database& db) {
    std::vector<Unit> units;
    db::Statement st = db.prepare("SELECT id_rj, Naziv FROM radne_jedinice ORDER BY id_rj");
    while (st.step())
        units.push_back({st.integer(0), st.text(1)});
    return units;
}

std::optional<Unit> findUnit(db::Database& db, std::int64_t id) {
    db::Statement st = db.prepare("SELECT id_rj, Naziv FROM radne_jedinice WHERE id_rj = ?");
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return Unit{st.integer(0), st.text(1)};
}

SaveResult saveUnit(db::Database& db, std::optional<std::int64_t> id, const std::string& name) {
    const std::string naziv = trim(name);
    if (naziv.empty())
        return {0, warning("Niste uneli naziv radne grupe!")};
    db::Transaction tx(db);
    if (!id) {
        db.run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", naziv);
        const std::int64_t newId = db.lastInsertId();
        tx.commit();
        return {newId, std::nullopt};
    }
    if (!findUnit(db, *id))
        return {0, error("Greska kod pronalazenja radne jedinice u bazi!")};
    db.run("UPDATE radne_jedinice SET Naziv = ? WHERE id_rj = ?", naziv, *id);
    tx.commit();
    return {*id, std::nullopt};
}

Refused unitRemovalRefusal(db::Database& db, std::int64_t id) {
    const auto unit = findUnit(db, id);
    if (usedByEmployees(db, "id_rj", id))
        return warning("Nije moguce izbrisati izabrani radnu jedinicu: " +
                       numbered(id, unit ? unit->name : std::string()));
    if (!unit)
        return error("Greska kod pronalazenja RJ!");
    return std::nullopt;
}

std::string unitRemovalQuestion(const Unit& unit) {
    return "Da li ste sigurni da zelite da obrisete: " + numbered(unit.id, unit.name);
}

Refused removeUnit(db::Database& db, std::int64_t id) {
    db::Transaction tx(db);
    if (auto refusal = unitRemovalRefusal(db, id))
        return refusal;
    db.run("DELETE FROM radne_jedinice WHERE id_rj = ?", id);
    tx.commit();
    return std::nullopt;
}

// ---- banks ------------------------------------------------------------------------------------

std::vector<Bank> listBanks(db::Database& db) {
    std::vector<Bank> banks;
    db::Statement st =
        db.prepare("SELECT ID_BAnka, banka, tekuci_Racun, poziv FROM banke ORDER BY ID_BAnka");
    while (st.step())
        banks.push_back({st.integer(0), st.text(1), st.text(2), st.text(3)});
    return banks;
}

std::optional<Bank> findBank(db::Database& db, std::int64_t id) {
    db::Statement st =
        db.prepare("SELECT ID_BAnka, banka, tekuci_Racun, poziv FROM banke WHERE ID_BAnka = ?");
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return Bank{st.integer(0), st.text(1), st.text(2), st.text(3)};
}

SaveResult saveBank(db::Database& db, std::optional<std::int64_t> id, const Bank& bank) {
    const std::string name = trim(bank.name);
    const std::string account = trim(bank.account);
    const std::string reference = trim(bank.reference);
    if (name.empty())
        return {0, warning("Niste uneli naziv banke!")};
    if (account.empty())
        return {0, warning("Niste uneli naziv tekuci racun!")};
    db::Transaction tx(db);
    if (!id) {
        db.run("INSERT INTO banke(banka, tekuci_Racun, poziv) VALUES (?, ?, ?)", name, account,
               reference);
        const std::int64_t newId = db.lastInsertId();
        tx.commit();
        return {newId, std::nullopt};
    }
    if (!findBank(db, *id))
        return {0, error("Greska kod pronalazenja banke u bazi!")};
    db.run("UPDATE banke SET banka = ?, tekuci_Racun = ?, poziv = ? WHERE ID_BAnka = ?", name,
           account, reference, *id);
    tx.commit();
    return {*id, std::nullopt};
}

Refused bankRemovalRefusal(db::Database& db, std::int64_t id) {
    if (usedByEmployees(db, "ID_BAnka", id))
        return warning("Ne mozete obrisati izabranu banku!");
    if (!findBank(db, id))
        return error("Greska kod pronalazenja banke u bazi!");
    return std::nullopt;
}

std::string bankRemovalQuestion(const Bank& bank) {
    return "Da li ste sigurni da zelite da izbrisete banku: " + bank.name;
}

Refused removeBank(db::Database& db, std::int64_t id) {
    db::Transaction tx(db);
    if (auto refusal = bankRemovalRefusal(db, id))
        return refusal;
    db.run("DELETE FROM banke WHERE ID_BAnka = ?", id);
    tx.commit();
    return std::nullopt;
}

std::string bankRemovedMessage() {
    return "Brisanje je zavrseno!";
}

// ---- occupations and municipalities -----------------------------------------------------------

std::vector<Occupation> listOccupations(db::Database& db) {
    std::vector<Occupation> occupations;
    db::Statement st = db.prepare("SELECT SIFRA, Zanimanje FROM zanimanje ORDER BY SIFRA");
    while (st.step())
        occupations.push_back({st.text(0), st.text(1)});
    return occupations;
}

std::vector<Municipality> listMunicipalities(db::Database& db) {
    std::vector<Municipality> municipalities;
    db::Statement st = db.prepare("SELECT SIFRA, Naziv FROM opstine ORDER BY SIFRA");
    while (st.step())
        municipalities.push_back({st.integer(0), st.text(1)});
    return municipalities;
}

// ---- picker entries ---------------------------------------------------------------------------

std::vector<PickerEntry> unitEntries(db::Database& db, AllUnits all) {
    std::vector<PickerEntry> entries;
    if (all == AllUnits::SveRJ)
        entries.push_back({0, "0 - sve RJ"});
    else if (all == AllUnits::SveRadneJedinice)
        entries.push_back({0, "0 - Sve radne jedinice"});
    for (const Unit& unit : listUnits(db))
        entries.push_back({unit.id, numbered(unit.id, unit.name)});
    return entries;
}

std::vector<PickerEntry> bankEntries(db::Database& db) {
    std::vector<PickerEntry> entries;
    for (const Bank& bank : listBanks(db))
        entries.push_back({bank.id, numbered(bank.id, bank.name)});
    return entries;
}

std::vector<PickerEntry> occupationEntries(db::Database& db) {
    std::vector<PickerEntry> entries;
    for (const Occupation& occupation : listOccupations(db))
        entries.push_back({0, occupation.code + " - " + occupation.name});
    return entries;
}

std::vector<PickerEntry> municipalityEntries(db::Database& db) {
    std::vector<PickerEntry> entries;
    for (const Municipality& municipality : listMunicipalities(db))
        entries.push_back({municipality.code, numbered(municipality.code, municipality.name)});
    return entries;
}

std::int64_t entryNumber(const std::string& text) {
    return wholeValue(text);
}

} // namespace zarion::employees
