#include "demo/DemoSickLeave.h"

#include <stdexcept>

#include "compensation/SickLeavePosting.h"
#include "payroll/MonthParameters.h"
#include "payroll/Settings.h"

namespace zarion::demo {

using namespace compensation;

void postMonthsWithSickLeave(db::Database& payroll, const PostedMonths& months) {
    const auto employee =
        payroll.scalar("SELECT id_radnik FROM radnici ORDER BY id_radnik DESC LIMIT 1");
    if (!employee)
        return postMonths(payroll, months);
    const int last = months.lastMonth;
    const Date opened = last > 1 ? Date{months.year, last - 1, 10} : Date{months.year, 1, 1};
    const auto saved =
        saveCase(payroll, LeaveKind::SickLeave,
                 {0, *employee, {}, opened, openLeaveEnd(), Currency::fromUnits(68000)});
    if (!saved)
        throw std::runtime_error(saved.message());
    postMonths(payroll, months);

    const auto rates = payroll::loadMonthParameters(payroll, months.year, last);
    if (!rates)
        throw std::runtime_error(rates.message());
    const LeaveCase leave = casesOfMonth(payroll, LeaveKind::SickLeave, months.year, last).front();
    const LeaveStart start =
        startLeaveMonth(payroll, LeaveKind::SickLeave, leave, months.year, last);
    const LeaveMonth month{start.hours, start.hours,
                           payroll::loadSettings(payroll).solidarityTax()};
    auto amounts = leaveFromNet(netForHours(start.net, month), month, *rates);
    if (!amounts)
        throw std::runtime_error(amounts.message());
    amounts->tekuci_Racun = start.account;
    if (const auto refused =
            postLeave(payroll, LeaveKind::SickLeave, *employee, months.year, last, *amounts))
        throw std::runtime_error(refused->message);
}

} // namespace zarion::demo
