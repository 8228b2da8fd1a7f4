#include "compensation/DisabledCompensation.h"

#include <array>

#include "compensation/CompensationMath.h"
#include "compensation/RecordRows.h"
#include "core/SerbianOrder.h"
#include "employees/EmployeeRecord.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"

namespace zarion::compensation {
namespace {

using Row = DisabledCalculation;
using payroll::ColumnKind;

const std::array<Field<Row>, 9> RowFields{{
    {"broj_sati", ColumnKind::Hours, &Row::broj_sati},
    {"NETO", ColumnKind::Money, &Row::NETO},
    {"uskladjeni", ColumnKind::Money, &Row::uskladjeni},
    {"porez_na_zaradu", ColumnKind::Money, &Row::porez_na_zaradu},
    {"Doprinosi_zo_F", ColumnKind::Money, &Row::Doprinosi_zo_F},
    {"BRUTO", ColumnKind::Money, &Row::BRUTO},
    {"za_refundaciju", ColumnKind::Money, &Row::za_refundaciju},
    {"tekuci_Racun", ColumnKind::Text, &Row::tekuci_Racun},
    {"DZO_Procenat", ColumnKind::Rate, &Row::DZO_Procenat},
}};

Row readRow(const db::Statement& st) {
    Row row;
    payroll::readFields<Row>(st, RowFields, row);
    row.ID_RADNIK = st.integer("ID_RADNIK");
    row.MEsec = static_cast<int>(st.integer("MEsec"));
    row.GODINA = static_cast<int>(st.integer("GODINA"));
    return row;
}

std::vector<Row> readRows(db::Statement& st) {
    std::vector<Row> rows;
    while (st.step())
        rows.push_back(readRow(st));
    return rows;
}

} // namespace

std::vector<DisabledPerson> disabledPersons(db::Database& payroll) {
    db::Statement st = payroll.prepare(
        "SELECT invalidi.id_invalid, invalidi.id_radnik, invalidi.kategorija, invalidi.naknada, "
        "radnici.Prezime || ' ' || radnici.Ime, radnici.JMBG FROM invalidi, radnici "
        "WHERE invalidi.id_radnik = radnici.id_radnik");
    std::vector<DisabledPerson> persons;
    while (st.step())
        persons.push_back(
            {st.integer(0), st.integer(1), st.text(2), st.money(3), st.text(4), st.text(5)});
    sortSerbian(persons, [](const DisabledPerson& p) { return p.name; });
    return persons;
}

Refused addDisabledPerson(db::Database& payroll, std::int64_t employeeId,
                          const std::string& category, Currency compensation) {
    if (payroll.scalar("SELECT COUNT(*) FROM invalidi WHERE id_radnik = ?", employeeId)
            .value_or(0) > 0)
        return warning("Vec ste ubacili invalida!");
    payroll.run("INSERT INTO invalidi (id_radnik, kategorija, naknada) VALUES (?, ?, ?)",
                employeeId, category, compensation);
    return std::nullopt;
}

Refused changeDisabledCompensation(db::Database& payroll, std::int64_t id_invalid,
                                   Currency compensation) {
    payroll.run("UPDATE invalidi SET naknada = ? WHERE id_invalid = ?", compensation, id_invalid);
    if (payroll.changes() == 0)
        return error("Greska kod pronalazenja invalida!");
    return std::nullopt;
}

std::optional<DisabledControl> loadDisabledControl(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT m2003, p2003, zadnji_procenat, uskladjen, "
                                       "Doprinosi_zo, tekuci_zo FROM invalidi_kontrol LIMIT 1");
    if (!st.step())
        return std::nullopt;
    return DisabledControl{st.money(0), st.money(1),  st.number(2),
                           st.money(3), st.number(4), st.text(5)};
}

void saveDisabledControl(db::Database& payroll, const DisabledControl& c) {
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM invalidi_kontrol");
    payroll.run("INSERT INTO invalidi_kontrol (m2003, p2003, zadnji_procenat, uskladjen, "
                "Doprinosi_zo, tekuci_zo) VALUES (?, ?, ?, ?, ?, ?)",
                c.m2003, c.p2003, c.zadnji_procenat, c.uskladjen, c.Doprinosi_zo, c.tekuci_zo);
    tx.commit();
}

Outcome<DisabledFigures> disabledFigures(Currency net, Currency adjusted, double taxRate,
                                         double healthRate) {
    return payroll::withinRange([&]() -> Outcome<DisabledFigures> {
        const Exact share = Hundred - Exact::decimal(taxRate);
        if (!(share > Exact()))
            return error(payroll::messages::ratesSumToHundred());
        DisabledFigures f;
        f.paid = net > adjusted ? net : adjusted;
        f.gross = (Exact(f.paid) * Hundred / share).round2();
        f.tax = f.gross - f.paid;
        f.health = percentOf(f.paid, healthRate);
        f.refund = f.gross + f.health;
        return f;
    });
}

Outcome<Row> disabledCalculation(db::Database& payroll, std::int64_t employeeId, int year,
                                 int month) {
    const auto control = loadDisabledControl(payroll);
    if (!control)
        return warning("Unesite parametre za obracun naknada invalida");
    db::Statement st = payroll.prepare("SELECT * FROM invalidi_obracuni WHERE id_radnik = ? AND "
                                       "godina = ? AND mesec = ?");
    st.bindAll(employeeId, year, month);
    if (st.step())
        return readRow(st);
    db::Statement person = payroll.prepare("SELECT naknada FROM invalidi WHERE id_radnik = ?");
    person.bindAll(employeeId);
    const auto employee = employees::loadEmployee(payroll, employeeId);
    if (!person.step() || !employee)
        return error("Greska kod pronalazenja radnika u bazi!");
    Row row;
    row.ID_RADNIK = employeeId;
    row.MEsec = month;
    row.GODINA = year;
    row.broj_sati = payroll::hourFund(year, month, payroll::loadSettings(payroll)).hours;
    row.NETO = person.money(0);
    row.uskladjeni = control->uskladjen;
    row.tekuci_Racun = employee->tekuci_Racun;
    row.DZO_Procenat = control->Doprinosi_zo;
    return row;
}

Outcome<Row> calculateDisabled(db::Database& payroll, Row row) {
    const auto control = loadDisabledControl(payroll);
    if (!control)
        return warning("Unesite parametre za obracun naknada invalida");
    const auto month = payroll::loadMonthParameters(payroll, row.GODINA, row.MEsec);
    if (!month)
        return month.refusal();
    const auto figures =
        disabledFigures(row.NETO, row.uskladjeni, month->porez_zarade, control->Doprinosi_zo);
    if (!figures)
        return figures.refusal();
    row.BRUTO = figures->gross;
    row.porez_na_zaradu = figures->tax;
    row.Doprinosi_zo_F = figures->health;
    row.za_refundaciju = figures->refund;
    row.DZO_Procenat = control->Doprinosi_zo;
    return row;
}

void postDisabledCalculation(db::Database& payroll, const Row& row) {
    db::Transaction tx(payroll);
    addOrUpdate<Row>(payroll, "invalidi_obracuni", RowFields, row, {"ID_RADNIK", "MEsec", "GODINA"},
                     row.ID_RADNIK, row.MEsec, row.GODINA);
    tx.commit();
}

std::vector<Row> disabledCalculationsOfMonth(db::Database& payroll, int year, int month) {
    db::Statement st = payroll.prepare(
        "SELECT * FROM invalidi_obracuni WHERE mesec = ? AND godina = ? ORDER BY ID_RADNIK");
    st.bindAll(month, year);
    return readRows(st);
}

} // namespace zarion::compensation
