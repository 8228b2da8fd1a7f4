#include "outputs/DeclarationOverrides.h"

#include "core/NumericText.h"

namespace zarion::outputs {

bool supervisorCodeAccepted(const std::optional<Currency>& entered) {
    return entered && *entered == Currency::fromUnits(7269);
}

void overrideHoursFund(std::vector<DeclarationRow>& rows, double newFund) {
    for (DeclarationRow& row : rows) {
        const double excess =
            numericValue(row[Col::BrojEfektivnihSati]) - numericValue(row[Col::MesecniFondSati]);
        row[Col::MesecniFondSati] = shortestDecimal(newFund);
        if (excess >= 0)
            row[Col::BrojEfektivnihSati] = shortestDecimal(newFund + excess);
    }
}

void overrideIncomeCode(std::vector<DeclarationRow>& rows, const std::string& code,
                        bool clearBase) {
    for (DeclarationRow& row : rows) {
        row[Col::SVP] = code;
        if (clearBase)
            row[Col::OsnovicaDoprinosi] = "0.00";
    }
}

} // namespace zarion::outputs
