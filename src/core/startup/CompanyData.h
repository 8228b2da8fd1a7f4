#pragma once

#include <optional>
#include <string>

#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::startup {

// The company's own data, the one row of table `podaci` of the master database.
struct CompanyData {
    std::string Naziv;
    std::string ADRESA;
    std::string grad;
    std::string PIB;
    std::string maticni;
    std::string registracioni;
    std::string SIFRA;
    std::string pdv;
    std::string ziroracun;
    std::string banka;
    std::string telefon;
    std::string JMBG;
    std::string vlasnik;
};

// The one customer (by its trimmed tax number) whose journal of a payroll posts the net pay
// employee by employee, each on its analytic card, instead of one sum.
bool isAnalyticNetCustomer(const std::string& pib);

// The first row of `podaci`; nullopt when the table holds no row.
std::optional<CompanyData> readCompanyData(db::Database& masterDb);

// The fields whose values are checked before the company data is stored.
enum class CompanyField { Naziv, maticni, PIB, ziroracun };

// A value the company data refuses, with the message that names its field.
struct CompanyFault {
    CompanyField field;
    Refusal refusal;
};

// The data as it is stored: texts trimmed, the bank account in its full 3-13-2 form; or the
// first field refused: the name is required, the registration number, the tax number and the
// bank account, when given, must carry their right control digits.
struct CheckedCompanyData {
    std::optional<CompanyData> data;
    std::optional<CompanyFault> fault;
};
CheckedCompanyData checkCompanyData(CompanyData typed);

// Checks the data and stores it into the first row of `podaci` (adding the row when there is
// none), in one transaction; the fault and nothing stored when a field is refused.
std::optional<CompanyFault> saveCompanyData(db::Database& masterDb, const CompanyData& typed);

// The company's municipality: the code kept as the payer's municipality for the tax return
// (`podaci_ppppd.sifra_opstine`), 0 when none is kept.
std::int64_t companyMunicipality(db::Database& payrollDb);
void storeCompanyMunicipality(db::Database& payrollDb, std::int64_t code);

} // namespace zarion::startup
