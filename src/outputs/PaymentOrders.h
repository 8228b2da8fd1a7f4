#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "employees/PaymentOrderForm.h"
#include "outputs/PayrollList.h"

namespace zarion::outputs {

// A payment order as table nalozi keeps it until it is printed.
struct StoredOrder {
    int Broj = 0;
    std::string nalogododavac;
    std::string SVRHA;
    std::string poverilac;
    std::string SIFRA;
    Currency Iznos;
    std::string racun_duznika;
    std::string racun_poverioca;
    std::string POziv_na_broj;
};

// What generating the orders did: how many it wrote, and the warning to show when the owner's
// orders could not be made.
struct GeneratedOrders {
    int count = 0;
    std::optional<std::string> warning;
};

// The orders of a payroll list, replacing every earlier order in one transaction: the seven public
// revenues of the employees (payment code 253), the owner's seven from the owner's accounts when
// the list has an owner, and each employee's net less deductions to his account (240).
Outcome<GeneratedOrders> ordersFromPayrollList(db::Database& payroll, db::Database* companyMaster,
                                               const PayrollList& list);

// The seven public-revenue orders of a payout's totals (payment code 253) from the accounts and
// references of parametri2, replacing every earlier order in one transaction; paid from the
// account in the named column, or from racun_za_isplatu when that one is empty.
Outcome<GeneratedOrders> revenueOrders(db::Database& payroll, db::Database* companyMaster,
                                       const PayrollTotals& totals, const std::string& purpose,
                                       const std::string& payerAccountColumn);

// Adds the order as it stands.
void insertOrder(db::Database& payroll, const StoredOrder& order);
// The payer as orders name it: the company's name and town.
std::string payerName(db::Database* companyMaster);
// The account the company pays from (parametri2.racun_za_isplatu); nothing without accounts.
std::optional<std::string> payoutAccount(db::Database& payroll);

// "Zarada za: 03 2026"
std::string salaryPurpose(int year, int month);

// The orders in the order of their numbers.
std::vector<StoredOrder> loadOrders(db::Database& payroll);
// Writes the edited order back; refused when no order carries its number.
Refused saveOrder(db::Database& payroll, const StoredOrder& order);

// The order on the bank's form, the recipient's reference under model 97.
employees::PaymentOrder printedOrder(const StoredOrder& order, const std::string& place,
                                     const Date& date);

// "Zavrseno je generisanje naloga! Idite na opciju NALOZI u glavnom meniju!"
std::string ordersGeneratedMessage();

} // namespace zarion::outputs
