#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/NumberFormat.h"
#include "core/db/Database.h"

namespace zarion::employees {

// The payment of a month the overview looks at: the final part (the whole month when it is paid
// at once) or the first part.
struct OverviewPeriod {
    int year = 0;
    int month = 0;
    bool firstPart = false;
};

// "0 - KONAČNA" and "1 - PRVI DEO", the choices of the part box (index = firstPart).
std::vector<std::string> overviewPartTexts();
// "Isplata: 03/2024 - 0 - KONAČNA": the heading of the printed lists.
std::string paymentHeading(const OverviewPeriod& period);

// A creditor with what was withheld for it in the payment.
struct CreditorTotal {
    std::int64_t id_obustava = 0;
    std::string obustava;
    int Tip = 0;
    std::string tekuci_Racun;
    std::string poziv;
    Currency total;
};
// The creditors (deductions of every kind) with posted rows in the payment, by name.
std::vector<CreditorTotal> creditorTotals(db::Database& db, const OverviewPeriod& period);

// An employee's row withheld for one creditor in the payment.
struct CreditorPayment {
    std::int64_t id_radnik = 0;
    std::string name; // "Prezime Ime"
    std::string JMBG;
    Currency amount; // withheld in the payment
    Currency net;    // the net of the calculation it was withheld from
    std::int64_t id_or = 0;
    bool loan = false;
    // For a loan: its period, its total value and what remains after everything withheld so far,
    // both in dinars (a foreign-currency loan valued at the current rate of table kurs).
    std::string period;
    Currency loanValue;
    Currency remaining;
    std::string Opis; // for other deductions: the employee's note
};
std::vector<CreditorPayment> creditorPayments(db::Database& db, const OverviewPeriod& period,
                                              std::int64_t creditorId);

// The list columns as texts, in the order the window shows them and the chamber file writes
// them: name, JMBG, amount, net, period or note, loan value, remaining (empty for other
// deductions), amounts in the given form.
std::vector<std::string> paymentColumns(const CreditorPayment& payment, NumberFormat amounts);

} // namespace zarion::employees
