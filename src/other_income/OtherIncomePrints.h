#pragma once

#include <map>
#include <string>
#include <vector>

#include "other_income/OtherIncomeOrders.h"
#include "other_income/OtherIncomePersons.h"
#include "outputs/MunicipalityTax.h"
#include "outputs/RecapitulationAccounts.h"
#include "outputs/Registers.h"
#include "parameters/PaperReturns.h"
#include "report/Document.h"

// What is printed from an order of other income: the pay list, the report of the contributions
// paid, and the figures of the tax return and of its breakdown by municipality.
namespace zarion::other_income {

// An order with the people it pays, as the printouts take it.
struct PaidOrder {
    OtherIncomeOrder order;
    std::vector<ListedPerson> people;
};

// The order and its people; the refusal of personsOfOrder, or "Greska kod pronalazenja naloga u
// bazi!" for an order that is not there.
Outcome<PaidOrder> loadPaidOrder(db::Database& payroll, std::int64_t id_noz);

// "SPISAK ZA ISPLATU OSTALIH ZARADA": the order, the kind of income, one line per person with
// gross, non-taxable part, tax, contributions and what is paid, a line for the signature, "UKUPNO".
report::Document payList(const outputs::ListPrint& print, const PaidOrder& paid);

// "PRIJAVA O UPLATI DOPRINOSA" (M-UN): the contributions of each person, both shares, paid on
// the given date.
report::Document contributionsReport(const outputs::ListPrint& print, const PaidOrder& paid,
                                     const Date& paymentDate);

// The tax of the order's people by the municipality they live in.
std::vector<outputs::MunicipalityTax>
orderTaxByMunicipality(const PaidOrder& paid, const std::map<int, std::string>& municipalities);
std::map<int, std::string> municipalityNames(db::Database& payroll);

// The tax return's figures: the income less the standardized costs, of which the non-taxable part
// is taken off, at the order's rate.
parameters::TaxReturnInput orderTaxFigures(const PaidOrder& paid);

// What the order pays and owes, for the recapitulation of its payment accounts: each person's
// net goes to his current account of the register.
outputs::PaidOut orderPaidOut(const PaidOrder& paid);

} // namespace zarion::other_income
