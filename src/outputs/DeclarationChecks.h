#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "outputs/Declaration.h"

namespace zarion::outputs {

// What the amounts of a row must agree with: the tax rate, each contribution's rate with both
// shares together, in percent, and the month's lowest and highest contribution base.
struct DeclarationRates {
    double porez = 0;
    double PIO = 0;
    double ZDR = 0;
    double NEZ = 0;
    Currency lowestBase;
    Currency highestBase;
};

// Something the check found before the return leaves: an error stops the export unless the
// operator confirms it; a warning does not.
struct DeclarationFinding {
    enum class Severity { Error, Warning };
    Severity severity = Severity::Error;
    std::size_t position = 0; // list position of the row, 0 for the header and the totals
    std::string message;

    bool isError() const { return severity == Severity::Error; }
};

// The codes of the municipality register (opstine).
std::set<long long> municipalityCodes(db::Database& payroll);

// Checks the header and every checked row, in list order: personal numbers and their control
// digit, municipalities in the register, nine-digit income codes, amounts with a point, hours
// within the fund, tax and contributions against their base × rate (within 0.50 dinars),
// contribution bases between the month's lowest and highest, and the stated totals against the
// sums of the checked rows.
std::vector<DeclarationFinding> checkDeclaration(const Declaration& declaration,
                                                 const DeclarationRates& rates,
                                                 const std::set<long long>& municipalities,
                                                 const DeclarationTotals& stated);

bool hasErrors(const std::vector<DeclarationFinding>& findings);

// "Red 3 (Petrović Marko) GREŠKA: …", "Zaglavlje UPOZORENJE: …"
std::string findingLine(const Declaration& declaration, const DeclarationFinding& finding);

} // namespace zarion::outputs
