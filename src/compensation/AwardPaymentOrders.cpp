#include "compensation/AwardPaymentOrders.h"

#include "outputs/PaymentOrders.h"

namespace zarion::compensation {
namespace {

struct Accounts {
    std::string payout;
    std::string taxCode = "253";
    std::string pio, zo, nez;
};

Accounts accountsOf(db::Database& payroll, const AwardOrder& order) {
    Accounts a;
    db::Statement kind = payroll.prepare(
        "SELECT isplatni_racun, sifra_porez FROM uplatni_racuni_ostale WHERE id_ostale = ?");
    kind.bindAll(order.tip_noz);
    if (kind.step()) {
        a.payout = kind.text(0);
        if (!kind.text(1).empty())
            a.taxCode = kind.text(1);
    }
    if (a.payout.empty())
        a.payout = outputs::payoutAccount(payroll).value_or("");
    db::Statement company =
        payroll.prepare("SELECT racun_pio, racun_zo, racun_nezaposlenost FROM parametri2");
    if (company.step()) {
        a.pio = company.text(0);
        a.zo = company.text(1);
        a.nez = company.text(2);
    }
    return a;
}

} // namespace

Outcome<int> ordersFromAwards(db::Database& payroll, db::Database* companyMaster,
                              const AwardOrder& order) {
    const auto payments = awardPayments(payroll, order.id_noz);
    if (payments.empty())
        return warning("Nema obracuna u izabranom nalogu!");
    const Accounts accounts = accountsOf(payroll, order);
    AwardFigures total;
    for (const AwardPayment& p : payments) {
        total.tax += p.figures.tax;
        total.pio += p.figures.pio;
        total.health += p.figures.health;
        total.unemployment += p.figures.unemployment;
    }
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM nalozi");
    int number = 0;
    const std::string payer = outputs::payerName(companyMaster);
    const auto add = [&](const std::string& recipient, const char* code, Currency amount,
                         const std::string& account, const std::string& reference) {
        if (!amount.isZero())
            outputs::insertOrder(payroll, {++number, payer, order.Naziv, recipient, code, amount,
                                           accounts.payout, account, reference});
    };
    add("Porez na zarade", accounts.taxCode.c_str(), total.tax, order.racun_porez_na_plate,
        order.poziv_na_broj_porez);
    // the employer pays the same share of each contribution as the employee
    add("Doprinos za PIO", "253", total.pio * 2, accounts.pio, order.poziv_na_broj_porez);
    add("Doprinos za zdravstvo", "253", total.health * 2, accounts.zo, order.poziv_na_broj_porez);
    add("Doprinos za nezaposlenost", "253", total.unemployment * 2, accounts.nez,
        order.poziv_na_broj_porez);
    for (const AwardPayment& p : payments)
        add(p.name, "240", p.figures.net, p.account, {});
    tx.commit();
    return number;
}

} // namespace zarion::compensation
