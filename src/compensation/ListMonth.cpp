#include "compensation/ListMonth.h"

#include <optional>
#include <string>

namespace zarion::compensation {
namespace {

int workingYear(const AppContext& context) {
    return context.WorkYear != 0 ? context.WorkYear : context.clock.today().year;
}

// The latest month of the year among the table's rows that pass the condition.
std::optional<int> latestMonth(db::Database& payroll, const std::string& table,
                               const std::string& condition, int year) {
    db::Statement st =
        payroll.prepare("SELECT max(MEsec) FROM " + table + " WHERE GODINA = ? AND " + condition);
    st.bindAll(year);
    if (!st.step() || st.isNull(0))
        return std::nullopt;
    return static_cast<int>(st.integer(0));
}

std::optional<int> latestLeaveMonth(const AppContext& context, LeaveKind kind, int year) {
    return latestMonth(*context.PayrollDb, "bolovanja_obracuni",
                       kind == LeaveKind::Maternity ? "porodiljsko <> 0" : "porodiljsko = 0", year);
}

ListMonth listMonth(const AppContext& context, int year, std::optional<int> latest,
                    LeaveKind kind = LeaveKind::SickLeave) {
    return {year, latest.value_or(context.clock.today().month), kind};
}

} // namespace

ListMonth workingMonth(const AppContext& context) {
    return listMonth(context, workingYear(context), std::nullopt);
}

ListMonth leaveListMonth(const AppContext& context, LeaveKind kind) {
    const int year = workingYear(context);
    return listMonth(context, year, latestLeaveMonth(context, kind, year), kind);
}

ListMonth anyLeaveListMonth(const AppContext& context) {
    const int year = workingYear(context);
    const std::optional<int> sick = latestLeaveMonth(context, LeaveKind::SickLeave, year);
    const std::optional<int> maternity = latestLeaveMonth(context, LeaveKind::Maternity, year);
    if (maternity && (!sick || *maternity > *sick))
        return listMonth(context, year, maternity, LeaveKind::Maternity);
    return listMonth(context, year, sick);
}

ListMonth disabledListMonth(const AppContext& context) {
    const int year = workingYear(context);
    return listMonth(context, year,
                     latestMonth(*context.PayrollDb, "invalidi_obracuni", "1", year));
}

} // namespace zarion::compensation
