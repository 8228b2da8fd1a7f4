#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "report/CompanyHeader.h"

namespace zarion::outputs {

// The months the annual return sums, both ends included.
struct ReturnPeriod {
    int fromYear = 0;
    int fromMonth = 1;
    int toYear = 0;
    int toMonth = 12;
};
// January to December of the year.
ReturnPeriod wholeYear(int year);

// One recipient of income with what he received in the period and what was withheld from it.
struct ReturnRow {
    std::int64_t id_radnik = 0;
    std::string Ime;
    std::string Prezime;
    std::string JMBG;
    std::string Adresa;
    Currency BRUTO;
    Currency Oporezivo;
    Currency Porez;
    Currency PIO;
    Currency ZDR;
    Currency NEZ;

    std::string name() const; // "Prezime Ime"
};

// Part II (recipients employed by the payer) and part III (recipients outside employment).
struct AnnualReturn {
    std::vector<ReturnRow> employed;
    std::vector<ReturnRow> outside;
};

// The period's salaries, sick-leave and disabled persons' compensation, and the other income of
// the batches dated in it, summed per person; persons marked as not employed go to part III.
// Each part in the Serbian order of the names.
AnnualReturn collectAnnualReturn(db::Database& payroll, const ReturnPeriod& period);

// Adds rows of another source: a JMBG already in the part gets the amounts added, a new one is
// appended.
void addReturnRows(std::vector<ReturnRow>& part, const std::vector<ReturnRow>& more);

// The other income taken over from the predecessor program, summed per person.
std::vector<ReturnRow> predecessorIncome(db::Database& payroll);

// The sums of a part.
ReturnRow returnTotals(const std::vector<ReturnRow>& part);

// The payer as the return names it; a refusal "Popunite osnovne podatke!" when the company's
// name, tax number, registration number, town or address is missing.
Outcome<report::CompanyData> returnPayer(const std::optional<report::CompanyData>& company);

// Writes a part as a text file for the tax authority: the payer's line (tax number; name;
// registration number; town; address; telephone; number of rows) and one line per row:
// JMBG;first name;surname;taxable income;tax;PIO;health;unemployment. Plain letters, amounts
// as 1234.56, lines ending in CR LF; an existing file is replaced.
void writeReturnPart(const std::filesystem::path& file, const report::CompanyData& payer,
                     const std::vector<ReturnRow>& part);

// The two files, "ppp_deo2.txt" and "ppp_deo3.txt", written into the folder; their paths.
std::vector<std::filesystem::path> writeReturnFiles(const std::filesystem::path& folder,
                                                    const report::CompanyData& payer,
                                                    const AnnualReturn& annual);

} // namespace zarion::outputs
