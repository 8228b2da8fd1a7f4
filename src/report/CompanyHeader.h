#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/db/Database.h"
#include "report/Painter.h"

namespace zarion::report {

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

// The first row of `podaci`; nullopt when the table holds no row.
std::optional<CompanyData> readCompanyData(db::Database& masterDb);

// The header every report starts its first page with: the logo at the top left, the company's
// name, address and numbers centred on x = 160 mm from y = 7 mm (a line too long for that ends
// at 200 mm, where the rules end), and a double rule at 35/36 mm. The report continues below
// 36 mm. An empty or unreadable logo path prints no picture. The
// painter is left with the font "yuoptimar" at 8 pt and line width 1.
void PrintHeader(Painter& painter, const CompanyData& company,
                 const std::filesystem::path& logoPath);

} // namespace zarion::report
