#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "compensation/DisabledCompensation.h"
#include "core/db/Database.h"
#include "outputs/RecapitulationAccounts.h"
#include "report/CompanyHeader.h"
#include "report/Document.h"

namespace zarion::compensation {

// One paid compensation of the month with the employee's data.
struct DisabledPaid {
    DisabledCalculation row;
    std::string name; // "Prezime Ime"
    std::string JMBG;
    std::string account; // the employee's current account
};

// The month's compensations and what the lists print with them.
struct DisabledMonth {
    int year = 0;
    int month = 0;
    std::vector<DisabledPaid> rows; // in Serbian order of the names
    DisabledControl control;
    std::string payerAccount; // racun_za_isplatu
    int hourFund = 0;         // the month's possible working hours
    Currency totalRefund() const;
    // What the month pays and owes, for the recapitulation of payment accounts: the amounts paid
    // as the net, each to the account its calculation names, the gross, the tax and the
    // employer's health contribution.
    outputs::PaidOut paidOut() const;
};

DisabledMonth loadDisabledMonth(db::Database& payroll, int year, int month);

struct DisabledPrint {
    report::CompanyData company;
    std::filesystem::path logo;
};

// The refund list with its fourteen numbered columns.
report::Document disabledRefundList(const DisabledPrint& print, const DisabledMonth& month);
// "SPISAK ISPLAĆENIH NAKNADA INVALIDIMA RADA II ili III KATEGORIJE" with the request to pay the
// total refund into the company's account.
report::Document disabledPaidList(const DisabledPrint& print, const DisabledMonth& month);
// The tax of the month by the employees' municipality: "SPECIFIKACIJA UZ PORESKU PRIJAVU".
report::Document disabledTaxSpecification(db::Database& payroll, const DisabledPrint& print,
                                          const DisabledMonth& month);
// The recapitulation by account: "0 - NAKNADE ZARADA INVALIDA" and its total.
report::Document disabledAccountRecap(const DisabledPrint& print, const DisabledMonth& month);

} // namespace zarion::compensation
