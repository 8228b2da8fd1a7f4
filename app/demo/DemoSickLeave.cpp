#include "demo/DemoSickLeave.h"

#include <stdexcept>

#include "compensation/SickLeavePosting.h"

namespace zarion::demo {

using namespace compensation;

namespace {

// The employee at the position in the order of ids, counted from the first or from the last.
std::optional<std::int64_t> employeeAt(db::Database& payroll, int position, bool fromLast) {
    return payroll.scalar(std::string("SELECT id_radnik FROM radnici ORDER BY id_radnik ") +
                              (fromLast ? "DESC" : "ASC") + " LIMIT 1 OFFSET ?",
                          position);
}

LeaveCase openCase(db::Database& payroll, LeaveKind kind, std::int64_t employee, Date opened,
                   Currency net) {
    const LeaveCase leave{0, employee, {}, opened, openLeaveEnd(), net};
    const auto saved = saveCase(payroll, kind, leave);
    if (!saved)
        throw std::runtime_error(saved.message());
    return leave;
}

// The full month's compensation from the case's net, posted as the calculation window posts it.
void postFullMonth(db::Database& payroll, LeaveKind kind, const LeaveCase& leave, int year,
                   int month) {
    const auto amounts = calculateLeaveMonth(payroll, leave.ID_RADNIK, leave.NETO,
                                             fullMonthHours(payroll, year, month), year, month);
    if (!amounts)
        throw std::runtime_error(amounts.message());
    if (const auto refused = postLeave(payroll, kind, leave.ID_RADNIK, year, month, *amounts))
        throw std::runtime_error(refused->message);
}

} // namespace

void postMonthsWithSickLeave(db::Database& payroll, const PostedMonths& months) {
    const auto sick = employeeAt(payroll, 0, true);
    const auto mother = employeeAt(payroll, 1, false);
    if (!sick || !mother || *sick == *mother)
        return postMonths(payroll, months);
    const int last = months.lastMonth;
    // Both cases are open before the salaries are calculated, so the months they cover whole
    // are paid by the fund and not as salary.
    const LeaveCase sickLeave =
        openCase(payroll, LeaveKind::SickLeave, *sick,
                 last > 1 ? Date{months.year, last - 1, 10} : Date{months.year, 1, 1},
                 Currency::fromUnits(68000));
    const LeaveCase maternity =
        openCase(payroll, LeaveKind::Maternity, *mother, {months.year, last > 2 ? last - 2 : 1, 1},
                 Currency::fromUnits(78000));
    postMonths(payroll, months);
    postFullMonth(payroll, LeaveKind::SickLeave, sickLeave, months.year, last);
    postFullMonth(payroll, LeaveKind::Maternity, maternity, months.year, last);
}

} // namespace zarion::demo
