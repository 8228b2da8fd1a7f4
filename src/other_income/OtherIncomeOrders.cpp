#include "other_income/OtherIncomeOrders.h"

#include <array>
#include <vector>

#include "core/Text.h"
#include "other_income/RowStatements.h"

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

// The columns saving writes, in the order writeOrder gives their values; a new order adds its
// kind after them, a changed one is found by its key.
constexpr auto SavedColumns = std::to_array<const char*>(
    {"Naziv", "Datum", "neoporezivi_deo", "normirani_troskovi", "porez_zarade",
     "minimalna_osnovica", "racun_poreza", "poziv_poreza", "racun_porez_na_plate",
     "poziv_na_broj_porez", "Doprinosi_PIO", "Doprinosi_zo", "doprinosi_nezaposlenost",
     "Doprinosi_PIO_F", "Doprinosi_zo_F", "doprinosi_nezaposlenost_f", "obrisan"});

std::string addingStatement() {
    std::vector<const char*> columns(SavedColumns.begin(), SavedColumns.end());
    columns.push_back("tip_noz");
    return insertStatement("nalozi_ostale_zarade", columns);
}

// Runs the statement with the order's values, then the one value that follows them.
void writeOrder(db::Database& payroll, const std::string& sql, const OtherIncomeOrder& order,
                std::int64_t last) {
    const RowRates& r = order.rates;
    payroll.run(sql, trim(order.Naziv), order.Datum, r.nonTaxable, r.standardizedCosts, r.tax,
                r.minimumBase, trim(order.racun_poreza), trim(order.poziv_poreza),
                trim(order.racun_poreza), trim(order.poziv_poreza), r.employee.pio, r.employee.zo,
                r.employee.nez, r.employer.pio, r.employer.zo, r.employer.nez, 0, last);
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
    db::Transaction tx(payroll);
    std::int64_t id = order.id_noz;
    // a new order is stored whole in one statement, so its posting is one entry of the history
    if (id != 0 && payroll.scalar("SELECT id_noz FROM nalozi_ostale_zarade WHERE id_noz = ?", id)) {
        writeOrder(payroll, updateStatement("nalozi_ostale_zarade", SavedColumns, "id_noz"), order,
                   id);
    } else {
        writeOrder(payroll, addingStatement(), order, order.tip_noz);
        id = payroll.lastInsertId();
    }
    tx.commit();
    return id;
}

void removeOrder(db::Database& payroll, std::int64_t id_noz) {
    db::Transaction tx(payroll);
    payroll.run("UPDATE nalozi_ostale_zarade SET obrisan = 1 WHERE id_noz = ?", id_noz);
    tx.commit();
}

} // namespace zarion::other_income
