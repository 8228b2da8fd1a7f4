#include "demo/DemoBenefits.h"

#include <stdexcept>
#include <vector>

#include "compensation/AwardOrders.h"
#include "compensation/DisabledCompensation.h"

namespace zarion::demo {
namespace {

using namespace compensation;

template <typename T> T valueOf(Outcome<T> outcome) {
    if (!outcome)
        throw std::runtime_error(outcome.message());
    return std::move(outcome).value();
}

void postDisabled(db::Database& payroll, std::int64_t employee, int year, int month) {
    saveDisabledControl(payroll, {Currency::fromUnits(12000), Currency::fromUnits(9500), 4.2,
                                  Currency::fromUnits(35000), 10.3, "840-0000000062803-81"});
    if (const auto refused = addDisabledPerson(payroll, employee, "II", Currency::fromUnits(31500)))
        throw std::runtime_error(refused->message);
    const auto row = valueOf(disabledCalculation(payroll, employee, year, month));
    postDisabledCalculation(payroll, valueOf(calculateDisabled(payroll, row)));
}

void postJubilee(db::Database& payroll, const std::vector<std::int64_t>& employees, int year,
                 int month) {
    payroll.run("INSERT INTO uplatni_racuni_ostale (id_ostale, isplatni_racun, "
                "racun_porez_na_plate, poziv_na_broj_porez, pozivZad_porez) "
                "SELECT 1, racun_za_isplatu, racun_porez_na_plate, '', '' FROM parametri2");
    const AwardOrder order =
        valueOf(createAwardOrder(payroll, AwardKind::Jubilee, {year, month, 15},
                                 "Jubilarne nagrade", Currency::fromUnits(25000)));
    const Currency nets[] = {Currency::fromUnits(20000), Currency::fromUnits(61000)};
    for (std::size_t i = 0; i < employees.size() && i < std::size(nets); ++i)
        if (const auto refused = postAwardPayment(payroll, order, employees[i],
                                                  valueOf(jubileeFromNet(nets[i], order.rates()))))
            throw std::runtime_error(refused->message);
}

} // namespace

void postBenefits(db::Database& payroll, const PostedMonths& months) {
    std::vector<std::int64_t> ids;
    db::Statement st = payroll.prepare("SELECT id_radnik FROM radnici ORDER BY id_radnik");
    while (st.step())
        ids.push_back(st.integer(0));
    if (ids.size() < 5)
        return;
    db::Transaction tx(payroll);
    postDisabled(payroll, ids[2], months.year, months.lastMonth);
    postJubilee(payroll, {ids[3], ids[4]}, months.year, months.lastMonth);
    tx.commit();
}

} // namespace zarion::demo
