#include "compensation/LeaveCompensation.h"

#include <array>

#include "compensation/CompensationMath.h"
#include "compensation/RecordRows.h"
#include "employees/EmployeeRecord.h"
#include "payroll/HourFund.h"
#include "payroll/NetBasedCalculation.h"
#include "payroll/Outcome.h"

namespace zarion::compensation {
namespace {

using Row = LeaveCompensationRow;

const std::array<Field<Row>, 16> RowFields{{
    {"broj_sati", payroll::ColumnKind::Hours, &Row::broj_sati},
    {"BRUTO", payroll::ColumnKind::Money, &Row::BRUTO},
    {"porez_na_zaradu", payroll::ColumnKind::Money, &Row::porez_na_zaradu},
    {"Doprinosi_PIO", payroll::ColumnKind::Money, &Row::Doprinosi_PIO},
    {"Doprinosi_zo", payroll::ColumnKind::Money, &Row::Doprinosi_zo},
    {"doprinosi_nezaposlenost", payroll::ColumnKind::Money, &Row::doprinosi_nezaposlenost},
    {"ukupno_doprinosa", payroll::ColumnKind::Money, &Row::ukupno_doprinosa},
    {"Doprinosi_PIO_F", payroll::ColumnKind::Money, &Row::Doprinosi_PIO_F},
    {"Doprinosi_zo_F", payroll::ColumnKind::Money, &Row::Doprinosi_zo_F},
    {"doprinosi_nezaposlenost_f", payroll::ColumnKind::Money, &Row::doprinosi_nezaposlenost_f},
    {"ukupno_doprinosa_F", payroll::ColumnKind::Money, &Row::ukupno_doprinosa_F},
    {"ukupno_obaveza", payroll::ColumnKind::Money, &Row::ukupno_obaveza},
    {"NETO", payroll::ColumnKind::Money, &Row::NETO},
    {"tekuci_Racun", payroll::ColumnKind::Text, &Row::tekuci_Racun},
    {"Oslobodjenje", payroll::ColumnKind::Money, &Row::Oslobodjenje},
    {"solidarni_porez", payroll::ColumnKind::Money, &Row::solidarni_porez},
}};

std::span<const Field<Row>> storedFields() {
    return RowFields;
}

Row readRow(const db::Statement& st) {
    Row row;
    payroll::readFields(st, storedFields(), row);
    row.ID_RADNIK = st.integer("ID_RADNIK");
    row.MEsec = static_cast<int>(st.integer("MEsec"));
    row.GODINA = static_cast<int>(st.integer("GODINA"));
    row.porodiljsko = st.flag("porodiljsko");
    return row;
}

const char* const Select = "SELECT * FROM bolovanja_obracuni WHERE ";

} // namespace

Currency scaledNet(Currency caseNet, double hours, double fullMonthHours) {
    if (fullMonthHours == 0)
        return caseNet;
    return (Exact(caseNet) * Exact::decimal(hours) / Exact::decimal(fullMonthHours)).round0();
}

Currency proratedTaxFree(Currency monthTaxFree, double hours, double fullMonthHours) {
    if (fullMonthHours == 0 || hours >= fullMonthHours)
        return monthTaxFree;
    return (Exact(monthTaxFree) * Exact::decimal(hours) / Exact::decimal(fullMonthHours)).round2();
}

Outcome<Row> compensationFromNet(Row row, Currency taxFree, const payroll::MonthParameters& m,
                                 bool solidarity) {
    return payroll::withinRange([&]() -> Outcome<Row> {
        const Exact t = Exact::decimal(m.porez_zarade);
        const Exact share = Hundred - t - Exact::decimal(m.Doprinosi_PIO) -
                            Exact::decimal(m.Doprinosi_zo) -
                            Exact::decimal(m.doprinosi_nezaposlenost);
        if (share.isZero() || !(share > Exact()))
            return error(payroll::messages::ratesSumToHundred());
        row.Oslobodjenje = taxFree;
        row.BRUTO = ((Exact(row.NETO) * Hundred - Exact(taxFree) * t) / share).money();
        row.porez_na_zaradu = percentOf(row.BRUTO - taxFree, m.porez_zarade);
        row.Doprinosi_PIO = percentOf(row.BRUTO, m.Doprinosi_PIO);
        row.Doprinosi_zo = percentOf(row.BRUTO, m.Doprinosi_zo);
        row.doprinosi_nezaposlenost = percentOf(row.BRUTO, m.doprinosi_nezaposlenost);
        row.Doprinosi_PIO_F = percentOf(row.BRUTO, m.Doprinosi_PIO_F);
        row.Doprinosi_zo_F = percentOf(row.BRUTO, m.Doprinosi_zo_F);
        row.doprinosi_nezaposlenost_f = percentOf(row.BRUTO, m.doprinosi_nezaposlenost_f);
        row.ukupno_doprinosa = row.Doprinosi_PIO + row.Doprinosi_zo + row.doprinosi_nezaposlenost;
        row.ukupno_doprinosa_F =
            row.Doprinosi_PIO_F + row.Doprinosi_zo_F + row.doprinosi_nezaposlenost_f;
        row.ukupno_obaveza = row.BRUTO + row.ukupno_doprinosa_F;
        row.solidarni_porez = solidarity ? payroll::solidarityTax(row.NETO) : Currency();
        return row;
    });
}

Outcome<Row> calculateLeaveMonth(db::Database& payroll, std::int64_t employeeId, Currency caseNet,
                                 double hours, int year, int month, LeaveKind kind) {
    const auto rates = payroll::loadMonthParameters(payroll, year, month);
    if (!rates)
        return rates.refusal();
    const auto employee = employees::loadEmployee(payroll, employeeId);
    if (!employee)
        return error("Greska kod pronalazenja radnika u bazi!");
    const int full = fullMonthHours(payroll, year, month);
    Row row;
    row.ID_RADNIK = employeeId;
    row.MEsec = month;
    row.GODINA = year;
    row.porodiljsko = kind == LeaveKind::Maternity;
    row.broj_sati = hours;
    row.NETO = scaledNet(caseNet, hours, full);
    row.tekuci_Racun = employee->tekuci_Racun;
    return compensationFromNet(row, proratedTaxFree(rates->iznos_poreskog_oslobojenja, hours, full),
                               *rates, payroll::loadSettings(payroll).solidarityTax());
}

std::optional<Row> loadLeaveCompensation(db::Database& payroll, std::int64_t employeeId, int year,
                                         int month, LeaveKind kind) {
    db::Statement st =
        payroll.prepare(std::string(Select) + "id_radnik = ? AND mesec = ? AND godina = ? AND "
                                              "porodiljsko = ?");
    st.bindAll(employeeId, month, year, kind == LeaveKind::Maternity);
    if (!st.step())
        return std::nullopt;
    return readRow(st);
}

std::vector<Row> leaveCompensationsOfMonth(db::Database& payroll, int year, int month,
                                           LeaveKind kind) {
    db::Statement st =
        payroll.prepare(std::string(Select) + "mesec = ? AND godina = ? AND porodiljsko = ? "
                                              "ORDER BY ID_RADNIK");
    st.bindAll(month, year, kind == LeaveKind::Maternity);
    std::vector<Row> rows;
    while (st.step())
        rows.push_back(readRow(st));
    return rows;
}

void postLeaveCompensation(db::Database& payroll, const Row& row) {
    db::Transaction tx(payroll);
    addOrUpdate(payroll, "bolovanja_obracuni", storedFields(), row,
                {"ID_RADNIK", "MEsec", "GODINA", "porodiljsko"}, row.ID_RADNIK, row.MEsec,
                row.GODINA, row.porodiljsko);
    tx.commit();
}

} // namespace zarion::compensation
