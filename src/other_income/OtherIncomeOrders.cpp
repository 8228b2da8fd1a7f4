#include "other_income/OtherIncomeOrders.h"

#include "core/Text.h"

namespace zarion::other_income {

namespace {

const char* const OrderColumns =
    "id_noz, tip_noz, Datum, Naziv, porez_zarade, neoporezivi_deo, normirani_troskovi, "
    "minimalna_osnovica, Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost, Doprinosi_PIO_F, "
    "Doprinosi_zo_F, doprinosi_nezaposlenost_f, "
    "COALESCE(NULLIF(TRIM(racun_poreza), ''), racun_porez_na_plate) AS racun, "
    "COALESCE(NULLIF(TRIM(poziv_poreza), ''), poziv_na_broj_porez) AS poziv";

RowRates ratesOf(db::Statement& st) {
    RowRates rates;
    rates.tax = st.number("porez_zarade");
    rates.nonTaxable = st.money("neoporezivi_deo");
    rates.standardizedCosts = st.number("normirani_troskovi");
    rates.minimumBase = st.money("minimalna_osnovica");
    rates.employee = {st.number("Doprinosi_PIO"), st.number("Doprinosi_zo"),
                      st.number("doprinosi_nezaposlenost")};
    rates.employer = {st.number("Doprinosi_PIO_F"), st.number("Doprinosi_zo_F"),
                      st.number("doprinosi_nezaposlenost_f")};
    return rates;
}

OtherIncomeOrder orderOf(db::Statement& st) {
    return {st.integer("id_noz"), static_cast<int>(st.integer("tip_noz")),
            st.date("Datum"),     st.text("Naziv"),
            ratesOf(st),          st.text("racun"),
            st.text("poziv")};
}

} // namespace

std::vector<OtherIncomeOrder> ordersOfKind(db::Database& payroll, int kind) {
    db::Statement st = payroll.prepare(std::string("SELECT ") + OrderColumns +
                                       " FROM nalozi_ostale_zarade WHERE tip_noz = ? AND "
                                       "COALESCE(obrisan, 0) = 0 ORDER BY Datum DESC, id_noz DESC");
    st.bind(1, kind);
    std::vector<OtherIncomeOrder> orders;
    while (st.step())
        orders.push_back(orderOf(st));
    return orders;
}

std::optional<OtherIncomeOrder> loadOrder(db::Database& payroll, std::int64_t id_noz) {
    db::Statement st = payroll.prepare(std::string("SELECT ") + OrderColumns +
                                       " FROM nalozi_ostale_zarade WHERE id_noz = ?");
    st.bind(1, id_noz);
    if (!st.step())
        return std::nullopt;
    return orderOf(st);
}

std::optional<OtherIncomeOrder> orderOfMonth(db::Database& payroll, int kind, int year, int month) {
    for (OtherIncomeOrder& order : ordersOfKind(payroll, kind))
        if (order.Datum.year == year && order.Datum.month == month)
            return std::move(order);
    return std::nullopt;
}

std::string orderCaption(const OtherIncomeOrder& order) {
    return std::to_string(order.id_noz) + " - " + toDisplayText(order.Datum) + " - " + order.Naziv;
}

OtherIncomeOrder newOrder(db::Database& payroll, int kind, const Date& today) {
    OtherIncomeOrder order;
    db::Statement newest = payroll.prepare(std::string("SELECT ") + OrderColumns +
                                           " FROM nalozi_ostale_zarade WHERE tip_noz = ? "
                                           "ORDER BY Datum DESC, id_noz DESC");
    newest.bind(1, kind);
    if (newest.step()) {
        order = orderOf(newest);
    } else {
        db::Statement tax = payroll.prepare("SELECT porez_zarade FROM parametri");
        if (tax.step())
            order.rates.tax = tax.number(0);
        db::Statement account =
            payroll.prepare("SELECT racun_porez_na_plate, poziv_na_broj_porez FROM parametri2");
        if (account.step()) {
            order.racun_poreza = account.text(0);
            order.poziv_poreza = account.text(1);
        }
    }
    order.id_noz = 0;
    order.tip_noz = kind;
    order.Datum = today;
    order.Naziv.clear();
    return order;
}

Outcome<std::int64_t> saveOrder(db::Database& payroll, const OtherIncomeOrder& order) {
    if (trim(order.Naziv).empty())
        return warning("Niste uneli opis naloga!"_yu);
    const RowRates& r = order.rates;
    db::Transaction tx(payroll);
    std::int64_t id = order.id_noz;
    if (id == 0 ||
        !payroll.scalar("SELECT id_noz FROM nalozi_ostale_zarade WHERE id_noz = ?", id)) {
        payroll.run("INSERT INTO nalozi_ostale_zarade (tip_noz) VALUES (?)", order.tip_noz);
        id = payroll.lastInsertId();
    }
    payroll.run("UPDATE nalozi_ostale_zarade SET Naziv = ?, Datum = ?, neoporezivi_deo = ?, "
                "normirani_troskovi = ?, porez_zarade = ?, minimalna_osnovica = ?, "
                "racun_poreza = ?, poziv_poreza = ?, racun_porez_na_plate = ?, "
                "poziv_na_broj_porez = ?, Doprinosi_PIO = ?, Doprinosi_zo = ?, "
                "doprinosi_nezaposlenost = ?, Doprinosi_PIO_F = ?, Doprinosi_zo_F = ?, "
                "doprinosi_nezaposlenost_f = ?, obrisan = 0 WHERE id_noz = ?",
                trim(order.Naziv), order.Datum, r.nonTaxable, r.standardizedCosts, r.tax,
                r.minimumBase, trim(order.racun_poreza), trim(order.poziv_poreza),
                trim(order.racun_poreza), trim(order.poziv_poreza), r.employee.pio, r.employee.zo,
                r.employee.nez, r.employer.pio, r.employer.zo, r.employer.nez, id);
    tx.commit();
    return id;
}

void removeOrder(db::Database& payroll, std::int64_t id_noz) {
    db::Transaction tx(payroll);
    payroll.run("UPDATE nalozi_ostale_zarade SET obrisan = 1 WHERE id_noz = ?", id_noz);
    tx.commit();
}

} // namespace zarion::other_income
