#include "outputs/PayrollList.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

using payroll::Field;
using payroll::SalaryResult;

const char* calculationTable(const ListSelection& selection) {
    return selection.firstPart() ? "akontacija_obracuni" : "obracuni";
}

} // namespace

ListedEmployee readListedEmployee(const db::Statement& row) {
    ListedEmployee e;
    e.Prezime = row.text("r_Prezime");
    e.Ime = row.text("r_Ime");
    e.JMBG = row.text("r_JMBG");
    e.radno_mesto = row.text("r_radno_mesto");
    e.sss = row.text("r_sss");
    e.ADRESA = row.text("r_ADRESA");
    e.vrsta = row.text("r_vrsta");
    e.id_rj = row.integer("r_id_rj");
    e.ID_BAnka = row.integer("r_ID_BAnka");
    e.sifra_opstine = static_cast<int>(row.integer("r_sifra_opstine"));
    e.vlasnik = row.flag("r_vlasnik");
    return e;
}

std::vector<std::pair<int, const Field<SalaryResult>*>> resultColumns(const db::Statement& row) {
    std::vector<std::pair<int, const Field<SalaryResult>*>> columns;
    for (int i = 0; i < row.columnCount(); ++i)
        if (const auto* field =
                payroll::findField(payroll::salaryResultFields(), row.columnName(i)))
            columns.emplace_back(i, field);
    return columns;
}

std::string listedEmployeeColumns() {
    return "r.id_radnik AS r_id, r.Prezime AS r_Prezime, r.Ime AS r_Ime, r.JMBG AS r_JMBG, "
           "r.radno_mesto AS r_radno_mesto, r.sss AS r_sss, r.ADRESA AS r_ADRESA, "
           "r.vrsta AS r_vrsta, r.id_rj AS r_id_rj, r.ID_BAnka AS r_ID_BAnka, "
           "r.sifra_opstine AS r_sifra_opstine, r.vlasnik AS r_vlasnik";
}

std::string listUnitName(db::Database& payroll, std::int64_t unit) {
    if (unit == 0)
        return "Sve radne jedinice"_yu;
    db::Statement st = payroll.prepare("SELECT Naziv FROM radne_jedinice WHERE id_rj = ?");
    st.bindAll(unit);
    return st.step() ? st.text(0) : std::string();
}

namespace {

// Sums of one column of rows keyed by the calculation they belong to.
std::map<std::int64_t, Currency> sumsByCalculation(db::Statement st) {
    std::map<std::int64_t, Currency> sums;
    while (st.step())
        sums[st.integer(0)] = st.money(1);
    return sums;
}

std::map<std::int64_t, Currency> deductionSums(db::Database& payroll,
                                               const ListSelection& selection) {
    db::Statement st = payroll.prepare(
        std::string("SELECT b.Id_obracun, SUM(b.Iznos) FROM obracun_obustava b INNER JOIN ") +
        calculationTable(selection) +
        " o ON o.Id_obracun = b.Id_obracun WHERE b.AKONTACIJA = ? AND o.MEsec = ? AND "
        "o.GODINA = ? GROUP BY b.Id_obracun");
    st.bindAll(selection.firstPart(), selection.month, selection.year);
    return sumsByCalculation(std::move(st));
}

std::map<std::int64_t, Currency> linkedOtherIncome(db::Database& payroll,
                                                   const ListSelection& selection) {
    if (selection.firstPart())
        return {};
    db::Statement st =
        payroll.prepare("SELECT v.ID_obracun, SUM(z.NETO) FROM obracuni_ostale_zarade_veza v "
                        "INNER JOIN obracun_ostale_zarade z ON z.id_ooz = v.ID_OOz "
                        "INNER JOIN obracuni o ON o.Id_obracun = v.ID_obracun "
                        "WHERE o.MEsec = ? AND o.GODINA = ? GROUP BY v.ID_obracun");
    st.bindAll(selection.month, selection.year);
    return sumsByCalculation(std::move(st));
}

Currency valueOr0(const std::map<std::int64_t, Currency>& sums, std::int64_t key) {
    const auto it = sums.find(key);
    return it == sums.end() ? Currency() : it->second;
}

bool byName(const PayrollRow& a, const PayrollRow& b) {
    const std::vector<int> ka = serbianSortKey(a.fullName());
    const std::vector<int> kb = serbianSortKey(b.fullName());
    if (ka != kb)
        return ka < kb;
    return a.Id_obracun < b.Id_obracun;
}

} // namespace

std::string PayrollRow::fullName() const {
    return employee.Prezime + " " + employee.Ime;
}

double PayrollRow::effectiveHours() const {
    return calc.broj_sati + calc.produzeni_rad_s;
}

Currency PayrollRow::contributionBase() const {
    return calc.osnovica_doprinosa.isZero() ? calc.BRUTO : calc.osnovica_doprinosa;
}

int PayrollRow::serviceYears() const {
    return calc.ukradni_staz != 0 ? calc.ukradni_staz : calc.god_staza;
}

void PayrollTotals::add(const PayrollRow& row) {
    const SalaryResult& c = row.calc;
    BRUTO += c.BRUTO;
    porez_na_zaradu += c.porez_na_zaradu;
    Doprinosi_PIO += c.Doprinosi_PIO;
    Doprinosi_zo += c.Doprinosi_zo;
    doprinosi_nezaposlenost += c.doprinosi_nezaposlenost;
    Doprinosi_PIO_F += c.Doprinosi_PIO_F;
    Doprinosi_zo_F += c.Doprinosi_zo_F;
    doprinosi_nezaposlenost_f += c.doprinosi_nezaposlenost_f;
    doprinosi_ro_f += c.doprinosi_ro_f;
    doprinosi_ro_f2 += c.doprinosi_ro_f2;
    doprinosi_ro_f3 += c.doprinosi_ro_f3;
    NETO += c.NETO;
    deductions += row.deductions;
    toPay += row.toPay();
    solidarni_porez += c.solidarni_porez;
    Oslobodjenje += c.Oslobodjenje;
    contributionBase += row.contributionBase();
}

std::vector<const PayrollRow*> PayrollList::allRows() const {
    std::vector<const PayrollRow*> rows;
    rows.reserve(employees.size() + owners.size());
    for (const PayrollRow& row : employees)
        rows.push_back(&row);
    for (const PayrollRow& row : owners)
        rows.push_back(&row);
    return rows;
}

Outcome<PayrollList> loadPayrollList(db::Database& payroll, const ListSelection& selection) {
    auto rates = payroll::loadMonthParameters(payroll, selection.year, selection.month);
    if (!rates)
        return rates.refusal();
    PayrollList list;
    list.selection = selection;
    list.rates = *rates;
    list.unitName = listUnitName(payroll, selection.unit);

    const auto deductions = deductionSums(payroll, selection);
    const auto linked = linkedOtherIncome(payroll, selection);
    db::Statement row = payroll.prepare(
        "SELECT o.*, " + listedEmployeeColumns() + " FROM " + calculationTable(selection) +
        " o LEFT JOIN radnici r ON r.id_radnik = o.ID_RADNIK WHERE o.MEsec = ? AND o.GODINA = ? "
        "AND (? = 0 OR r.id_rj = ?) ORDER BY o.Id_obracun");
    row.bindAll(selection.month, selection.year, selection.unit, selection.unit);
    std::vector<std::pair<int, const Field<SalaryResult>*>> columns;
    while (row.step()) {
        if (columns.empty())
            columns = resultColumns(row);
        PayrollRow r;
        r.Id_obracun = row.integer("Id_obracun");
        r.id_radnik = row.integer("ID_RADNIK");
        if (row.isNull("r_id")) {
            list.missingEmployees.push_back(r.id_radnik);
            continue;
        }
        r.employee = readListedEmployee(row);
        for (const auto& [column, field] : columns)
            payroll::readField(row, column, *field, r.calc);
        r.na_ruke = row.money("na_ruke");
        r.days = static_cast<int>(row.integer("m4dani"));
        r.deductions = valueOr0(deductions, r.Id_obracun);
        r.linkedOtherNet = valueOr0(linked, r.Id_obracun);
        list.totals.add(r);
        (r.employee.vlasnik ? list.owners : list.employees).push_back(std::move(r));
    }
    std::sort(list.employees.begin(), list.employees.end(), byName);
    std::sort(list.owners.begin(), list.owners.end(), byName);
    return list;
}

std::string missingEmployeeMessage(std::int64_t id_radnik) {
    return "Greska kod pronalazenja ranika sa ID: " + std::to_string(id_radnik) + " u bazi!";
}

} // namespace zarion::outputs
