#include "payroll/IndividualEmployees.h"

#include "core/SerbianOrder.h"

namespace zarion::payroll {

std::vector<IndividualListRow> individualEmployeeList(db::Database& payrollDb, int year,
                                                      int month) {
    db::Statement rows = payrollDb.prepare(
        "SELECT r.id_radnik, TRIM(IFNULL(r.Prezime, '') || ' ' || IFNULL(r.Ime, '')), "
        "EXISTS (SELECT 1 FROM obracuni o WHERE o.ID_RADNIK = r.id_radnik AND o.MEsec = ?1 "
        "AND o.GODINA = ?2) AS posted "
        "FROM radnici r WHERE IFNULL(r.nije_u_ro, 0) = 0 OR posted "
        "ORDER BY r.id_radnik");
    rows.bindAll(month, year);
    std::vector<IndividualListRow> list;
    while (rows.step())
        list.push_back({rows.integer(0), rows.text(1), rows.flag(2)});
    sortSerbian(list, [](const IndividualListRow& row) { return row.name; });
    return list;
}

} // namespace zarion::payroll
