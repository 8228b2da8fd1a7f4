#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"

namespace zarion::employees {

// Which payment of the month is being priced.
enum class DeductionPart {
    Single, // the individual calculation: the month paid at once
    First,  // the advance of the batch calculation (AKONTACIJA true)
    Second, // the final calculation of the batch calculation (AKONTACIJA false)
};

// One deduction withheld from a payment: a line of the deduction list and, once posted, a row
// of obracun_obustava.
struct DeductionRow {
    std::int64_t id_or = 0;       // the employee's row of obustave_radnici
    std::int64_t id_obustava = 0; // the deduction (creditor)
    int Tip = 0;                  // kind of deduction, for the lists
    std::string kreditor;         // the deduction's name at pricing time
    Currency Iznos;               // withheld, in dinars
    std::string valuta = "RSD";   // currency of a loan instalment
    double Kurs = 1;              // rate used for the conversion (1 for dinars)
    std::string tekuci_Racun;     // creditor's account
    std::string POziv_na_broj;    // payment reference: the loan's, else the deduction's
};

// A variable deduction (type 2) whose amount the operator gives at calculation time.
struct VariableDeductionQuestion {
    std::string prompt; // the question to show, with the deduction's name
    std::int64_t id_obustava = 0;
    std::string name;
    // What the dialog offers: the deduction's default amount in the individual calculation, the
    // amount already posted for this part of the month in the batch calculation (none when
    // nothing was posted).
    std::optional<Currency> offered;
};
// Answers a question; nullopt when the operator closes the dialog without an answer, which
// takes the offered amount (0 when none).
using VariableAmountAsker =
    std::function<std::optional<Currency>(const VariableDeductionQuestion&)>;

struct DeductionRequest {
    std::int64_t employeeId = 0;
    int year = 0;
    int month = 0;
    DeductionPart part = DeductionPart::Single;
    Currency net; // the net of the payment being priced
};

struct MonthDeductions {
    std::vector<DeductionRow> rows; // in the order of obustave_radnici
    Currency total;                 // sum of the rows
    Currency payout;                // net − total; never capped, may be negative
    // "Greska kod pronalazenja kreditora!" for each row whose deduction is missing (that row is
    // skipped, the rest of the month is priced); the window shows them as error boxes.
    std::vector<std::string> errors;
    // A loan in a foreign currency for which table kurs holds no rate: the message naming the
    // currency and the month. Such a month cannot be calculated for the employee.
    std::optional<std::string> missingRate;
};

// "Nije unet kurs za EUR za mesec 03.2026! Obracun radnika nije moguc."
std::string missingRateMessage(const std::string& currency, int year, int month);

// Whether the month is paid in two parts (postavke.na_pola_meseca not 0).
bool paidInTwoParts(db::Database& db);

// Chooses the employee's deductions valid on the first day of the month and prices them for the
// payment: percentages of the net, fixed amounts (halved in a first part, and in a second part
// when the month is paid in two parts, postavke.na_pola_meseca), variable amounts asked through
// `ask` (without it the offered amount is taken), and loan instalments converted to dinars with
// the rates of table kurs. Every computed amount is rounded to whole dinars, halves to even.
MonthDeductions priceMonthDeductions(db::Database& db, const DeductionRequest& request,
                                     const VariableAmountAsker& ask = {});

// The same pricing for any number of employees of one part of a month: the settings, the rates
// and each deduction's definition are read once, not per employee. A batch, which changes no
// deduction while it runs, also reads every employee's valid deductions in one pass.
class MonthDeductionPricer {
public:
    MonthDeductionPricer(db::Database& db, int year, int month, DeductionPart part);
    ~MonthDeductionPricer();
    MonthDeductionPricer(const MonthDeductionPricer&) = delete;
    MonthDeductionPricer& operator=(const MonthDeductionPricer&) = delete;

    // Reads the deductions valid in the month of all employees at once.
    void preloadAllEmployees();
    MonthDeductions price(std::int64_t employeeId, Currency net,
                          const VariableAmountAsker& ask = {});

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The total of a list and the payout against a net, after the operator changed a line.
Currency deductionsTotal(const std::vector<DeductionRow>& rows);

// Replaces the deduction rows of one posted calculation: deletes every obracun_obustava row of
// (idObracun, akontacija) and adds one row per line, in list order. Runs inside the caller's
// transaction when one is open, otherwise in its own.
void postDeductions(db::Database& db, std::int64_t idObracun, bool akontacija,
                    const std::vector<DeductionRow>& rows);

// The rows posted for a calculation, in the order they were written.
std::vector<DeductionRow> postedDeductions(db::Database& db, std::int64_t idObracun,
                                           bool akontacija);

} // namespace zarion::employees
