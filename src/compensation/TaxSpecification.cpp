#include "compensation/TaxSpecification.h"

#include <map>

namespace zarion::compensation {

std::vector<outputs::MunicipalityTax> taxByResidence(db::Database& payroll,
                                                     const std::vector<EmployeeTax>& taxes) {
    std::map<int, Currency> sums;
    for (const auto& [employee, tax] : taxes)
        sums[static_cast<int>(
            payroll.scalar("SELECT sifra_opstine FROM radnici WHERE id_radnik = ?", employee)
                .value_or(0))] += tax;
    std::vector<outputs::MunicipalityTax> lines;
    for (const auto& [code, tax] : sums) {
        db::Statement name = payroll.prepare("SELECT Naziv FROM opstine WHERE SIFRA = ?");
        name.bindAll(code);
        lines.push_back({code, name.step() ? name.text(0) : std::string(), tax});
    }
    return lines;
}

} // namespace zarion::compensation
