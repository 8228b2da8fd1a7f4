#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/Dates.h"
#include "employees/Refusal.h"

// Taking one employee over from the auxiliary database platepom.db by personnel number (mbr).
// The values go into the register's edit panel, not into the table; the operator then saves.
namespace zarion::employees {

struct ImportedEmployee {
    std::string prezime; // "prezime i ime" up to its first blank
    std::string ime;     // the trimmed rest
    std::string jmbg;
    std::string lbo;
    std::string adresa;
    int unitPosition = -1;  // position in the unit box: "radna jedinica" − 1
    std::string radnoMesto; // "opis"
    double koeficijent = 0; // "koeficijent ld"
    std::string sss;        // "ss"
    std::string sifraVrstePrihoda;
    Date datum;              // the first of the starting month ("MEsec") of "staz pocetak godina"
    std::string tekuciRacun; // "PARTIJA - Tekuci racun"
    int bankPosition = -1;   // position in the bank box for "rs"; -1 leaves it empty
};

struct ImportResult {
    std::optional<ImportedEmployee> employee;
    Refused refusal; // "Nije pronadjen zaposleni sa MBR: " and the number
};

// The auxiliary database of the company's data folder.
std::filesystem::path auxiliaryDatabasePath(const std::filesystem::path& companyFolder);

// Reads the employee with that personnel number from the auxiliary database (which must exist;
// a database error is thrown as db::Error).
ImportResult importFromAuxiliary(const std::filesystem::path& auxiliaryDb, std::int64_t mbr);

// The bank box position for an "rs" code: 1, 2, 3, 4, 6, 13 → 0 … 5, anything else -1.
int bankPositionForRs(std::int64_t rs);

} // namespace zarion::employees
