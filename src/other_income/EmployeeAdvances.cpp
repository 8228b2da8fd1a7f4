#include "other_income/EmployeeAdvances.h"

namespace zarion::other_income {

std::vector<payroll::AdvanceLine> employeeAdvances(db::Database& payrollDb,
                                                   std::int64_t employeeId) {
    db::Statement st = payrollDb.prepare(
        "SELECT o.ID_OOZ, n.Datum, o.NETO FROM nalozi_ostale_zarade n "
        "INNER JOIN obracun_ostale_zarade o ON n.ID_NOZ = o.ID_NOZ "
        "WHERE n.Tip_NOZ = 99 AND o.ID_Radnik = ? ORDER BY n.Datum DESC, o.ID_OOZ DESC");
    st.bind(1, employeeId);
    std::vector<payroll::AdvanceLine> advances;
    while (st.step())
        advances.push_back({st.integer(0), st.date(1), st.money(2)});
    return advances;
}

} // namespace zarion::other_income
