#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"

namespace zarion::outputs {

// One insured person of the year's M-4: the insurance period in whole months and in the days of
// the months he was insured only part of, his gross earnings and the pension contribution paid
// on them (employee's and employer's share together), and the same for sick-leave compensation.
struct M4Row {
    std::int64_t id_radnik = 0;
    std::string JMBG;
    std::string prezime_i_ime;
    int Meseci = 0;
    int Dani = 0;
    Currency BRUTO;
    Currency PIO;
    Currency bol_bruto;
    Currency bol_pio;
};

// The year's M-4 from the company's calculations, one row per employee in the Serbian order of
// the names. A salary month counts as a whole month, or as its days when the calculation carries
// them (m4dani); a month paid only as sick-leave compensation counts as a whole month.
std::vector<M4Row> collectM4(db::Database& payroll, int year);

// Adds the rows of another company database: a JMBG already listed gets the months, days and
// amounts added, a new one is appended.
void addM4Rows(std::vector<M4Row>& rows, const std::vector<M4Row>& more);

// The M-4 of the year as saved, and saving it: the year's rows replaced by the list in one
// transaction.
std::vector<M4Row> loadM4(db::Database& payroll, int year);
void saveM4(db::Database& payroll, int year, const std::vector<M4Row>& rows);

// "M4 za 2026 godinu je snimljen!"
std::string m4SavedMessage(int year);

// The sums of the list, for the line "UKUPNO".
M4Row m4Totals(const std::vector<M4Row>& rows);

} // namespace zarion::outputs
