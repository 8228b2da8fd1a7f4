#pragma once

#include "core/Currency.h"
#include "core/Outcome.h"

// The amounts of one person's payment under an order of other income, from the gross or from
// the net, in whole dinars; severance from the net, in para.
namespace zarion::other_income {

// The employee's or the employer's three contribution rates (percent) or amounts.
template <typename T> struct Contributions {
    T pio{};
    T zo{};
    T nez{};
    T sum() const { return pio + zo + nez; }
};

// What applies to the row: the order's rates, with the operator's overrides for this row.
struct RowRates {
    double tax = 0;                 // porez_zarade, percent
    double standardizedCosts = 0;   // normirani_troskovi, percent of gross
    Currency nonTaxable;            // neoporezivi_deo
    Currency minimumBase;           // minimalna_osnovica
    Contributions<double> employee; // Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost
    Contributions<double> employer; // the same on the company
};

// One person's row as it is posted.
struct RowAmounts {
    Currency gross;             // BRUTO
    Currency standardizedCosts; // normirani_troskovi
    Currency nonTaxable;        // neoporezivi_deo
    Currency tax;               // POrez_iznos
    Contributions<Currency> employee;
    Contributions<Currency> employer;
    Currency net;              // NETO
    Currency totalCost;        // ukupno_obaveza: gross and the employer's contributions
    Currency taxBase;          // OSnovica_porez
    Currency contributionBase; // OSnovica_doprinosi
};

// The calculation from a typed gross, by the rules of the kind.
RowAmounts fromGross(int kind, Currency gross, const RowRates& rates);

// The calculation from a typed net; "GRESKA! Parametri nisu dobri!" when the rates leave
// nothing to gross the net up with.
Outcome<RowAmounts> fromNet(int kind, Currency net, const RowRates& rates);

// Retirement severance from the net: tax only on what exceeds the non-taxable amount, grossed up,
// kept in para; no contributions.
RowAmounts severanceFromNet(Currency net, const RowRates& rates);

// "GRESKA! Parametri nisu dobri!"
std::string badParametersMessage();

} // namespace zarion::other_income
