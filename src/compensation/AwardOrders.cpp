#include "compensation/AwardOrders.h"

#include <array>

#include "compensation/RecordRows.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::compensation {
namespace {

using payroll::ColumnKind;

const std::array<Field<AwardOrder>, 15> OrderFields{{
    {"tip_noz", ColumnKind::Whole, &AwardOrder::tip_noz},
    {"Datum", ColumnKind::Date, &AwardOrder::Datum},
    {"Naziv", ColumnKind::Text, &AwardOrder::Naziv},
    {"porez_zarade", ColumnKind::Rate, &AwardOrder::porez_zarade},
    {"racun_porez_na_plate", ColumnKind::Text, &AwardOrder::racun_porez_na_plate},
    {"poziv_na_broj_porez", ColumnKind::Text, &AwardOrder::poziv_na_broj_porez},
    {"neoporezivi_deo", ColumnKind::Money, &AwardOrder::neoporezivi_deo},
    {"normirani_troskovi", ColumnKind::Rate, &AwardOrder::normirani_troskovi},
    {"minimalna_osnovica", ColumnKind::Money, &AwardOrder::minimalna_osnovica},
    {"Doprinosi_PIO", ColumnKind::Rate, &AwardOrder::Doprinosi_PIO},
    {"Doprinosi_zo", ColumnKind::Rate, &AwardOrder::Doprinosi_zo},
    {"doprinosi_nezaposlenost", ColumnKind::Rate, &AwardOrder::doprinosi_nezaposlenost},
    {"Doprinosi_PIO_F", ColumnKind::Rate, &AwardOrder::Doprinosi_PIO_F},
    {"Doprinosi_zo_F", ColumnKind::Rate, &AwardOrder::Doprinosi_zo_F},
    {"doprinosi_nezaposlenost_f", ColumnKind::Rate, &AwardOrder::doprinosi_nezaposlenost_f},
}};

AwardOrder readOrder(const db::Statement& st) {
    AwardOrder order;
    payroll::readFields<AwardOrder>(st, OrderFields, order);
    order.id_noz = st.integer("id_noz");
    return order;
}

const char* const PaymentSelect =
    "SELECT o.id_ooz, o.id_noz, o.ID_RADNIK, o.NETO, o.BRUTO, o.POrez_iznos, o.neoporezivi_deo, "
    "o.Doprinosi_PIO, o.Doprinosi_zo, o.Doprinosi_nez, o.POrez_stopa, "
    "COALESCE(r.Prezime, ''), COALESCE(r.Ime, ''), COALESCE(b.banka, ''), "
    "COALESCE(r.tekuci_Racun, ''), COALESCE(r.radno_mesto, ''), COALESCE(r.sifra_opstine, 0), "
    "COALESCE(r.JMBG, ''), COALESCE(r.ID_BAnka, 0) FROM obracun_ostale_zarade o "
    "LEFT JOIN radnici r ON r.id_radnik = o.ID_RADNIK "
    "LEFT JOIN banke b ON b.ID_BAnka = r.ID_BAnka ";

AwardPayment readPayment(const db::Statement& st) {
    AwardPayment p;
    p.id_ooz = st.integer(0);
    p.id_noz = st.integer(1);
    p.ID_RADNIK = st.integer(2);
    p.figures.net = st.money(3);
    p.figures.gross = st.money(4);
    p.figures.tax = st.money(5);
    p.figures.nonTaxable = st.money(6);
    p.figures.pio = st.money(7);
    p.figures.health = st.money(8);
    p.figures.unemployment = st.money(9);
    p.POrez_stopa = st.number(10);
    p.surname = st.text(11);
    p.firstName = st.text(12);
    p.name = p.surname + " " + p.firstName;
    p.bank = st.text(13);
    p.account = st.text(14);
    p.jobTitle = st.text(15);
    p.municipality = st.integer(16);
    p.JMBG = st.text(17);
    p.bankId = st.integer(18);
    return p;
}

// The rates of a new order: the latest order's of the kind, else the current parametri.
void takeRates(db::Database& payroll, AwardKind kind, AwardOrder& order) {
    const auto orders = awardOrders(payroll, kind);
    if (!orders.empty()) {
        const AwardOrder& latest = orders.front();
        order.porez_zarade = latest.porez_zarade;
        order.normirani_troskovi = latest.normirani_troskovi;
        order.minimalna_osnovica = latest.minimalna_osnovica;
        order.Doprinosi_PIO = latest.Doprinosi_PIO;
        order.Doprinosi_zo = latest.Doprinosi_zo;
        order.doprinosi_nezaposlenost = latest.doprinosi_nezaposlenost;
        order.Doprinosi_PIO_F = latest.Doprinosi_PIO_F;
        order.Doprinosi_zo_F = latest.Doprinosi_zo_F;
        order.doprinosi_nezaposlenost_f = latest.doprinosi_nezaposlenost_f;
        return;
    }
    db::Statement st = payroll.prepare("SELECT * FROM parametri LIMIT 1");
    if (!st.step())
        return;
    order.porez_zarade = st.number("porez_zarade");
    order.minimalna_osnovica = st.money("minimalna_osnovica");
    order.Doprinosi_PIO = st.number("Doprinosi_PIO");
    order.Doprinosi_zo = st.number("Doprinosi_zo");
    order.doprinosi_nezaposlenost = st.number("doprinosi_nezaposlenost");
    order.Doprinosi_PIO_F = st.number("Doprinosi_PIO_F");
    order.Doprinosi_zo_F = st.number("Doprinosi_zo_F");
    order.doprinosi_nezaposlenost_f = st.number("doprinosi_nezaposlenost_f");
}

} // namespace

std::string awardKindCaption(AwardKind kind) {
    return kind == AwardKind::Jubilee ? "1 - Jubilarne nagrade" : "2 - Godi{nje nagrade"_yu;
}

AwardRates AwardOrder::rates() const {
    return {porez_zarade, neoporezivi_deo, Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost};
}

std::string AwardOrder::caption() const {
    return std::to_string(id_noz) + " - " + toDisplayText(Datum) + " - " + Naziv;
}

std::vector<AwardOrder> awardOrders(db::Database& payroll, AwardKind kind) {
    db::Statement st = payroll.prepare("SELECT * FROM nalozi_ostale_zarade WHERE tip_noz = ? AND "
                                       "COALESCE(obrisan, 0) = 0 ORDER BY Datum DESC, id_noz DESC");
    st.bindAll(static_cast<int>(kind));
    std::vector<AwardOrder> orders;
    while (st.step())
        orders.push_back(readOrder(st));
    return orders;
}

std::optional<AwardOrder> loadAwardOrder(db::Database& payroll, std::int64_t id) {
    db::Statement st = payroll.prepare("SELECT * FROM nalozi_ostale_zarade WHERE id_noz = ?");
    st.bindAll(id);
    if (!st.step())
        return std::nullopt;
    return readOrder(st);
}

Outcome<AwardOrder> createAwardOrder(db::Database& payroll, AwardKind kind, const Date& date,
                                     const std::string& name, Currency nonTaxable) {
    AwardOrder order;
    order.tip_noz = static_cast<int>(kind);
    order.Datum = date;
    order.Naziv = name;
    order.neoporezivi_deo = nonTaxable;
    db::Statement accounts = payroll.prepare("SELECT racun_porez_na_plate, poziv_na_broj_porez "
                                             "FROM uplatni_racuni_ostale WHERE id_ostale = ?");
    accounts.bindAll(static_cast<int>(kind));
    if (accounts.step()) {
        order.racun_porez_na_plate = accounts.text(0);
        order.poziv_na_broj_porez = accounts.text(1);
    } else if (kind == AwardKind::Jubilee) {
        return warning("Unesite uplatne racune za Jubilarne nagrade!");
    }
    takeRates(payroll, kind, order);
    db::Statement st =
        payroll.prepare("INSERT INTO nalozi_ostale_zarade (" + fieldNames<AwardOrder>(OrderFields) +
                        ", obrisan) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)");
    bindFields<AwardOrder>(st, OrderFields, order);
    st.run();
    order.id_noz = payroll.lastInsertId();
    return order;
}

std::vector<AwardPayment> paidThroughBank(const std::vector<AwardPayment>& payments,
                                          std::int64_t bankId) {
    std::vector<AwardPayment> chosen;
    for (const AwardPayment& p : payments)
        if (bankId == 0 || p.bankId == bankId)
            chosen.push_back(p);
    return chosen;
}

std::vector<AwardPayment> awardPayments(db::Database& payroll, std::int64_t orderId) {
    db::Statement st = payroll.prepare(std::string(PaymentSelect) + "WHERE o.id_noz = ?");
    st.bindAll(orderId);
    std::vector<AwardPayment> payments;
    while (st.step())
        payments.push_back(readPayment(st));
    sortSerbian(payments, [](const AwardPayment& p) { return p.name; });
    return payments;
}

std::optional<AwardPayment> awardPayment(db::Database& payroll, std::int64_t orderId,
                                         std::int64_t employeeId) {
    db::Statement st =
        payroll.prepare(std::string(PaymentSelect) + "WHERE o.id_noz = ? AND o.ID_RADNIK = ?");
    st.bindAll(orderId, employeeId);
    if (!st.step())
        return std::nullopt;
    return readPayment(st);
}

Refused postAwardPayment(db::Database& payroll, const AwardOrder& order, std::int64_t employeeId,
                         const AwardFigures& f) {
    if (order.id_noz == 0 || employeeId == 0)
        return warning("Niste uneli potrebne podatke!");
    struct Stored {
        Currency NETO, BRUTO, POrez_iznos, neoporezivi_deo, Doprinosi_PIO, Doprinosi_zo,
            Doprinosi_nez, ukupno_obaveza, OSnovica_porez, OSnovica_doprinosi;
        double POrez_stopa = 0;
    };
    const bool annual = order.tip_noz == static_cast<int>(AwardKind::Annual);
    const Currency taxBase = f.gross > f.nonTaxable ? f.gross - f.nonTaxable : Currency();
    const Stored s{f.net,
                   f.gross,
                   f.tax,
                   f.nonTaxable,
                   f.pio,
                   f.health,
                   f.unemployment,
                   annual ? f.obligation() : f.gross,
                   taxBase,
                   annual && taxBase > Currency() ? f.gross : Currency(),
                   order.porez_zarade};
    static const std::array<Field<Stored>, 14> Fields{{
        {"NETO", ColumnKind::Money, &Stored::NETO},
        {"BRUTO", ColumnKind::Money, &Stored::BRUTO},
        {"POrez_iznos", ColumnKind::Money, &Stored::POrez_iznos},
        {"neoporezivi_deo", ColumnKind::Money, &Stored::neoporezivi_deo},
        {"Doprinosi_PIO", ColumnKind::Money, &Stored::Doprinosi_PIO},
        {"Doprinosi_zo", ColumnKind::Money, &Stored::Doprinosi_zo},
        {"Doprinosi_nez", ColumnKind::Money, &Stored::Doprinosi_nez},
        {"Doprinosi_PIO_F", ColumnKind::Money, &Stored::Doprinosi_PIO},
        {"Doprinosi_zo_F", ColumnKind::Money, &Stored::Doprinosi_zo},
        {"Doprinosi_nez_F", ColumnKind::Money, &Stored::Doprinosi_nez},
        {"ukupno_obaveza", ColumnKind::Money, &Stored::ukupno_obaveza},
        {"OSnovica_porez", ColumnKind::Money, &Stored::OSnovica_porez},
        {"OSnovica_doprinosi", ColumnKind::Money, &Stored::OSnovica_doprinosi},
        {"POrez_stopa", ColumnKind::Rate, &Stored::POrez_stopa},
    }};
    db::Transaction tx(payroll);
    addOrUpdate<Stored>(payroll, "obracun_ostale_zarade", Fields, s, {"id_noz", "ID_RADNIK"},
                        order.id_noz, employeeId);
    tx.commit();
    return std::nullopt;
}

void deleteAwardPayment(db::Database& payroll, std::int64_t id_ooz) {
    payroll.run("DELETE FROM obracun_ostale_zarade WHERE id_ooz = ?", id_ooz);
}

std::string awardRemovalQuestion(const AwardPayment& payment, std::int64_t orderId) {
    return "Da li ste sigurni da zelite da obrisete obracun za radnika: " + payment.name +
           " u nalogu " + std::to_string(orderId);
}

} // namespace zarion::compensation
