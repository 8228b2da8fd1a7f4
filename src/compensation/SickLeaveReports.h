#pragma once

#include <map>
#include <string>
#include <vector>

#include "compensation/SickLeaveCases.h"
#include "core/db/Database.h"
#include "outputs/PayrollList.h"
#include "outputs/Registers.h"
#include "report/Document.h"

namespace zarion::compensation {

// "MESEČNA EVIDENCIJA O ZARADI I NAKNADI ZARADA" of the compensations, with the group of people
// under the title.
report::Document leaveRegister(const outputs::ListPrint& print, const outputs::PayrollList& list,
                               LeaveKind kind);

// "SPISAK ZA ISPLATU NAKNADA ZARADA": every employee with his account, the net, the solidarity
// deduction and what is paid, "UKUPNO" and the signature lines.
report::Document leavePaymentList(const outputs::ListPrint& print, const outputs::PayrollList& list,
                                  LeaveKind kind);

// "OBRAČUN ZARADA I DRUGIH PRIMANJA ZAPOSLENIH" for each row: the month, the kind of
// compensation, hours, gross, tax, contributions, net and the employer's contributions; three to
// a page.
report::Document leavePayslips(const outputs::ListPrint& print, const outputs::PayrollList& list,
                               LeaveKind kind, const std::vector<const outputs::PayrollRow*>& rows);

// The month's compensations of both kinds by the company account they are paid from.
struct AccountRecap {
    std::string title;   // "1 - BOLOVANJE PREKO 30 DANA"
    std::string account; // racun_za_isplatu_bolovanje / racun_za_isplatu_porodiljsko
    outputs::PayrollTotals totals;
    int count = 0;
};
std::vector<AccountRecap> accountRecaps(db::Database& payroll, int year, int month);
report::Document accountRecapReport(const outputs::ListPrint& print, int year, int month,
                                    const std::vector<AccountRecap>& recaps);

// "SPECIFIKACIJA UZ PORESKU PRIJAVU" of the compensations: tax by the employees' municipality.
report::Document leaveTaxSpecification(db::Database& payroll, const outputs::ListPrint& print,
                                       const outputs::PayrollList& list);

} // namespace zarion::compensation
