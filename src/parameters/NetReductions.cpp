#include "parameters/NetReductions.h"

#include "core/Text.h"

namespace zarion::parameters {
namespace {

constexpr const char* ReductionPaymentCode = "253";
constexpr const char* BudgetModel = "97";

std::string sourceQuery(ReductionSource source) {
    switch (source) {
    case ReductionSource::Akontacija:
        return "SELECT id_radnik, solidarni_porez FROM akontacija_obracuni WHERE godina = ?";
    case ReductionSource::Zarada:
        return "SELECT id_radnik, solidarni_porez FROM obracuni WHERE godina = ?";
    case ReductionSource::Bolovanje:
        return "SELECT id_radnik, solidarni_porez FROM bolovanja_obracuni "
               "WHERE porodiljsko = 0 AND godina = ?";
    case ReductionSource::Porodiljsko:
        return "SELECT id_radnik, solidarni_porez FROM bolovanja_obracuni "
               "WHERE porodiljsko <> 0 AND godina = ?";
    }
    return {};
}

// The installation's recipient of the reductions.
struct ReductionRecipient {
    std::string account;
    std::string reference;
    std::string place;
};

ReductionRecipient readRecipient(db::Database& payrollDb) {
    db::Statement st = payrollDb.prepare(
        "SELECT racun_umanjenja, poziv_umanjenja, mesto_placanja FROM parametri3 LIMIT 1");
    if (!st.step())
        return {};
    return {st.text(0), st.text(1), st.text(2)};
}

employees::PaymentOrder order(const ReductionPayment& payment, const ReductionRecipient& recipient,
                              const std::string& purpose, Currency amount,
                              const std::string& reference) {
    employees::PaymentOrder o;
    o.payer = payment.payerName;
    o.purpose = purpose + std::to_string(payment.month) + "/" + std::to_string(payment.year);
    o.recipient = payment.recipient;
    o.paymentCode = ReductionPaymentCode;
    o.amount = amount;
    o.payerAccount = payment.payerAccount;
    o.payerModel = BudgetModel;
    o.recipientAccount = recipient.account;
    o.recipientModel = BudgetModel;
    o.recipientReference = reference;
    o.place = recipient.place;
    o.date = payment.date;
    return o;
}

} // namespace

std::vector<ReductionSourceEntry> reductionSources(bool paidInTwoParts) {
    std::vector<ReductionSourceEntry> entries;
    if (paidInTwoParts)
        entries.push_back({ReductionSource::Akontacija, "Zarada - akontacija"});
    entries.push_back({ReductionSource::Zarada,
                       paidInTwoParts ? "Zarada - kona~na isplata"_yu : std::string("Zarada")});
    entries.push_back({ReductionSource::Bolovanje, "Bolovanje preko 30 dana"});
    entries.push_back({ReductionSource::Porodiljsko, "Porodiljsko bolovanje"});
    return entries;
}

std::string reductionPayerAccount(db::Database& payrollDb, ReductionSource source) {
    const char* column = source == ReductionSource::Bolovanje     ? "racun_za_isplatu_bolovanje"
                         : source == ReductionSource::Porodiljsko ? "racun_za_isplatu_porodiljsko"
                                                                  : "racun_za_isplatu";
    db::Statement st =
        payrollDb.prepare(std::string("SELECT ") + column + " FROM parametri2 LIMIT 1");
    return st.step() ? st.text(0) : std::string();
}

Outcome<ReductionList> listReductions(db::Database& payrollDb, ReductionSource source, int month,
                                      int year) {
    if (month < 1 || month > 12)
        return warning("Izaberite mesec!");
    ReductionList list;
    db::Statement st = payrollDb.prepare(
        sourceQuery(source) +
        " AND mesec = ? AND solidarni_porez <> 0 AND solidarni_porez IS NOT NULL ORDER BY 1");
    st.bindAll(year, month);
    while (st.step()) {
        ReductionRow row;
        row.employeeId = st.integer(0);
        row.amount = st.money(1);
        db::Statement employee = payrollDb.prepare(
            "SELECT Prezime, Ime, JMBG, Kontrolni FROM radnici WHERE id_radnik = ?");
        employee.bindAll(row.employeeId);
        if (employee.step()) {
            row.name = employee.text(0) + " " + employee.text(1);
            row.jmbg = employee.text(2);
            row.controlNumber = employee.text(3);
        }
        list.total += row.amount;
        list.rows.push_back(std::move(row));
    }
    return list;
}

Refused storeControlNumber(db::Database& payrollDb, std::int64_t employeeId,
                           const std::string& controlNumber) {
    db::Transaction tx(payrollDb);
    payrollDb.run("UPDATE radnici SET Kontrolni = ? WHERE id_radnik = ?", trim(controlNumber),
                  employeeId);
    if (payrollDb.changes() == 0)
        return warning("GRESKA!");
    tx.commit();
    return std::nullopt;
}

std::vector<employees::PaymentOrder> reductionOrdersPerEmployee(db::Database& payrollDb,
                                                                const ReductionPayment& payment,
                                                                const ReductionList& list) {
    const ReductionRecipient recipient = readRecipient(payrollDb);
    std::vector<employees::PaymentOrder> orders;
    for (const ReductionRow& row : list.rows)
        orders.push_back(order(payment, recipient, "Umanjenje NETO ", row.amount,
                               recipient.reference + row.controlNumber));
    return orders;
}

employees::PaymentOrder reductionOrderForTotal(db::Database& payrollDb,
                                               const ReductionPayment& payment,
                                               const ReductionList& list) {
    const ReductionRecipient recipient = readRecipient(payrollDb);
    return order(payment, recipient, "Dodatni porez na dohodak - ", list.total,
                 recipient.reference);
}

} // namespace zarion::parameters
