#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/db/Database.h"
#include "other_income/OtherIncomeCalculation.h"

// The people paid under an order of other income (obracun_ostale_zarade): one row per payment,
// posted and deleted whole.
namespace zarion::other_income {

struct PersonRow {
    std::int64_t id_ooz = 0; // 0 for a row not yet stored
    std::int64_t id_noz = 0;
    std::int64_t id_radnik = 0;
    double taxRate = 0; // POrez_stopa
    RowAmounts amounts;
    double broj_sati = 0;
    int broj_dana = 0;
};

// A row of the order's list with the person it pays, as the register keeps him.
struct ListedPerson {
    PersonRow row;
    std::string Prezime;
    std::string Ime;
    std::string JMBG;
    std::string radno_mesto;
    std::string banka;
    std::string tekuci_Racun;
    int sifra_opstine = 0;

    std::string fullName() const { return Prezime + " " + Ime; }
    // The middle part of the current account, between its dashes.
    std::string partija() const;
};

// The rows of the order, the people in Serbian alphabetical order. "Greska pronalazenja radnika u
// bazi!" when a row pays a person the register no longer holds.
Outcome<std::vector<ListedPerson>> personsOfOrder(db::Database& payroll, std::int64_t id_noz);

// "Prezime Ime" of the person the register keeps under the number; nothing when it keeps none.
std::optional<std::string> registeredName(db::Database& payroll, std::int64_t id_radnik);

// The person's first row in the order, to be edited.
std::optional<PersonRow> personRowOf(db::Database& payroll, std::int64_t id_noz,
                                     std::int64_t id_radnik);

// Posts the row in one transaction: a new row when `newRow`, otherwise the row being edited or
// the person's row in the order (added when he has none). Gives the row's key. Refused, with
// nothing written, when no person is chosen ("Niste izabrali radnika!"), a per diem has no days
// ("Niste uneli broj dnevnica!") or the gross or the net is missing ("Niste uneli potrebne
// podatke!").
Outcome<std::int64_t> postPersonRow(db::Database& payroll, int kind, const PersonRow& row,
                                    bool newRow);

// Deletes the row.
void deletePersonRow(db::Database& payroll, std::int64_t id_ooz);

} // namespace zarion::other_income
