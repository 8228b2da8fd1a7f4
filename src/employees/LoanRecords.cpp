#include "employees/LoanRecords.h"

#include "core/Dates.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "employees/EmployeeSearch.h"
#include "employees/LoanSchedule.h"

namespace zarion::employees {
namespace {

constexpr const char* LoanColumns =
    "SELECT o.id_or, o.id_obustava, o.ID_RADNIK, o.POCETAK, o.kraj, o.valuta, o.Iznos, "
    "o.prvi_deo, o.drugi_deo, o.ukupno_meseci, o.sifra_placanja, o.model, o.POziv_na_broj, "
    "o.Opis, trim(coalesce(r.Prezime, '') || ' ' || coalesce(r.Ime, '')), p.obustava, "
    "(SELECT SUM(b.Iznos) FROM obracun_obustava b WHERE b.id_or = o.id_or) "
    "FROM obustave_radnici o "
    "LEFT JOIN radnici r ON r.id_radnik = o.ID_RADNIK "
    "INNER JOIN obustaveproc p ON p.id_obustava_proc = o.id_obustava AND p.Tip = 3 ";

LoanLine readLine(const db::Statement& st) {
    LoanLine line;
    Loan& l = line.loan;
    l.id_or = st.integer(0);
    l.id_obustava = st.integer(1);
    l.ID_RADNIK = st.integer(2);
    const Date start = st.date(3);
    const Date end = st.date(4);
    l.startMonth = start.month;
    l.startYear = start.year;
    l.endMonth = end.month;
    l.endYear = end.year;
    l.valuta = static_cast<int>(st.integer(5));
    l.Iznos = st.money(6);
    l.prvi_deo = st.money(7);
    l.drugi_deo = st.money(8);
    l.ukupno_meseci = static_cast<int>(st.integer(9));
    l.sifra_placanja = st.text(10);
    l.model = st.text(11);
    l.POziv_na_broj = st.text(12);
    l.Opis = st.text(13);
    line.employee = st.text(14);
    line.creditor = st.text(15);
    line.paid = st.money(16);
    return line;
}

template <typename... Args>
std::vector<LoanLine> readLines(db::Database& db, const std::string& where, const Args&... args) {
    std::vector<LoanLine> lines;
    auto st = db.prepare(LoanColumns + where);
    st.bindAll(args...);
    while (st.step())
        lines.push_back(readLine(st));
    return lines;
}

bool creditorExists(db::Database& db, std::int64_t id) {
    return db.scalar("SELECT 1 FROM obustaveproc WHERE id_obustava_proc = ? AND Tip = 3", id)
        .has_value();
}

void writeLoan(db::Database& db, const Loan& l, const Date& start, const Date& end) {
    const std::string values = "id_obustava = ?, ID_RADNIK = ?, POCETAK = ?, kraj = ?, valuta = ?, "
                               "Iznos = ?, prvi_deo = ?, drugi_deo = ?, sifra_placanja = ?, "
                               "model = ?, POziv_na_broj = ?, Opis = ?, ukupno_meseci = ?";
    if (l.id_or == 0)
        db.run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj, valuta, Iznos, "
               "prvi_deo, drugi_deo, sifra_placanja, model, POziv_na_broj, Opis, ukupno_meseci) "
               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               l.id_obustava, l.ID_RADNIK, start, end, l.valuta, l.Iznos.toDouble(),
               l.prvi_deo.toDouble(), l.drugi_deo.toDouble(), trim(l.sifra_placanja), trim(l.model),
               trim(l.POziv_na_broj), l.Opis, l.ukupno_meseci);
    else
        db.run("UPDATE obustave_radnici SET " + values + " WHERE id_or = ?", l.id_obustava,
               l.ID_RADNIK, start, end, l.valuta, l.Iznos.toDouble(), l.prvi_deo.toDouble(),
               l.drugi_deo.toDouble(), trim(l.sifra_placanja), trim(l.model), trim(l.POziv_na_broj),
               l.Opis, l.ukupno_meseci, l.id_or);
}

} // namespace

std::optional<Loan> findLoan(db::Database& db, std::int64_t id_or) {
    auto lines = readLines(db, "WHERE o.id_or = ?", id_or);
    if (lines.empty())
        return std::nullopt;
    return lines.front().loan;
}

std::string LoanSave::message() const {
    switch (outcome) {
    case Outcome::Saved:
        return {};
    case Outcome::NoEmployee:
        return "Niste izabrali radnika!"_yu;
    case Outcome::NoCreditor:
        return "Niste izabrali kreditnu partiju!"_yu;
    case Outcome::ZeroInstalment:
        return "Niste uneli iznos!"_yu;
    case Outcome::BadPeriod:
        return "Nije dobar period otplate!"_yu;
    case Outcome::Missing:
        return "Greska kod pronalazenja kredita za azuriranje!"_yu;
    }
    return {};
}

LoanSave saveLoan(db::Database& db, const Loan& loan, bool allowZeroInstalment) {
    LoanSave result;
    if (employeeName(db, loan.ID_RADNIK).empty())
        result.outcome = LoanSave::Outcome::NoEmployee;
    else if (!creditorExists(db, loan.id_obustava))
        result.outcome = LoanSave::Outcome::NoCreditor;
    else if (loan.Iznos.isZero() && !allowZeroInstalment)
        result.outcome = LoanSave::Outcome::ZeroInstalment;
    else if (repaymentMonths(loan.startMonth, loan.startYear, loan.endMonth, loan.endYear) < 1)
        result.outcome = LoanSave::Outcome::BadPeriod;
    else if (loan.id_or != 0 && !findLoan(db, loan.id_or))
        result.outcome = LoanSave::Outcome::Missing;
    if (result.outcome != LoanSave::Outcome::Saved)
        return result;

    Loan l = loan;
    l.ukupno_meseci = repaymentMonths(l.startMonth, l.startYear, l.endMonth, l.endYear);
    writeLoan(db, l, Date{l.startYear, l.startMonth, 1}, Date{l.endYear, l.endMonth, 1});
    result.id_or = l.id_or == 0 ? db.lastInsertId() : l.id_or;
    return result;
}

LoanDeletion deleteLoan(db::Database& db, std::int64_t id_or) {
    db::Transaction tx(db);
    if (db.scalar("SELECT 1 FROM obracun_obustava WHERE id_or = ?", id_or))
        return LoanDeletion::Used;
    db.run("DELETE FROM obustave_radnici WHERE id_or = ?", id_or);
    if (db.changes() == 0)
        return LoanDeletion::Missing;
    tx.commit();
    return LoanDeletion::Deleted;
}

std::string deletionMessage(LoanDeletion deletion) {
    switch (deletion) {
    case LoanDeletion::Deleted:
        return "Obustava je obrisana!"_yu;
    case LoanDeletion::Used:
        return "Nije moguce obrisati obustavu! Vec je koriscena u obracunu!"_yu;
    case LoanDeletion::Missing:
        return "Greska kod pronalazenja obustave!"_yu;
    }
    return {};
}

Currency loanPaid(db::Database& db, std::int64_t id_or) {
    auto st = db.prepare("SELECT SUM(Iznos) FROM obracun_obustava WHERE id_or = ?");
    st.bindAll(id_or);
    return st.step() ? st.money(0) : Currency{};
}

std::vector<LoanLine> loansOfEmployee(db::Database& db, std::int64_t employeeId) {
    return readLines(db, "WHERE o.ID_RADNIK = ? ORDER BY o.id_or", employeeId);
}

std::vector<LoanLine> loansOfCreditor(db::Database& db, std::int64_t creditorId,
                                      std::optional<MonthOfYear> month) {
    const std::string order = " ORDER BY o.id_or";
    std::vector<LoanLine> lines;
    if (!month) {
        lines = readLines(db, "WHERE o.id_obustava = ?" + order, creditorId);
    } else {
        const Date firstDay{month->year, month->month, 1};
        lines = readLines(db,
                          "WHERE o.id_obustava = ? AND substr(o.POCETAK, 1, 10) <= ? "
                          "AND substr(o.kraj, 1, 10) >= ?" +
                              order,
                          creditorId, firstDay, firstDay);
    }
    sortSerbian(lines, [](const LoanLine& line) { return line.employee; });
    return lines;
}

std::string loanPeriodText(const Loan& loan) {
    return std::to_string(loan.startMonth) + "/" + std::to_string(loan.startYear) + " do " +
           std::to_string(loan.endMonth) + "/" + std::to_string(loan.endYear);
}

Currency loanValueInDinars(const Loan& loan, const ExchangeRates& rates) {
    return toDinars(loanTotal(loan.Iznos, loan.ukupno_meseci), loan.valuta, rates);
}

double repaidPercent(const LoanLine& line, const ExchangeRates& rates) {
    const Currency value = loanValueInDinars(line.loan, rates);
    if (value.isZero())
        return 0;
    return line.paid.toDouble() * 100 / value.toDouble();
}

} // namespace zarion::employees
