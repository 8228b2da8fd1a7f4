#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "employees/Refusal.h"

// The code lists the employee register refers to: organisational units (radne_jedinice), banks
// (banke), occupations (zanimanje) and municipalities (opstine), and the entries the windows
// offer them as.
namespace zarion::employees {

struct Unit {
    std::int64_t id = 0;
    std::string name;
};

struct Bank {
    std::int64_t id = 0;
    std::string name;
    std::string account;   // tekuci_Racun: the bank's account for collective salary payments
    std::string reference; // poziv: payment reference of the collective order
};

struct Occupation {
    std::string code;
    std::string name;
};

struct Municipality {
    std::int64_t code = 0;
    std::string name;
};

// One entry of a picker: the number the entry stands for and its text ("3 - Proizvodnja").
struct PickerEntry {
    std::int64_t number = 0;
    std::string text;
};

// ---- units ------------------------------------------------------------------------------------

std::vector<Unit> listUnits(db::Database& db);
std::optional<Unit> findUnit(db::Database& db, std::int64_t id);
// Adds a unit (no id) or renames one; the unit's number, or the refusal: a blank name, a unit
// that cannot be found.
struct SaveResult {
    std::int64_t id = 0;
    Refused refusal;
};
SaveResult saveUnit(db::Database& db, std::optional<std::int64_t> id, const std::string& name);
// Why the unit cannot be removed (an employee, active or not, still belongs to it; it cannot be
// found), or nothing when it may go.
Refused unitRemovalRefusal(db::Database& db, std::int64_t id);
// The question asked before a unit is removed.
std::string unitRemovalQuestion(const Unit& unit);
// Removes the unit after the same checks; the refusal when they fail.
Refused removeUnit(db::Database& db, std::int64_t id);

// ---- banks ------------------------------------------------------------------------------------

std::vector<Bank> listBanks(db::Database& db);
std::optional<Bank> findBank(db::Database& db, std::int64_t id);
// Adds a bank (no id) or changes one; a blank name or account is refused.
SaveResult saveBank(db::Database& db, std::optional<std::int64_t> id, const Bank& bank);
Refused bankRemovalRefusal(db::Database& db, std::int64_t id);
std::string bankRemovalQuestion(const Bank& bank);
Refused removeBank(db::Database& db, std::int64_t id);
// The message after a bank was removed.
std::string bankRemovedMessage();

// ---- occupations and municipalities -----------------------------------------------------------

std::vector<Occupation> listOccupations(db::Database& db);      // in code order
std::vector<Municipality> listMunicipalities(db::Database& db); // in code order

// ---- picker entries ---------------------------------------------------------------------------

// The first entry of a unit picker that stands for every unit.
enum class AllUnits { None, SveRJ, SveRadneJedinice };
// "0 - sve RJ" (or "0 - Sve radne jedinice") first when asked for, then number " - " name.
std::vector<PickerEntry> unitEntries(db::Database& db, AllUnits all);
// ID_BAnka " - " banka.
std::vector<PickerEntry> bankEntries(db::Database& db);
// code " - " name; the number of an occupation entry is 0 (occupations are kept as text).
std::vector<PickerEntry> occupationEntries(db::Database& db);
// code " - " name.
std::vector<PickerEntry> municipalityEntries(db::Database& db);
// The number in front of an entry's text ("12 - Beograd" → 12); 0 without one.
std::int64_t entryNumber(const std::string& text);

} // namespace zarion::employees
