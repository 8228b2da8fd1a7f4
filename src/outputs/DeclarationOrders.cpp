#include "outputs/DeclarationOrders.h"

#include "core/Text.h"
#include "outputs/PaymentOrders.h"

namespace zarion::outputs {
namespace {

std::string singlePaymentAccount(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT racun_jedinstvena_uplata FROM parametri3");
    return st.step() ? st.text(0) : std::string();
}

std::string employeeAccount(db::Database& payroll, std::int64_t id) {
    db::Statement st = payroll.prepare("SELECT tekuci_Racun FROM radnici WHERE id_radnik = ?");
    st.bindAll(id);
    return st.step() ? trim(st.text(0)) : std::string();
}

} // namespace

Outcome<int> ordersFromDeclaration(db::Database& payroll, db::Database* companyMaster,
                                   const Declaration& declaration, const std::string& bop,
                                   bool replaceEarlier) {
    const auto payerAccount = payoutAccount(payroll);
    if (!payerAccount)
        return error("Niste uneli uplatne racune!"_yu);
    const std::string period =
        declaration.header.POD121.substr(0, 2) + "-" + declaration.header.POD122;
    const std::string payer = payerName(companyMaster);
    const DeclarationTotals totals = checkedTotals(declaration.rows);

    db::Transaction tx(payroll);
    if (replaceEarlier)
        payroll.run("DELETE FROM nalozi");
    int number = 0;
    insertOrder(payroll,
                {++number, payer, "PID-" + period, "MINF Poreska uprava", "254",
                 totals[Col::Porez] + totals[Col::PIO] + totals[Col::ZDR] + totals[Col::NEZ],
                 *payerAccount, singlePaymentAccount(payroll), bop});
    for (const DeclarationRow& row : declaration.rows)
        if (row.checked)
            insertOrder(payroll,
                        {++number, payer, "ZARADA-" + period,
                         trim(row[Col::Prezime]) + " " + trim(row[Col::Ime]), "240", row.toPay(),
                         *payerAccount, employeeAccount(payroll, row.employeeId()), ""});
    tx.commit();
    return number;
}

} // namespace zarion::outputs
