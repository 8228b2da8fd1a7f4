#include "demo/DemoOtherIncome.h"

#include <vector>

#include "other_income/OtherIncomeKinds.h"
#include "other_income/OtherIncomeOrders.h"
#include "other_income/OtherIncomePersons.h"

namespace zarion::demo {

namespace {

using namespace other_income;

// Contract income: 20 % tax on what is left after the standardized costs, pension and health
// contributions withheld from the recipient.
RowRates contractRates(double costs) {
    RowRates r;
    r.tax = 20;
    r.standardizedCosts = costs;
    r.employee = {24, 10.3, 0};
    return r;
}

// The salary advance at the month's own rates.
RowRates advanceRates(db::Database& payroll) {
    RowRates r;
    db::Statement st = payroll.prepare(
        "SELECT porez_zarade, iznos_poreskog_oslobojenja, Doprinosi_PIO, Doprinosi_zo, "
        "doprinosi_nezaposlenost, Doprinosi_PIO_F, Doprinosi_zo_F, doprinosi_nezaposlenost_f "
        "FROM parametri");
    if (st.step()) {
        r.tax = st.number(0);
        r.nonTaxable = st.money(1);
        r.employee = {st.number(2), st.number(3), st.number(4)};
        r.employer = {st.number(5), st.number(6), st.number(7)};
    }
    return r;
}

struct Payment {
    std::int64_t person;
    Currency amount;
    bool fromNet;
};

void post(db::Database& payroll, int kind, const char* title, const Date& date,
          const RowRates& rates, const std::vector<Payment>& payments) {
    OtherIncomeOrder order = newOrder(payroll, kind, date);
    order.Naziv = title;
    order.rates = rates;
    const std::int64_t id = saveOrder(payroll, order).value();
    for (const Payment& payment : payments) {
        PersonRow row;
        row.id_noz = id;
        row.id_radnik = payment.person;
        row.taxRate = rates.tax;
        row.amounts = payment.fromNet ? fromNet(kind, payment.amount, rates).value()
                                      : fromGross(kind, payment.amount, rates);
        postPersonRow(payroll, kind, row, false);
    }
}

} // namespace

void postOtherIncome(db::Database& payroll, const PostedMonths& months) {
    std::vector<std::int64_t> people;
    for (db::Statement st = payroll.prepare("SELECT id_radnik FROM radnici ORDER BY id_radnik");
         st.step() && people.size() < 4;)
        people.push_back(st.integer(0));
    if (people.size() < 4)
        return;
    const Date date{months.year, months.lastMonth, 20};
    post(payroll, 6, "Ugovori o delu", date, contractRates(20),
         {{people[0], Currency::fromUnits(50000), true},
          {people[1], Currency::fromUnits(30000), true}});
    post(payroll, 4, "Autorski honorar", date, contractRates(50),
         {{people[2], Currency::fromUnits(100000), false}});
    RowRates rent;
    rent.tax = 20;
    rent.standardizedCosts = 25;
    post(payroll, 9, "Zakup poslovnog prostora", date, rent,
         {{people[3], Currency::fromUnits(60000), false}});
    post(payroll, AdvanceKind, "Akontacija", date, advanceRates(payroll),
         {{people[1], Currency::fromUnits(40000), false}});
}

} // namespace zarion::demo
