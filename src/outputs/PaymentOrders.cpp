#include "outputs/PaymentOrders.h"

#include <array>
#include <cstdio>

#include "core/ReferenceNumber.h"
#include "core/Text.h"
#include "report/CompanyHeader.h"

namespace zarion::outputs {
namespace {

// A public revenue of a salary payout: where it goes, and what the list sums of it.
struct Revenue {
    const char* account;
    const char* reference;
    const char* model;
    const char* recipient;
    const char* ownerRecipient;
    Currency PayrollTotals::*total;
};

constexpr std::array<Revenue, 7> Revenues{{
    {"racun_porez_na_plate", "poziv_na_broj_porez", "model_porez", "Porez na zarade",
     "Porez na zarade - Vlasnik", &PayrollTotals::porez_na_zaradu},
    {"racun_pio", "poziv_na_broj_pio", "model_pio", "Doprinos za PIO radnika",
     "Doprinos za PIO vlasnika", &PayrollTotals::Doprinosi_PIO},
    {"racun_zo", "poziv_na_broj_zo", "model_zo", "Doprinos za zdravstveno osiguranje radnika",
     "Doprinos za zdravstveno osiguranje vlasnika", &PayrollTotals::Doprinosi_zo},
    {"racun_nezaposlenost", "poziv_na_broj_nez", "model_nez",
     "Doprinos za slu~aj nezaposlenosti radnika", "Doprinos za slu~aj nezaposlenosti vlasnika",
     &PayrollTotals::doprinosi_nezaposlenost},
    {"racun_pio_firma", "poziv_na_broj_piof", "model_piof", "Doprinos za PIO firma",
     "Doprinos za PIO vlasnika -firma", &PayrollTotals::Doprinosi_PIO_F},
    {"racun_zo_firma", "poziv_na_broj_zof", "model_zof", "Doprinos za zdravstveno osiguranje firma",
     "Doprinos za zdravstveno osiguranje vlasnika -firma", &PayrollTotals::Doprinosi_zo_F},
    {"racun_nezaposlenost_firma", "poziv_na_broj_nezf", "model_nezf",
     "Doprinos za slu~aj nezaposlenosti firma", "Doprinos za slu~aj nezaposlenosti vlasnik- firma",
     &PayrollTotals::doprinosi_nezaposlenost_f},
}};

// The accounts and references of a settings table (parametri2, or parametri_vlasnik for the
// owner), by column name; nothing when the table has no row.
std::optional<db::Statement> accountsOf(db::Database& payroll, const char* table) {
    db::Statement st = payroll.prepare(std::string("SELECT * FROM ") + table);
    if (!st.step())
        return std::nullopt;
    return st;
}

class OrderWriter {
public:
    OrderWriter(db::Database& payroll, std::string payer, std::string payerAccount,
                std::string purpose)
        : payroll_(payroll)
        , payer_(std::move(payer))
        , payerAccount_(std::move(payerAccount))
        , purpose_(std::move(purpose)) {}

    void add(const std::string& recipient, const char* code, Currency amount,
             const std::string& account, const std::string& reference) {
        insertOrder(payroll_, {++count_, payer_, purpose_, recipient, code, amount, payerAccount_,
                               account, reference});
    }
    void revenues(const db::Statement& accounts, const PayrollTotals& totals, bool owner) {
        for (const Revenue& r : Revenues) {
            const std::string recipient = yuscii(owner ? r.ownerRecipient : r.recipient);
            const std::string reference = accounts.text(r.reference);
            add(recipient, "253", totals.*r.total, accounts.text(r.account), reference);
            // The owner's accounts (parametri_vlasnik) keep no model: theirs are under 97.
            const bool model97 = owner || trim(accounts.text(r.model)) == "97";
            if (!reference.empty() && model97 && !isValidModel97(reference))
                wrongReferences_.push_back(recipient + ": " + reference);
        }
    }
    // The references under model 97 whose control digits are wrong, with their recipients.
    const std::vector<std::string>& wrongReferences() const { return wrongReferences_; }
    int count() const { return count_; }

private:
    db::Database& payroll_;
    std::string payer_;
    std::string payerAccount_;
    std::string purpose_;
    int count_ = 0;
    std::vector<std::string> wrongReferences_;
};

PayrollTotals totalsOf(const std::vector<PayrollRow>& rows) {
    PayrollTotals totals;
    for (const PayrollRow& row : rows)
        totals.add(row);
    return totals;
}

} // namespace

void insertOrder(db::Database& payroll, const StoredOrder& o) {
    payroll.run("INSERT INTO nalozi(Broj, nalogododavac, SVRHA, poverilac, SIFRA, Iznos, "
                "racun_duznika, racun_poverioca, POziv_na_broj) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                o.Broj, o.nalogododavac, o.SVRHA, o.poverilac, o.SIFRA, o.Iznos, o.racun_duznika,
                o.racun_poverioca, o.POziv_na_broj);
}

std::string payerName(db::Database* companyMaster) {
    if (companyMaster)
        if (const auto company = report::readCompanyData(*companyMaster))
            return trim(trim(company->Naziv) + " " + trim(company->grad));
    return {};
}

std::optional<std::string> payoutAccount(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT racun_za_isplatu FROM parametri2");
    if (!st.step())
        return std::nullopt;
    return st.text(0);
}

std::string salaryPurpose(int year, int month) {
    char text[32];
    std::snprintf(text, sizeof text, "Zarada za: %02d %d", month, year);
    return text;
}

std::string ordersGeneratedMessage() {
    return "Zavrseno je generisanje naloga! Idite na opciju NALOZI u glavnom meniju!"_yu;
}

Outcome<GeneratedOrders> ordersFromPayrollList(db::Database& payroll, db::Database* companyMaster,
                                               const PayrollList& list) {
    const auto accounts = accountsOf(payroll, "parametri2");
    if (!accounts)
        return error("Niste uneli uplatne racune!"_yu);
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM nalozi");
    OrderWriter orders(payroll, payerName(companyMaster), accounts->text("racun_za_isplatu"),
                       salaryPurpose(list.selection.year, list.selection.month));
    orders.revenues(*accounts, totalsOf(list.employees), false);
    GeneratedOrders result;
    if (!list.owners.empty()) {
        if (const auto ownerAccounts = accountsOf(payroll, "parametri_vlasnik"))
            orders.revenues(*ownerAccounts, totalsOf(list.owners), true);
        else
            result.warning = "Niste uneli uplatne racune za vlasnika!"_yu;
    }
    for (const PayrollRow& row : list.employees)
        if (!row.employee.Ime.empty())
            orders.add(trim(row.employee.Prezime) + " " + trim(row.employee.Ime), "240",
                       row.toPay(), trim(row.calc.tekuci_Racun), {});
    tx.commit();
    result.count = orders.count();
    if (!orders.wrongReferences().empty()) {
        std::string lines = "Kontrolni broj poziva na broj po modelu 97 nije ispravan:"_yu;
        for (const std::string& wrong : orders.wrongReferences())
            lines += "\n" + wrong;
        result.warning = result.warning ? *result.warning + "\n\n" + lines : lines;
    }
    return result;
}

Outcome<GeneratedOrders> revenueOrders(db::Database& payroll, db::Database* companyMaster,
                                       const PayrollTotals& totals, const std::string& purpose,
                                       const std::string& payerAccountColumn) {
    const auto accounts = accountsOf(payroll, "parametri2");
    if (!accounts)
        return error("Niste uneli uplatne racune!"_yu);
    std::string payerAccount = trim(accounts->text(payerAccountColumn));
    if (payerAccount.empty())
        payerAccount = accounts->text("racun_za_isplatu");
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM nalozi");
    OrderWriter orders(payroll, payerName(companyMaster), payerAccount, purpose);
    orders.revenues(*accounts, totals, false);
    tx.commit();
    return GeneratedOrders{orders.count(), std::nullopt};
}

std::vector<StoredOrder> loadOrders(db::Database& payroll) {
    std::vector<StoredOrder> orders;
    db::Statement st = payroll.prepare(
        "SELECT Broj, nalogododavac, SVRHA, poverilac, SIFRA, Iznos, racun_duznika, "
        "racun_poverioca, POziv_na_broj FROM nalozi ORDER BY Broj");
    while (st.step())
        orders.push_back({static_cast<int>(st.integer(0)), st.text(1), st.text(2), st.text(3),
                          st.text(4), st.money(5), st.text(6), st.text(7), st.text(8)});
    return orders;
}

Refused saveOrder(db::Database& payroll, const StoredOrder& o) {
    payroll.run("UPDATE nalozi SET nalogododavac = ?, SVRHA = ?, poverilac = ?, SIFRA = ?, "
                "Iznos = ?, racun_duznika = ?, racun_poverioca = ?, POziv_na_broj = ? "
                "WHERE Broj = ?",
                o.nalogododavac, o.SVRHA, o.poverilac, o.SIFRA, o.Iznos, o.racun_duznika,
                o.racun_poverioca, o.POziv_na_broj, o.Broj);
    if (payroll.changes() == 0)
        return error("Greska kod pronalazenja naloga u bazi!"_yu);
    return std::nullopt;
}

employees::PaymentOrder printedOrder(const StoredOrder& o, const std::string& place,
                                     const Date& date) {
    employees::PaymentOrder order;
    order.payer = o.nalogododavac;
    order.purpose = o.SVRHA;
    order.recipient = o.poverilac;
    order.paymentCode = o.SIFRA;
    order.amount = o.Iznos;
    order.payerAccount = o.racun_duznika;
    order.recipientAccount = o.racun_poverioca;
    order.recipientModel = o.POziv_na_broj.empty() ? "" : "97";
    order.recipientReference = o.POziv_na_broj;
    order.place = place;
    order.date = date;
    return order;
}

} // namespace zarion::outputs
