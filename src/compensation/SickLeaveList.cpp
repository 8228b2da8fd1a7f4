#include "compensation/SickLeaveList.h"

#include <algorithm>
#include <cstdio>

#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::compensation {

Outcome<outputs::PayrollList> loadLeaveList(db::Database& payroll, LeaveKind kind,
                                            const outputs::ListSelection& selection) {
    auto rates = payroll::loadMonthParameters(payroll, selection.year, selection.month);
    if (!rates)
        return rates.refusal();
    outputs::PayrollList list;
    list.selection = selection;
    list.rates = *rates;
    list.unitName = outputs::listUnitName(payroll, selection.unit);
    db::Statement row = payroll.prepare(
        "SELECT b.*, " + outputs::listedEmployeeColumns() +
        " FROM bolovanja_obracuni b LEFT JOIN radnici r ON r.id_radnik = b.ID_RADNIK "
        "WHERE b.porodiljsko = ? AND b.MEsec = ? AND b.GODINA = ? AND (? = 0 OR r.id_rj = ?)");
    row.bindAll(kind == LeaveKind::Maternity, selection.month, selection.year, selection.unit,
                selection.unit);
    while (row.step()) {
        outputs::PayrollRow r;
        r.id_radnik = row.integer("ID_RADNIK");
        if (row.isNull("r_id")) {
            list.missingEmployees.push_back(r.id_radnik);
            continue;
        }
        r.employee = outputs::readListedEmployee(row);
        for (const auto& [column, field] : outputs::resultColumns(row))
            payroll::readField(row, column, *field, r.calc);
        r.deductions = r.calc.solidarni_porez; // the one thing withheld from a compensation's net
        list.totals.add(r);
        list.employees.push_back(std::move(r));
    }
    std::stable_sort(list.employees.begin(), list.employees.end(),
                     [](const outputs::PayrollRow& a, const outputs::PayrollRow& b) {
                         return serbianLess(a.fullName(), b.fullName());
                     });
    return list;
}

Outcome<outputs::BankList> leaveBankList(db::Database& payroll, LeaveKind kind, int year,
                                         int month) {
    const auto list = loadLeaveList(payroll, kind, {year, month, outputs::Payment::Whole, 0});
    if (!list)
        return list.refusal();
    std::vector<std::pair<std::int64_t, outputs::BankTransfer>> transfers;
    for (const outputs::PayrollRow& row : list->employees)
        transfers.emplace_back(row.employee.ID_BAnka,
                               outputs::BankTransfer{row.id_radnik, row.fullName(),
                                                     row.calc.tekuci_Racun, row.employee.JMBG,
                                                     row.calc.NETO - row.calc.solidarni_porez});
    char period[16];
    std::snprintf(period, sizeof period, "%02d/%d", month, year);
    return outputs::BankList{list->selection, "Isplata: "_yu + period + " - " + leavePartName(kind),
                             outputs::groupByBank(payroll, std::move(transfers)),
                             list->missingEmployees};
}

Outcome<outputs::AccountsSource> leaveAccountsSource(db::Database& payroll, LeaveKind kind,
                                                     const outputs::PayrollList& list) {
    return outputs::compensationAccountsSource(payroll,
                                               kind == LeaveKind::Maternity
                                                   ? outputs::CompensationKind::Maternity
                                                   : outputs::CompensationKind::SickLeave,
                                               outputs::paidOut(list));
}

std::string leaveGroupTitle(LeaveKind kind) {
    return kind == LeaveKind::Maternity ? "Radnici koji se nalaze na porodiljskom odsustvu"_yu
                                        : "Radnici koji se nalaze na bolovanju preko 30 dana"_yu;
}

std::string leavePartName(LeaveKind kind) {
    return kind == LeaveKind::Maternity ? "Porodiljsko odsustvo"_yu : "Bolovanje preko 30 dana"_yu;
}

} // namespace zarion::compensation
