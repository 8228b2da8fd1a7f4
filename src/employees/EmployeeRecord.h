#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Dates.h"
#include "core/db/Database.h"
#include "employees/Refusal.h"

// One row of radnici: reading it, writing it from the register's edit panel, removing it, the
// owner flag and the municipality written into every row.
namespace zarion::employees {

// The leaving date an active employee carries.
inline constexpr Date StillEmployed{2099, 12, 31};

struct Employee {
    std::int64_t id_radnik = 0;
    std::string Prezime;
    std::string Ime;
    std::string JMBG;
    std::string lbo;
    std::string licna_karta;
    std::string ADRESA;
    std::string telefon;
    std::string radno_mesto;
    double KOEFICIJENT = 0;
    double funkcijski_dodatak = 0;
    double otezani_uslovi = 0;
    int pg = 0;
    int Pm = 0;
    int Pd = 0;
    Date Datum;
    std::string tekuci_Racun;
    bool isplata_preko_racuna = false;
    bool nije_u_ro = false;
    Date datum_odjave = StillEmployed;
    std::int64_t id_rj = 0;
    std::string sss;
    std::int64_t ID_BAnka = 0;
    int tip_obracuna = 0;
    int pol = 0;
    std::int64_t sifra_opstine = 0;
    std::string vrsta = "01";
    std::string sifra_vrste_prihoda;
    int platni_razred = 0;
    double NETO = 0;
    bool na_odredjeno = false;
    std::optional<Date> datum_na_odredjeno;
    std::string broj_ugovora;
    std::string aneks;
    bool vlasnik = false;
};

// The edit panel as the operator filled it: texts where the panel has input boxes (numbers are
// read by the numeric-prefix rule), the numbers in front of the chosen entries of its boxes.
struct EmployeeForm {
    std::string prezime;
    std::string ime;
    std::string jmbg;
    std::string lbo;
    std::string licnaKarta;
    std::string adresa;
    std::string telefon;
    std::string radnoMesto;
    std::string koeficijent;
    std::string funkcijskiDodatak;
    std::string otezaniUslovi;
    std::string pg;
    std::string pm;
    std::string pd;
    Date datum;
    std::string tekuciRacun;
    bool isplataPrekoRacuna = false;
    int status = 1;   // 1 active, 2 inactive
    Date leavingDate; // read when status is 2
    std::int64_t unit = 0;
    std::string sss;
    std::int64_t bank = 0;
    int calcType = 0;
    int sex = 0;
    std::int64_t municipality = 0;
    std::string vrsta; // the chosen insured-kind line, or its code
    std::string sifraVrstePrihoda;
    int platniRazred = 0;
    std::string neto;
    int term = 0; // 0 open-ended, 1 fixed term
    Date termEnd; // read when term is 1
    std::string brojUgovora;
    std::string aneks;
};

// The first mandatory field left blank, with its message; nothing when both are filled.
struct MissingField {
    enum class Field { Prezime, Ime };
    Field field;
    std::string message;
};
std::optional<MissingField> checkMandatoryFields(const EmployeeForm& form);

// The row the panel writes: numbers by the numeric-prefix rule (prior service rounded to whole
// numbers, halves to even), the leaving date 31.12.2099 while active, the fixed-term end only
// for a fixed term, texts trimmed. The owner flag is not on the panel and stays false.
Employee employeeFromForm(const EmployeeForm& form);

std::optional<Employee> loadEmployee(db::Database& db, std::int64_t id);

struct SavedEmployee {
    std::int64_t id = 0;
    Refused refusal;
};
// Writes the panel in one transaction: a new row (no id), or the fields of an existing one (its
// owner flag kept). Refused with the mandatory-field message, or when the row cannot be found.
SavedEmployee saveEmployee(db::Database& db, const EmployeeForm& form,
                           std::optional<std::int64_t> id);

// The tables whose rows keep an employee from being removed.
inline constexpr const char* EmployeeDataTables[] = {
    "obracuni",        "bolovanja_obracuni", "akontacija_obracuni", "akontacija_obracuni_obrisani",
    "bolovanjapor",    "invalidi",           "invalidi_obracuni",   "obracun_ostale_zarade",
    "obustave_radnici"};

// "Postoje podaci za izabranog radnika!" while any of those tables has a row of the employee.
Refused employeeRemovalRefusal(db::Database& db, std::int64_t id);
std::string employeeRemovalQuestion();
// Removes the employee after the same check, in one transaction.
Refused removeEmployee(db::Database& db, std::int64_t id);

// The question before the owner flag is turned, or "Greska!" when the employee is missing.
struct OwnerQuestion {
    std::string question;
    Refused refusal;
};
OwnerQuestion ownerToggleQuestion(db::Database& db, std::int64_t id);
// Inverts vlasnik; false when the employee cannot be found.
bool toggleOwner(db::Database& db, std::int64_t id);

// Writes the chosen occupation text into radno_mesto of the employee; "Greska!" when he cannot
// be found.
Refused setJobTitle(db::Database& db, std::int64_t id, const std::string& jobTitle);

// Writes the municipality code into sifra_opstine of every employee; a zero code changes
// nothing. The number of rows written.
int setMunicipalityForAll(db::Database& db, std::int64_t code);

} // namespace zarion::employees
