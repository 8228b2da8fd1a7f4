#include "employees/LoanCreditorOverview.h"

#include <cstdio>

#include "core/Text.h"
#include "employees/DeductionCurrency.h"
#include "employees/DeductionDefinitions.h"
#include "employees/LoanRecords.h"

namespace zarion::employees {
namespace {

// The posted deductions and the calculations of the payment.
struct Sources {
    const char* totals;       // sums per employee, month and deduction
    const char* rows;         // single rows with the month and employee
    const char* calculations; // the calculations they were withheld from
};

Sources sourcesOf(const OverviewPeriod& period) {
    if (period.firstPart)
        return {"qpromenljivea", "qobracun_obustavaa", "akontacija_obracuni"};
    return {"qpromenljivek", "qobracun_obustavak", "obracuni"};
}

} // namespace

std::vector<std::string> overviewPartTexts() {
    return {"0 - KONA^NA"_yu, "1 - PRVI DEO"_yu};
}

std::string paymentHeading(const OverviewPeriod& period) {
    char month[8];
    std::snprintf(month, sizeof month, "%02d", period.month);
    return "Isplata: "_yu + month + "/" + std::to_string(period.year) + " - " +
           overviewPartTexts()[period.firstPart ? 1 : 0];
}

std::vector<CreditorTotal> creditorTotals(db::Database& db, const OverviewPeriod& period) {
    const Sources sources = sourcesOf(period);
    std::vector<CreditorTotal> list;
    auto st = db.prepare(std::string("SELECT q.id_obustava, SUM(q.Iznos), p.obustava, p.Tip, "
                                     "p.tekuci_Racun, p.poziv FROM ") +
                         sources.totals +
                         " q LEFT JOIN obustaveproc p ON p.id_obustava_proc = q.id_obustava "
                         "WHERE q.GODINA = ? AND q.MEsec = ? "
                         "GROUP BY q.id_obustava ORDER BY p.obustava, q.id_obustava");
    st.bindAll(period.year, period.month);
    while (st.step()) {
        CreditorTotal c;
        c.id_obustava = st.integer(0);
        c.total = st.money(1);
        c.obustava = st.text(2);
        c.Tip = static_cast<int>(st.integer(3));
        c.tekuci_Racun = st.text(4);
        c.poziv = st.text(5);
        list.push_back(std::move(c));
    }
    return list;
}

std::vector<CreditorPayment> creditorPayments(db::Database& db, const OverviewPeriod& period,
                                              std::int64_t creditorId) {
    const Sources sources = sourcesOf(period);
    const auto creditor = findDeduction(db, creditorId);
    const bool loans = creditor && creditor->type() == DeductionType::Loan;
    const ExchangeRates rates = loadExchangeRates(db);

    std::vector<CreditorPayment> list;
    auto st = db.prepare(
        std::string("SELECT q.ID_RADNIK, trim(coalesce(r.Prezime, '') || ' ' || "
                    "coalesce(r.Ime, '')), r.JMBG, q.Iznos, c.NETO, q.id_or, o.Opis FROM ") +
        sources.rows + " q LEFT JOIN radnici r ON r.id_radnik = q.ID_RADNIK LEFT JOIN " +
        sources.calculations +
        " c ON c.Id_obracun = q.Id_obracun "
        "LEFT JOIN obustave_radnici o ON o.id_or = q.id_or "
        "WHERE q.GODINA = ? AND q.MEsec = ? AND q.id_obustava = ? "
        "ORDER BY r.Prezime, r.Ime, q.ID_RADNIK");
    st.bindAll(period.year, period.month, creditorId);
    while (st.step()) {
        CreditorPayment p;
        p.id_radnik = st.integer(0);
        p.name = st.text(1);
        p.JMBG = st.text(2);
        p.amount = st.money(3);
        p.net = st.money(4);
        p.id_or = st.integer(5);
        p.Opis = st.text(6);
        p.loan = loans;
        if (const auto loan = loans ? findLoan(db, p.id_or) : std::nullopt) {
            p.period = loanPeriodText(*loan);
            p.loanValue = loanValueInDinars(*loan, rates);
            p.remaining = p.loanValue - loanPaid(db, p.id_or);
        }
        list.push_back(std::move(p));
    }
    return list;
}

std::vector<std::string> paymentColumns(const CreditorPayment& payment, NumberFormat amounts) {
    std::vector<std::string> columns{payment.name, payment.JMBG, format(payment.amount, amounts),
                                     format(payment.net, amounts)};
    if (payment.loan) {
        columns.push_back(payment.period);
        columns.push_back(format(payment.loanValue, amounts));
        columns.push_back(format(payment.remaining, amounts));
    } else {
        columns.push_back(payment.Opis);
        columns.push_back({});
        columns.push_back({});
    }
    return columns;
}

} // namespace zarion::employees
