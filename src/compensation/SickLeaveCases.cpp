#include "compensation/SickLeaveCases.h"

#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::compensation {
namespace {

struct Register {
    const char* table;
    const char* key;
};

Register registerOf(LeaveKind kind) {
    return kind == LeaveKind::Maternity ? Register{"bolovanjaPOR", "id_bolovanjePOR"}
                                        : Register{"bolovanja", "id_bolovanje"};
}

} // namespace

Date openLeaveEnd() {
    return {2099, 12, 31};
}

std::string shownEnd(const LeaveCase& leave) {
    return leave.datum_zatvaranja < openLeaveEnd() ? toDisplayText(leave.datum_zatvaranja) : "";
}

std::vector<LeaveCase> overlappingCases(db::Database& payroll, LeaveKind kind, Date from, Date to) {
    const Register r = registerOf(kind);
    db::Statement st = payroll.prepare(
        std::string("SELECT b.") + r.key +
        ", b.ID_RADNIK, trim(coalesce(z.Prezime, '') || ' ' || coalesce(z.Ime, '')), "
        "b.datum_otvaranja, b.datum_zatvaranja, b.NETO FROM " +
        r.table +
        " b LEFT JOIN radnici z ON z.id_radnik = b.ID_RADNIK WHERE b.obrisano = 0 "
        "AND substr(b.datum_otvaranja, 1, 10) <= ? AND substr(b.datum_zatvaranja, 1, 10) >= ? "
        "ORDER BY b." +
        r.key);
    st.bindAll(toIsoText(to), toIsoText(from));
    std::vector<LeaveCase> cases;
    while (st.step())
        cases.push_back(
            {st.integer(0), st.integer(1), st.text(2), st.date(3), st.date(4), st.money(5)});
    sortSerbian(cases, [](const LeaveCase& c) { return c.name; });
    return cases;
}

std::vector<LeaveCase> casesOfMonth(db::Database& payroll, LeaveKind kind, int year, int month) {
    return overlappingCases(payroll, kind, {year, month, 1},
                            {year, month, DaysInMonth(month, year)});
}

Outcome<std::int64_t> saveCase(db::Database& payroll, LeaveKind kind, const LeaveCase& leave) {
    if (leave.ID_RADNIK == 0)
        return warning("Niste uneli potrebne podatke!"_yu);
    const Register r = registerOf(kind);
    if (leave.id == 0) {
        payroll.run(std::string("INSERT INTO ") + r.table +
                        " (ID_RADNIK, datum_otvaranja, datum_zatvaranja, NETO, obrisano) "
                        "VALUES (?, ?, ?, ?, 0)",
                    leave.ID_RADNIK, leave.datum_otvaranja, leave.datum_zatvaranja, leave.NETO);
        return payroll.lastInsertId();
    }
    payroll.run(std::string("UPDATE ") + r.table +
                    " SET ID_RADNIK = ?, datum_otvaranja = ?, datum_zatvaranja = ?, NETO = ? "
                    "WHERE obrisano = 0 AND " +
                    r.key + " = ?",
                leave.ID_RADNIK, leave.datum_otvaranja, leave.datum_zatvaranja, leave.NETO,
                leave.id);
    if (payroll.changes() == 0)
        return error("GRESKA! Nije pronadjeno otvoreno bolovanje u bazi!"_yu);
    return leave.id;
}

Refused removeCase(db::Database& payroll, LeaveKind kind, std::int64_t id) {
    const Register r = registerOf(kind);
    payroll.run(std::string("UPDATE ") + r.table + " SET obrisano = 1 WHERE obrisano = 0 AND " +
                    r.key + " = ?",
                id);
    if (payroll.changes() == 0)
        return error("Greska kod pronalazenja bolovanja!"_yu);
    return std::nullopt;
}

std::string removalQuestion(const LeaveCase& leave) {
    return "Da li ste sigurni da zelite da obrisete bolovanje: "_yu + leave.name +
           " od:" + toDisplayText(leave.datum_otvaranja) +
           " do:" + toDisplayText(leave.datum_zatvaranja);
}

bool endsWithinMonth(const LeaveCase& leave, int year, int month) {
    return leave.datum_zatvaranja < Date{year, month, DaysInMonth(month, year)};
}

} // namespace zarion::compensation
