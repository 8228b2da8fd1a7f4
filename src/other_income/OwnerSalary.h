#pragma once

#include <optional>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "payroll/OwnerFigures.h"

// The owner's salary: priced with the owner's own rates (parametri_vlasnik), in whole dinars.
namespace zarion::other_income {

struct OwnerParameters {
    Currency iznos_poreskog_oslobojenja; // the month's non-taxable amount
    double porez_zarade = 0;             // rates in percent
    double Doprinosi_PIO = 0;
    double Doprinosi_zo = 0;
    double doprinosi_nezaposlenost = 0;
};

// Nothing while the owner's parameters have not been entered.
std::optional<OwnerParameters> loadOwnerParameters(db::Database& payrollDb);

// The hours coefficient: hours worked over the month's hours, to 4 decimals; nothing when no
// hours were worked (or the month has none), so the coefficient stands as it was.
std::optional<double> hoursCoefficient(double hours, double totalHours);

// The non-taxable amount for a month worked at that coefficient, in whole dinars.
Currency nonTaxableAt(Currency monthAmount, double coefficient);

// From gross G with the non-taxable amount P: tax = round0((G − P) × tax rate / 100), none when
// G does not exceed P; each contribution round0(G × rate / 100); net = G − tax − contributions.
payroll::OwnerFigures ownerFromGross(Currency gross, Currency nonTaxable,
                                     const OwnerParameters& rates);

// From net N: G = round0((N × 100 − P × tax rate) / (100 − tax rate − the contribution rates)),
// or G = round0(N × 100 / (100 − the contribution rates)) for a net that bears no tax; then as
// from gross. "GRESKA! Parametri nisu dobri!" when the rates leave nothing to divide by.
Outcome<payroll::OwnerFigures> ownerFromNet(Currency net, Currency nonTaxable,
                                            const OwnerParameters& rates);

} // namespace zarion::other_income
