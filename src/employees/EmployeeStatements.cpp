#include "employees/EmployeeStatements.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"

namespace zarion::employees {

namespace {

bool validMonth(int month, int year) {
    return month >= 1 && month <= 12 && year >= 1900 && year <= 9999;
}

// Salary and compensation rows of one employee, side by side, to be summed per month.
constexpr const char* MonthRows =
    "SELECT MEsec, GODINA, broj_sati, BRUTO, porez_na_zaradu, Doprinosi_PIO, Doprinosi_PIO_F, "
    "Doprinosi_zo, Doprinosi_zo_F, doprinosi_nezaposlenost, doprinosi_nezaposlenost_f, NETO, "
    "Oslobodjenje FROM obracuni WHERE ID_RADNIK = ?1 "
    "UNION ALL "
    "SELECT MEsec, GODINA, broj_sati, BRUTO, porez_na_zaradu, Doprinosi_PIO, Doprinosi_PIO_F, "
    "Doprinosi_zo, Doprinosi_zo_F, doprinosi_nezaposlenost, doprinosi_nezaposlenost_f, NETO, "
    "Oslobodjenje FROM bolovanja_obracuni WHERE ID_RADNIK = ?1";

StatementMonth& operator+=(StatementMonth& sum, const StatementMonth& m) {
    sum.hours += m.hours;
    sum.bruto += m.bruto;
    sum.porez += m.porez;
    sum.pioEmployee += m.pioEmployee;
    sum.pioEmployer += m.pioEmployer;
    sum.healthEmployee += m.healthEmployee;
    sum.healthEmployer += m.healthEmployer;
    sum.unemploymentEmployee += m.unemploymentEmployee;
    sum.unemploymentEmployer += m.unemploymentEmployer;
    sum.neto += m.neto;
    sum.nonTaxable += m.nonTaxable;
    return sum;
}

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

} // namespace

Refused checkPeriod(const StatementPeriod& p) {
    if (!validMonth(p.fromMonth, p.fromYear) || !validMonth(p.toMonth, p.toYear))
        return warning("Niste dobro odabrali period!");
    if (Period(p.fromYear, p.fromMonth) > Period(p.toYear, p.toMonth))
        return warning("Niste izbrali dobar period!");
    return std::nullopt;
}

std::vector<StatementMonth> statementMonths(db::Database& db, std::int64_t employee,
                                            const StatementPeriod& period) {
    db::Statement st = db.prepare(
        std::string("SELECT MEsec, GODINA, SUM(broj_sati), SUM(BRUTO), SUM(porez_na_zaradu), "
                    "SUM(Doprinosi_PIO), SUM(Doprinosi_PIO_F), SUM(Doprinosi_zo), "
                    "SUM(Doprinosi_zo_F), SUM(doprinosi_nezaposlenost), "
                    "SUM(doprinosi_nezaposlenost_f), SUM(NETO), SUM(Oslobodjenje) FROM (") +
        MonthRows +
        ") WHERE GODINA * 100 + MEsec BETWEEN ?2 AND ?3 GROUP BY GODINA, MEsec "
        "ORDER BY GODINA, MEsec");
    st.bindAll(employee, Period(period.fromYear, period.fromMonth),
               Period(period.toYear, period.toMonth));
    std::vector<StatementMonth> months;
    while (st.step()) {
        StatementMonth& m = months.emplace_back();
        m.month = static_cast<int>(st.integer(0));
        m.year = static_cast<int>(st.integer(1));
        m.hours = st.number(2);
        m.bruto = st.money(3);
        m.porez = st.money(4);
        m.pioEmployee = st.money(5);
        m.pioEmployer = st.money(6);
        m.healthEmployee = st.money(7);
        m.healthEmployer = st.money(8);
        m.unemploymentEmployee = st.money(9);
        m.unemploymentEmployer = st.money(10);
        m.neto = st.money(11);
        m.nonTaxable = st.money(12);
    }
    return months;
}

StatementMonth statementTotals(const std::vector<StatementMonth>& months) {
    StatementMonth sum;
    for (const StatementMonth& m : months)
        sum += m;
    return sum;
}

const std::vector<std::string>& statementHeadings() {
    static const std::vector<std::string> headings = {
        "Mesec",          "Godina",        "Ef. sati",       "Bruto",         "Porez",
        "Dop.PIO radnik", "Dop.PIO posl.", "Dop.Zdr radnik", "Dop.Zdr posl.", "Dop.Nez.radnik",
        "Dop.Nez.posl.",  "NETO",          "Neoporezivo"};
    return headings;
}

std::string statementText(const StatementMonth& m, int column) {
    switch (column) {
    case 0:
        return std::to_string(m.month);
    case 1:
        return std::to_string(m.year);
    case 2:
        return shortestDecimal(m.hours);
    case 3:
        return amount(m.bruto);
    case 4:
        return amount(m.porez);
    case 5:
        return amount(m.pioEmployee);
    case 6:
        return amount(m.pioEmployer);
    case 7:
        return amount(m.healthEmployee);
    case 8:
        return amount(m.healthEmployer);
    case 9:
        return amount(m.unemploymentEmployee);
    case 10:
        return amount(m.unemploymentEmployer);
    case 11:
        return amount(m.neto);
    case 12:
        return amount(m.nonTaxable);
    default:
        return {};
    }
}

std::string incomeCountSentence(int months) {
    const std::string opening = "U navedenom periodu zaposleni je ostvario pravo na ukupno ";
    switch (months) {
    case 1:
        return opening + "1 li~ni dohodak."_yu;
    case 2:
    case 3:
    case 4:
        return opening + std::to_string(months) + " li~na dohotka."_yu;
    default:
        return opening + std::to_string(months) + " li~nih dohodaka."_yu;
    }
}

AnnualIncomes annualIncomes(db::Database& db, std::int64_t employee, int year) {
    AnnualIncomes incomes;
    {
        db::Statement st =
            db.prepare(std::string("SELECT SUM(BRUTO), SUM(Oslobodjenje), SUM(porez_na_zaradu), "
                                   "SUM(IFNULL(Doprinosi_PIO, 0) + IFNULL(Doprinosi_zo, 0) + "
                                   "IFNULL(doprinosi_nezaposlenost, 0)) FROM (") +
                       MonthRows + ") WHERE GODINA = ?2");
        st.bindAll(employee, year);
        st.step();
        AnnualIncome& e = incomes.employment;
        e.gross = st.money(0);
        e.reliefs = st.money(1);
        e.taxBase = e.gross - e.reliefs;
        e.tax = st.money(2);
        e.contributions = st.money(3);
    }
    db::Statement st = db.prepare(
        "SELECT SUM(o.BRUTO), SUM(o.normirani_troskovi), SUM(o.neoporezivi_deo), "
        "SUM(o.OSnovica_porez), SUM(o.POrez_iznos), "
        "SUM(IFNULL(o.Doprinosi_PIO, 0) + IFNULL(o.Doprinosi_zo, 0) + IFNULL(o.Doprinosi_nez, 0)) "
        "FROM obracun_ostale_zarade o JOIN nalozi_ostale_zarade n ON n.id_noz = o.id_noz "
        "WHERE o.ID_RADNIK = ? AND IFNULL(n.obrisan, 0) = 0 "
        "AND CAST(substr(n.Datum, 1, 4) AS INTEGER) = ?");
    st.bindAll(employee, year);
    st.step();
    AnnualIncome& o = incomes.other;
    o.gross = st.money(0);
    o.standardCosts = st.money(1);
    o.reliefs = st.money(2);
    o.taxBase = st.money(3);
    o.tax = st.money(4);
    o.contributions = st.money(5);
    return incomes;
}

} // namespace zarion::employees
