#include "other_income/OtherIncomePaymentOrders.h"

#include <array>
#include <functional>

#include "core/Text.h"

namespace zarion::other_income {

namespace {

// A public revenue of the order: its columns in uplatni_racuni_ostale and what each row owes.
struct Revenue {
    const char* account;
    const char* reference;
    const char* code;
    const char* recipient;
    std::function<Currency(const RowAmounts&)> amount;
};

const std::array<Revenue, 7>& revenues() {
    static const std::array<Revenue, 7> all{{
        {"racun_porez_na_plate", "poziv_na_broj_porez", "sifra_porez", "Porez",
         [](const RowAmounts& a) {
             return a.tax;
         }},
        {"racun_pio", "poziv_na_broj_pio", "sifra_pio", "Doprinos za PIO",
         [](const RowAmounts& a) {
             return a.employee.pio;
         }},
        {"racun_zo", "poziv_na_broj_zo", "sifra_zo", "Doprinos za zdravstveno osiguranje",
         [](const RowAmounts& a) {
             return a.employee.zo;
         }},
        {"racun_nezaposlenost", "poziv_na_broj_nez", "sifra_nez",
         "Doprinos za slu~aj nezaposlenosti",
         [](const RowAmounts& a) {
             return a.employee.nez;
         }},
        {"racun_pio_firma", "poziv_na_broj_piof", "sifra_piof", "Doprinos za PIO firma",
         [](const RowAmounts& a) {
             return a.employer.pio;
         }},
        {"racun_zo_firma", "poziv_na_broj_zof", "sifra_zof",
         "Doprinos za zdravstveno osiguranje firma",
         [](const RowAmounts& a) {
             return a.employer.zo;
         }},
        {"racun_nezaposlenost_firma", "poziv_na_broj_nezf", "sifra_nezf",
         "Doprinos za slu~aj nezaposlenosti firma",
         [](const RowAmounts& a) {
             return a.employer.nez;
         }},
    }};
    return all;
}

// The column's text, or the fallback when the column is empty.
std::string orElse(const std::string& text, const std::string& fallback) {
    return trim(text).empty() ? fallback : trim(text);
}

} // namespace

Outcome<int> ordersFromOrder(db::Database& payroll, db::Database* companyMaster,
                             const PaidOrder& paid) {
    db::Statement accounts =
        payroll.prepare("SELECT * FROM uplatni_racuni_ostale WHERE id_ostale = ?");
    accounts.bind(1, paid.order.tip_noz);
    if (!accounts.step())
        return warning("Unesite uplatne racune za ovaj tip isplata!"_yu);
    const std::string payer = outputs::payerName(companyMaster);
    const std::string payerAccount = accounts.text("isplatni_racun");
    const std::string purpose = paid.order.Naziv + " " + toDisplayText(paid.order.Datum);

    db::Transaction tx(payroll);
    payroll.run("DELETE FROM nalozi");
    int count = 0;
    const auto add = [&](const std::string& recipient, const std::string& code, Currency amount,
                         const std::string& account, const std::string& reference) {
        outputs::insertOrder(payroll, {++count, payer, purpose, recipient, code, amount,
                                       payerAccount, account, reference});
    };
    for (const Revenue& r : revenues()) {
        Currency total;
        for (const ListedPerson& person : paid.people)
            total += r.amount(person.row.amounts);
        if (total.isZero())
            continue;
        std::string account = accounts.text(r.account);
        std::string reference = accounts.text(r.reference);
        if (&r == &revenues().front()) {
            account = orElse(paid.order.racun_poreza, account);
            reference = orElse(paid.order.poziv_poreza, reference);
        }
        add(yuscii(r.recipient), orElse(accounts.text(r.code), "254"), total, account, reference);
    }
    for (const ListedPerson& person : paid.people)
        add(person.fullName(), "240", person.row.amounts.net, person.tekuci_Racun, {});
    tx.commit();
    return count;
}

} // namespace zarion::other_income
