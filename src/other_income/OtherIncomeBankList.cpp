#include "other_income/OtherIncomeBankList.h"

#include "core/Text.h"

namespace zarion::other_income {
namespace {

OtherIncomeOrder orderOf(const db::Statement& st) {
    OtherIncomeOrder order;
    order.id_noz = st.integer(0);
    order.tip_noz = static_cast<int>(st.integer(1));
    order.Datum = st.date(2);
    order.Naziv = trim(st.text(3));
    return order;
}

constexpr const char* OrderColumns =
    "SELECT id_noz, tip_noz, Datum, Naziv FROM nalozi_ostale_zarade ";

} // namespace

std::vector<OtherIncomeOrder> otherIncomeOrders(db::Database& payrollDb) {
    db::Statement st =
        payrollDb.prepare(std::string(OrderColumns) + "WHERE COALESCE(obrisan, 0) = 0 "
                                                      "ORDER BY Datum DESC, id_noz DESC");
    std::vector<OtherIncomeOrder> orders;
    while (st.step())
        orders.push_back(orderOf(st));
    return orders;
}

Outcome<outputs::BankList> loadOtherIncomeBankList(db::Database& payrollDb, std::int64_t id_noz) {
    db::Statement found = payrollDb.prepare(std::string(OrderColumns) + "WHERE id_noz = ?");
    found.bind(1, id_noz);
    if (!found.step())
        return error("Nije pronadjen nalog broj " + std::to_string(id_noz) + " u bazi!");
    const OtherIncomeOrder order = orderOf(found);

    db::Statement st = payrollDb.prepare(
        "SELECT o.ID_RADNIK, r.id_radnik, r.Prezime, r.Ime, r.tekuci_Racun, r.JMBG, r.ID_BAnka, "
        "o.NETO FROM obracun_ostale_zarade o LEFT JOIN radnici r ON r.id_radnik = o.ID_RADNIK "
        "WHERE o.id_noz = ? ORDER BY o.id_ooz");
    st.bind(1, id_noz);
    outputs::BankList list;
    list.selection = {order.Datum.year, order.Datum.month, outputs::Payment::Whole, 0};
    list.payout = "Isplata: " + toDisplayText(order.Datum) + " - " + order.Naziv;
    std::vector<std::pair<std::int64_t, outputs::BankTransfer>> transfers;
    while (st.step()) {
        if (st.isNull(1)) {
            list.missingEmployees.push_back(st.integer(0));
            continue;
        }
        transfers.emplace_back(st.integer(6),
                               outputs::BankTransfer{st.integer(0),
                                                     trim(st.text(2)) + " " + trim(st.text(3)),
                                                     trim(st.text(4)), st.text(5), st.money(7)});
    }
    list.banks = outputs::groupByBank(payrollDb, std::move(transfers));
    return list;
}

} // namespace zarion::other_income
