#include "compensation/SickLeavePosting.h"

#include <array>

#include "core/Text.h"
#include "payroll/HourFund.h"
#include "payroll/Settings.h"

namespace zarion::compensation {
namespace {

using payroll::ColumnKind;
using F = payroll::Field<LeaveAmounts>;
using A = LeaveAmounts;

constexpr std::array<F, 16> Fields{{
    {"broj_sati", ColumnKind::Hours, &A::broj_sati},
    {"BRUTO", ColumnKind::Money, &A::BRUTO},
    {"porez_na_zaradu", ColumnKind::Money, &A::porez_na_zaradu},
    {"Doprinosi_PIO", ColumnKind::Money, &A::Doprinosi_PIO},
    {"Doprinosi_zo", ColumnKind::Money, &A::Doprinosi_zo},
    {"doprinosi_nezaposlenost", ColumnKind::Money, &A::doprinosi_nezaposlenost},
    {"ukupno_doprinosa", ColumnKind::Money, &A::ukupno_doprinosa},
    {"Doprinosi_PIO_F", ColumnKind::Money, &A::Doprinosi_PIO_F},
    {"Doprinosi_zo_F", ColumnKind::Money, &A::Doprinosi_zo_F},
    {"doprinosi_nezaposlenost_f", ColumnKind::Money, &A::doprinosi_nezaposlenost_f},
    {"ukupno_doprinosa_F", ColumnKind::Money, &A::ukupno_doprinosa_F},
    {"ukupno_obaveza", ColumnKind::Money, &A::ukupno_obaveza},
    {"NETO", ColumnKind::Money, &A::NETO},
    {"tekuci_Racun", ColumnKind::Text, &A::tekuci_Racun},
    {"Oslobodjenje", ColumnKind::Money, &A::Oslobodjenje},
    {"solidarni_porez", ColumnKind::Money, &A::solidarni_porez},
}};

std::string columnList(const char* separator, const char* suffix) {
    std::string text;
    for (const F& field : Fields)
        text += (text.empty() ? "" : separator) + std::string(field.name) + suffix;
    return text;
}

std::string placeholders(int count) {
    std::string text = "?";
    for (int i = 1; i < count; ++i)
        text += ", ?";
    return text;
}

const char* const RowOfMonth =
    " WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ? AND porodiljsko = ?";

LeaveAmounts readAmounts(const db::Statement& st) {
    LeaveAmounts amounts;
    payroll::readFields<LeaveAmounts>(st, Fields, amounts);
    return amounts;
}

std::optional<std::string> employeeAccount(db::Database& payroll, std::int64_t id_radnik) {
    db::Statement employee =
        payroll.prepare("SELECT tekuci_Racun FROM radnici WHERE id_radnik = ?");
    employee.bindAll(id_radnik);
    if (!employee.step())
        return std::nullopt;
    return employee.text(0);
}

void bindAmounts(db::Statement& st, const LeaveAmounts& amounts) {
    int index = 0;
    for (const F& field : Fields)
        std::visit([&](auto member) { st.bind(++index, amounts.*member); }, field.member);
}

} // namespace

std::span<const payroll::Field<LeaveAmounts>> leaveAmountFields() {
    return Fields;
}

std::optional<LeaveAmounts> postedLeave(db::Database& payroll, LeaveKind kind,
                                        std::int64_t id_radnik, int year, int month) {
    db::Statement st =
        payroll.prepare("SELECT " + columnList(", ", "") + " FROM bolovanja_obracuni" + RowOfMonth);
    st.bindAll(id_radnik, month, year, kind == LeaveKind::Maternity);
    if (!st.step())
        return std::nullopt;
    return readAmounts(st);
}

std::vector<PostedLeave> postedLeavesOfMonth(db::Database& payroll, LeaveKind kind, int year,
                                             int month) {
    db::Statement st = payroll.prepare("SELECT ID_RADNIK, " + columnList(", ", "") +
                                       " FROM bolovanja_obracuni WHERE MEsec = ? AND GODINA = ? "
                                       "AND porodiljsko = ? ORDER BY ID_RADNIK");
    st.bindAll(month, year, kind == LeaveKind::Maternity);
    std::vector<PostedLeave> rows;
    while (st.step())
        rows.push_back({st.integer("ID_RADNIK"), readAmounts(st)});
    return rows;
}

Refused postLeave(db::Database& payroll, LeaveKind kind, std::int64_t id_radnik, int year,
                  int month, const LeaveAmounts& amounts) {
    if (id_radnik == 0)
        return warning("Niste uneli potrebne podatke!"_yu);
    const bool maternity = kind == LeaveKind::Maternity;
    const int n = static_cast<int>(Fields.size());
    db::Transaction tx(payroll);
    db::Statement st = payroll.prepare(
        postedLeave(payroll, kind, id_radnik, year, month)
            ? "UPDATE bolovanja_obracuni SET " + columnList(", ", " = ?") + RowOfMonth
            : "INSERT INTO bolovanja_obracuni (" + columnList(", ", "") +
                  ", ID_RADNIK, MEsec, GODINA, porodiljsko) VALUES (" + placeholders(n + 4) + ")");
    bindAmounts(st, amounts);
    st.bind(n + 1, id_radnik).bind(n + 2, month).bind(n + 3, year).bind(n + 4, maternity);
    st.run();
    tx.commit();
    return std::nullopt;
}

int fullMonthHours(db::Database& payroll, int year, int month) {
    return payroll::hourFund(year, month, payroll::loadSettings(payroll)).hours;
}

Outcome<LeaveAmounts> calculateLeaveMonth(db::Database& payroll, std::int64_t id_radnik,
                                          Currency caseNet, double hours, int year, int month) {
    const auto rates = payroll::loadMonthParameters(payroll, year, month);
    if (!rates)
        return rates.refusal();
    const auto account = employeeAccount(payroll, id_radnik);
    if (!account)
        return error("Greska kod pronalazenja radnika u bazi!");
    const LeaveMonth leave{hours, static_cast<double>(fullMonthHours(payroll, year, month)),
                           payroll::loadSettings(payroll).solidarityTax()};
    auto amounts = leaveFromNet(netForHours(caseNet, leave), leave, *rates);
    if (amounts)
        amounts->tekuci_Racun = *account;
    return amounts;
}

payroll::MonthParameters currentRates(db::Database& payroll) {
    payroll::MonthParameters rates;
    db::Statement row = payroll.prepare("SELECT * FROM parametri");
    if (row.step())
        for (int column = 0; column < row.columnCount(); ++column)
            if (const auto* field =
                    payroll::findField(payroll::monthParameterFields(), row.columnName(column)))
                payroll::readField(row, column, *field, rates);
    return rates;
}

LeaveStart startLeaveMonth(db::Database& payroll, LeaveKind kind, const LeaveCase& leave, int year,
                           int month) {
    LeaveStart start;
    start.account = employeeAccount(payroll, leave.ID_RADNIK).value_or(std::string());
    start.posted = postedLeave(payroll, kind, leave.ID_RADNIK, year, month);
    if (start.posted) {
        start.hours = start.posted->broj_sati;
        start.net = start.posted->NETO;
        return start;
    }
    start.hours = fullMonthHours(payroll, year, month);
    start.net = leave.NETO;
    start.askHours = endsWithinMonth(leave, year, month);
    return start;
}

std::string hoursWarning() {
    return "PAZNJA! Bolovanje se zavrsava u izabranom mesecu. Unesite ispravan broj sati!"_yu;
}

} // namespace zarion::compensation
