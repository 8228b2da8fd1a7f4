#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::compensation {

// The closing date of a case that is still open.
inline constexpr Date OpenEnd{2099, 12, 31};

// One maternity case of bolovanjaPOR, with the employee's name for the lists.
struct MaternityCase {
    std::int64_t id_bolovanjePOR = 0;
    std::int64_t ID_RADNIK = 0;
    Date datum_otvaranja;
    Date datum_zatvaranja = OpenEnd;
    Currency NETO;
    std::string name; // "Prezime Ime"
};

// The cases not deleted whose period overlaps from..to, in Serbian order of the names.
std::vector<MaternityCase> maternityCases(db::Database& payroll, const Date& from, const Date& to);
// The cases that overlap the month: opened by its last day and closing on its first day or later.
std::vector<MaternityCase> maternityCasesOfMonth(db::Database& payroll, int year, int month);

// Adds the case (id 0) or updates it; returns its id. Refuses without an employee ("Niste uneli
// potrebne podatke!") and when the case to update has vanished.
Outcome<std::int64_t> saveMaternityCase(db::Database& payroll, const MaternityCase& entry);
// Marks the case deleted ("Greska kod pronalazenja bolovanja!" when it is not there).
Refused removeMaternityCase(db::Database& payroll, std::int64_t id);
// "Da li ste sigurni da zelite da obrisete bolovanje: <name> od:<date> do:<date>".
std::string removalQuestion(const MaternityCase& entry);

// The account maternity compensation is paid from and its reference, kept in parametri2.
struct MaternityAccount {
    std::string racun_za_isplatu_porodiljsko;
    std::string poziv_zad_porodiljsko;
};
MaternityAccount loadMaternityAccount(db::Database& payroll);
void saveMaternityAccount(db::Database& payroll, const MaternityAccount& account);

} // namespace zarion::compensation
