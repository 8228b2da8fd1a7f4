#include "demo/DemoPostings.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "demo/Identifiers.h"
#include "parameters/CalculationMonth.h"
#include "payroll/BatchCalculation.h"
#include "payroll/BatchMonth.h"
#include "payroll/BatchRun.h"

namespace zarion::demo {
namespace {

constexpr int DeductionPercentage = 0;
constexpr int DeductionFixed = 1;
constexpr int DeductionLoan = 3;
constexpr int Dinars = 0;
constexpr int Euros = 1;

std::int64_t insertDeduction(db::Database& payroll, const char* name, double percentOrAmount,
                             int kind, const std::string& account, const char* reference) {
    payroll.run("INSERT INTO obustaveproc(obustava, procenat, Tip, tekuci_Racun, zbirno_placanje, "
                "grad, poziv, obrisana) VALUES (?, ?, ?, ?, 1, 'Beograd', ?, 0)",
                name, percentOrAmount, kind, account, reference);
    return payroll.lastInsertId();
}

void takePart(db::Database& payroll, std::int64_t deduction, std::int64_t employee,
              const Date& from, const Date& to) {
    payroll.run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj) "
                "VALUES (?, ?, ?, ?)",
                deduction, employee, from, to);
}

// A loan of 24 monthly instalments from January of the year before, paid half with the
// advance and half with the final calculation.
void takeLoan(db::Database& payroll, std::int64_t creditor, std::int64_t employee, int demoYear,
              int currency, double instalment) {
    const double half = instalment / 2;
    payroll.run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj, valuta, "
                "Iznos, prvi_deo, drugi_deo, ukupno_meseci, POziv_na_broj, Opis) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 24, ?, 'Gotovinski kredit')",
                creditor, employee, Date{demoYear - 1, 1, 1}, Date{demoYear, 12, 1}, currency,
                instalment, half, half, "97 " + std::to_string(400100 + employee));
}

payroll::BatchMonth openMonth(db::Database& payroll, const payroll::CalculationPeriod& period) {
    auto opened = payroll::BatchMonth::open(payroll, nullptr, period);
    if (!opened)
        throw std::runtime_error(opened.message());
    return std::move(opened).value();
}

// The advance pays the first part of the month: each employee is calculated and posted as the
// operator does in the batch window, with the hours and allowances it proposes.
void postAdvance(const payroll::BatchMonth& month) {
    db::Transaction tx(month.db());
    for (const payroll::BatchEmployee& employee :
         payroll::monthEmployees(month.db(), month.period())) {
        auto proposed = payroll::employeeMonth(month, employee.id);
        if (!proposed)
            throw std::runtime_error(proposed.message());
        const auto calculation = payroll::calculateEmployee(month, employee.id, *proposed, {});
        if (!calculation)
            throw std::runtime_error(calculation.message());
        const auto posted = payroll::postEmployee(month, *calculation);
        if (!posted)
            throw std::runtime_error(posted.message());
    }
    tx.commit();
}

} // namespace

void insertDeductions(db::Database& payroll, const std::vector<std::int64_t>& employeeIds,
                      int demoYear) {
    const std::int64_t union_ =
        insertDeduction(payroll, "Sindikat Zarion Demo", 1.0, DeductionPercentage,
                        bankAccount("160", 770011), "clanarina");
    const std::int64_t fund = insertDeduction(payroll, "Fond solidarne pomoci", 1000.0,
                                              DeductionFixed, bankAccount("205", 880022), "");
    const std::int64_t intesa = insertDeduction(payroll, "Banca Intesa - krediti", 0.0,
                                                DeductionLoan, bankAccount("160", 990033), "");
    const std::int64_t unicredit = insertDeduction(payroll, "UniCredit Bank - krediti", 0.0,
                                                   DeductionLoan, bankAccount("170", 990044), "");
    const Date always{2000, 1, 1};
    const Date never{2099, 12, 31};
    for (std::size_t i = 0; i < employeeIds.size(); ++i) {
        const std::int64_t id = employeeIds[i];
        if (i % 3 == 1)
            takePart(payroll, union_, id, always, never);
        if (i % 5 == 2)
            takePart(payroll, fund, id, always, never);
        if (i % 4 == 3)
            takeLoan(payroll, i % 8 == 3 ? intesa : unicredit, id, demoYear,
                     i % 8 == 3 ? Dinars : Euros, i % 8 == 3 ? 12000.0 : 100.0);
    }
}

PostedMonths postedMonths(const Date& today) {
    if (today.month == 1)
        return {today.year - 1, 12};
    return {today.year, today.month - 1};
}

void postMonths(db::Database& payroll, const PostedMonths& months) {
    using payroll::CalculationKind;
    for (int month = 1; month <= months.lastMonth; ++month) {
        parameters::startCalculationMonth(payroll, month, months.year);
        postAdvance(openMonth(payroll, {months.year, month, CalculationKind::Advance}));
        const payroll::BatchRunReport report = payroll::calculateAll(
            openMonth(payroll, {months.year, month, CalculationKind::Final}), {}, {}, {});
        if (!report.stopped.empty())
            throw std::runtime_error(report.stopped);
        if (!report.failures.empty())
            throw std::runtime_error(report.failures.front().line());
    }
}

} // namespace zarion::demo
