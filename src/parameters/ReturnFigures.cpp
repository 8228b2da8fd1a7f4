#include "parameters/ReturnFigures.h"

#include <functional>
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

// The sums of the source's group in the table (the source's own table, or the table of the
// advances, which has the same columns).
Sums sum(db::Database& db, const Source& source, const char* table, int month, int year) {
    db::Statement st = db.prepare(std::string("SELECT COUNT(*), SUM(BRUTO), SUM(Oslobodjenje), ") +
                                  source.columns + " FROM " + table +
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

// The second payment of a month is its final calculation less the advance; the persons are
// those of the final calculation.
void subtract(Sums& from, const Sums& advance) {
    from.tax.paid -= advance.tax.paid;
    from.tax.nonTaxable -= advance.tax.nonTaxable;
    ContributionFigures& c = from.contributions;
    const ContributionFigures& a = advance.contributions;
    c.base -= a.base;
    c.pio -= a.pio;
    c.pioFirma -= a.pioFirma;
    c.zo -= a.zo;
    c.zoFirma -= a.zoFirma;
    c.nez -= a.nez;
    c.nezFirma -= a.nezFirma;
}

using SumOf = std::function<Sums(const Source&)>;

SumOf salarySums(db::Database& db, int month, int year, SalaryPart part) {
    return [&db, month, year, part](const Source& source) {
        if (part == SalaryPart::Advance)
            return sum(db, source, "akontacija_obracuni", month, year);
        Sums sums = sum(db, source, source.table, month, year);
        if (part == SalaryPart::Rest)
            subtract(sums, sum(db, source, "akontacija_obracuni", month, year));
        return sums;
    };
}

SumOf ownSums(db::Database& db, int month, int year) {
    return [&db, month, year](const Source& source) {
        return sum(db, source, source.table, month, year);
    };
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
TaxReturnInput taxFigures(const Source (&sources)[N], const SumOf& sumOf, double taxRate,
                          bool oneColumn) {
    TaxReturnInput input;
    input.taxRate = taxRate;
    input.columns.resize(oneColumn ? 1 : N);
    for (std::size_t i = 0; i < N; ++i) {
        const Sums s = sumOf(sources[i]);
        TaxFigures& column = input.columns[oneColumn ? 0 : i];
        column.paid += s.tax.paid;
        column.nonTaxable += s.tax.nonTaxable;
        input.persons += s.contributions.persons;
    }
    return input;
}

template <std::size_t N>
std::vector<ContributionFigures> contributionFigures(const Source (&sources)[N],
                                                     const SumOf& sumOf) {
    std::vector<ContributionFigures> columns;
    for (const Source& source : sources)
        columns.push_back(sumOf(source).contributions);
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

TaxReturnInput salaryTaxFigures(db::Database& payrollDb, int month, int year, SalaryPart part) {
    return taxFigures(SalaryBases, salarySums(payrollDb, month, year, part),
                      monthTaxRate(payrollDb, month, year), true);
}

std::vector<ContributionFigures> salaryContributionFigures(db::Database& payrollDb, int month,
                                                           int year, SalaryPart part) {
    return contributionFigures(SalaryBases, salarySums(payrollDb, month, year, part));
}

TaxReturnInput compensationTaxFigures(db::Database& payrollDb, int month, int year) {
    return taxFigures(Compensations, ownSums(payrollDb, month, year),
                      monthTaxRate(payrollDb, month, year), false);
}

std::vector<ContributionFigures> compensationContributionFigures(db::Database& payrollDb, int month,
                                                                 int year) {
    return contributionFigures(Compensations, ownSums(payrollDb, month, year));
}

} // namespace zarion::parameters
