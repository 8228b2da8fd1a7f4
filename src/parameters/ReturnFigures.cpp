#include "parameters/ReturnFigures.h"

#include <string>
#include <vector>

namespace zarion::parameters {
namespace {

// The sums of one group of calculations; `columns` names the contribution base and the six
// contributions in the table summed (a missing one as 0).
struct Source {
    const char* table;
    const char* columns;
    const char* condition;
};

constexpr const char* SalaryColumns =
    "SUM(osnovica_doprinosa), SUM(Doprinosi_PIO), SUM(Doprinosi_PIO_F), SUM(Doprinosi_zo), "
    "SUM(Doprinosi_zo_F), SUM(doprinosi_nezaposlenost), SUM(doprinosi_nezaposlenost_f)";
constexpr const char* SickLeaveColumns =
    "SUM(BRUTO), SUM(Doprinosi_PIO), SUM(Doprinosi_PIO_F), SUM(Doprinosi_zo), "
    "SUM(Doprinosi_zo_F), SUM(doprinosi_nezaposlenost), SUM(doprinosi_nezaposlenost_f)";
constexpr const char* DisabilityColumns =
    "SUM(BRUTO), SUM(Doprinosi_PIO), 0, SUM(Doprinosi_zo), SUM(Doprinosi_zo_F), "
    "SUM(doprinosi_nezaposlenost), 0";

struct Sums {
    TaxFigures tax;
    ContributionFigures contributions;
};

Sums sum(db::Database& db, const Source& source, int month, int year) {
    db::Statement st = db.prepare(std::string("SELECT COUNT(*), SUM(BRUTO), SUM(Oslobodjenje), ") +
                                  source.columns + " FROM " + source.table +
                                  " WHERE MEsec = ? AND GODINA = ?" + source.condition);
    st.bindAll(month, year);
    Sums s;
    if (!st.step())
        return s;
    s.tax.paid = st.money(1);
    s.tax.nonTaxable = st.money(2);
    ContributionFigures& c = s.contributions;
    c.persons = st.integer(0);
    c.base = st.money(3);
    c.pio = st.money(4);
    c.pioFirma = st.money(5);
    c.zo = st.money(6);
    c.zoFirma = st.money(7);
    c.nez = st.money(8);
    c.nezFirma = st.money(9);
    return s;
}

const Source SalaryBases[] = {
    {"obracuni", SalaryColumns, " AND COALESCE(tip_obracuna, 0) NOT IN (3, 4)"},
    {"obracuni", SalaryColumns, " AND tip_obracuna = 3"},
    {"obracuni", SalaryColumns, " AND tip_obracuna = 4"},
};
const Source Compensations[] = {
    {"bolovanja_obracuni", SickLeaveColumns, " AND porodiljsko <> 0"},
    {"bolovanja_obracuni", SickLeaveColumns, " AND porodiljsko = 0"},
    {"invalidi_obracuni", DisabilityColumns, ""},
};

template <std::size_t N>
TaxReturnInput taxFigures(db::Database& db, const Source (&sources)[N], int month, int year,
                          bool oneColumn) {
    TaxReturnInput input;
    input.taxRate = monthTaxRate(db, month, year);
    input.columns.resize(oneColumn ? 1 : N);
    for (std::size_t i = 0; i < N; ++i) {
        const Sums s = sum(db, sources[i], month, year);
        TaxFigures& column = input.columns[oneColumn ? 0 : i];
        column.paid += s.tax.paid;
        column.nonTaxable += s.tax.nonTaxable;
        input.persons += s.contributions.persons;
    }
    return input;
}

template <std::size_t N>
std::vector<ContributionFigures> contributionFigures(db::Database& db, const Source (&sources)[N],
                                                     int month, int year) {
    std::vector<ContributionFigures> columns;
    for (const Source& source : sources)
        columns.push_back(sum(db, source, month, year).contributions);
    return columns;
}

// The rates of the month's row, else the current rates; zeros when neither is kept.
std::vector<double> rates(db::Database& db, int month, int year, const char* columns) {
    db::Statement st = db.prepare(std::string("SELECT ") + columns +
                                  " FROM parametri_po_mesecima WHERE MEsec = ? AND GODINA = ?");
    st.bindAll(month, year);
    db::Statement current = db.prepare(std::string("SELECT ") + columns + " FROM parametri");
    db::Statement* found = st.step() ? &st : current.step() ? &current : nullptr;
    std::vector<double> values(static_cast<std::size_t>(st.columnCount()));
    for (std::size_t i = 0; found && i < values.size(); ++i)
        values[i] = found->number(static_cast<int>(i));
    return values;
}

} // namespace

double monthTaxRate(db::Database& payrollDb, int month, int year) {
    return rates(payrollDb, month, year, "porez_zarade")[0];
}

ContributionRates monthContributionRates(db::Database& payrollDb, int month, int year) {
    const std::vector<double> r =
        rates(payrollDb, month, year,
              "Doprinosi_PIO, Doprinosi_PIO_F, Doprinosi_zo, Doprinosi_zo_F, "
              "doprinosi_nezaposlenost, doprinosi_nezaposlenost_f");
    return {r[0], r[1], r[2], r[3], r[4], r[5]};
}

TaxReturnInput salaryTaxFigures(db::Database& payrollDb, int month, int year) {
    return taxFigures(payrollDb, SalaryBases, month, year, true);
}

std::vector<ContributionFigures> salaryContributionFigures(db::Database& payrollDb, int month,
                                                           int year) {
    return contributionFigures(payrollDb, SalaryBases, month, year);
}

TaxReturnInput compensationTaxFigures(db::Database& payrollDb, int month, int year) {
    return taxFigures(payrollDb, Compensations, month, year, false);
}

std::vector<ContributionFigures> compensationContributionFigures(db::Database& payrollDb, int month,
                                                                 int year) {
    return contributionFigures(payrollDb, Compensations, month, year);
}

} // namespace zarion::parameters
