#include "outputs/OwnerContributions.h"

namespace zarion::outputs {

std::vector<parameters::ContributionFigures> ownerContributionFigures(const PayrollList& list) {
    std::vector<parameters::ContributionFigures> columns(3);
    for (const PayrollRow& row : list.owners) {
        const payroll::SalaryResult& c = row.calc;
        // kind 3 takes its contributions from the lowest base, kind 4 from the highest
        const std::size_t column = c.tip_obracuna == 3 ? 1 : c.tip_obracuna == 4 ? 2 : 0;
        parameters::ContributionFigures& f = columns[column];
        ++f.persons;
        f.base += row.contributionBase();
        f.pio += c.Doprinosi_PIO;
        f.pioFirma += c.Doprinosi_PIO_F;
        f.zo += c.Doprinosi_zo;
        f.zoFirma += c.Doprinosi_zo_F;
        f.nez += c.doprinosi_nezaposlenost;
        f.nezFirma += c.doprinosi_nezaposlenost_f;
    }
    return columns;
}

} // namespace zarion::outputs
