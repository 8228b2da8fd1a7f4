#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "employees/PaymentOrderForm.h"

// The net reductions of a month (the solidarity amounts withheld from net salaries over
// 60000 dinars): who carries one, their control numbers, and the payment orders for them.
namespace zarion::parameters {

// The kinds of payout whose reductions are listed.
enum class ReductionSource { Akontacija, Zarada, Bolovanje, Porodiljsko };

struct ReductionSourceEntry {
    ReductionSource source;
    std::string caption;
};
// The kinds the operator chooses from: the advance only when the month is paid in two parts.
std::vector<ReductionSourceEntry> reductionSources(bool paidInTwoParts);

// The company's account the kind of payout is paid from (parametri2).
std::string reductionPayerAccount(db::Database& payrollDb, ReductionSource source);

struct ReductionRow {
    std::int64_t employeeId = 0;
    std::string name; // surname and first name; empty when the employee is gone
    std::string jmbg;
    std::string controlNumber;
    Currency amount;
};

struct ReductionList {
    std::vector<ReductionRow> rows;
    Currency total;
};

// Every calculation of the month and kind that carries a reduction, by employee number, with
// the total; "Izaberite mesec!" for a month outside 1 to 12.
Outcome<ReductionList> listReductions(db::Database& payrollDb, ReductionSource source, int month,
                                      int year);

// Keeps the employee's control number for the reference of his reduction; "GRESKA!" and
// nothing stored when the employee is not in the register.
Refused storeControlNumber(db::Database& payrollDb, std::int64_t employeeId,
                           const std::string& controlNumber);

// What the orders carry besides the list: the payer, the recipient and the date.
struct ReductionPayment {
    std::string payerAccount;
    std::string payerName; // the company's name
    std::string recipient;
    int month = 0;
    int year = 0;
    Date date;
};

// One order per employee, or one for the total: to the recipient account, reference and place
// of the installation (parametri3: racun_umanjenja, poziv_umanjenja, mesto_placanja), code 253,
// model 97; an employee's order carries his control number after the fixed reference.
std::vector<employees::PaymentOrder> reductionOrdersPerEmployee(db::Database& payrollDb,
                                                                const ReductionPayment& payment,
                                                                const ReductionList& list);
employees::PaymentOrder reductionOrderForTotal(db::Database& payrollDb,
                                               const ReductionPayment& payment,
                                               const ReductionList& list);

} // namespace zarion::parameters
