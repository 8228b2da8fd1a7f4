#pragma once

#include <optional>

#include "core/Currency.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"
#include "payroll/SalaryInput.h"
#include "payroll/ServiceYears.h"
#include "payroll/Settings.h"

namespace zarion::payroll {

// The wage elements of one employee's month, each the rounded amount later steps add up. The
// typed amounts are carried along so the element total and the net follow from this alone; a
// window may put an amount the operator typed over a priced one before the net is taken.
struct PricedElements {
    Currency performanceFactor; // F, four decimals; 1 with pricing by hours
    Currency coefficient;   // K = KOEFICIJENT + funkcijski_dodatak + otezani_uslovi, four decimals
    Currency osnovna_bruto; // basic pay
    Currency nocni_rad_i;
    Currency rad_na_praznik_i;
    Currency rad_nedeljom_i;
    Currency rad_nedeljomstvarno_i;
    Currency dezurstvo_i;
    Currency pripravnost_i;
    Currency pripravnostaktivna_i;
    Currency produzeni_rad_i;
    Currency bolovnje65_i;
    Currency bolovanje100_i;
    Currency godisnji_i;
    Currency placeno_odsustvo_i;
    Currency fiksna_plata;
    Currency stimulacije;
    Currency stimulacije_uredba;
    Currency minuli_rad; // seniority amount
    Currency odvojeni;
    Currency regres;
    Currency topli_obrok;
    Currency razlika_do_min; // what the minimum basic pay added
    ServiceYears years;
};

struct PricingOptions {
    // The final calculation's minimum: basic pay is raised to round0(H / N × minimalna_osnovna)
    // before stimulation and seniority are taken from it (off with "Bez min. NETO zarade").
    bool raiseToMinimumBasicPay = false;
    // The final calculation's price floor fixes basic pay itself; the minimum, stimulation and
    // seniority are then taken from it.
    std::optional<Currency> basicPay;
};

// F = grade × 0.00776 + 0.9612, kept to four decimals.
Currency performanceFactor(double grade);
// K = KOEFICIJENT + funkcijski_dodatak + otezani_uslovi, kept to four decimals.
Currency coefficientSum(const SalaryInput& input);

// Prices basic pay, the premiums, leave and absence from prosek_3_meseca, stimulations and
// seniority. Pricing by coefficient divides by the hour fund: a fund of 0 gives its message.
Outcome<PricedElements> priceElements(const SalaryInput& input, const MonthParameters& month,
                                      const Settings& settings, const HourFund& fund, int year,
                                      int monthNumber, const PricingOptions& options = {});

// T: every element, fixed pay, basic pay and both stimulations.
Currency elementTotal(const PricedElements& elements);
// NETO = T + odvojeni + regres + topli_obrok + seniority.
Currency netOf(const PricedElements& elements);

} // namespace zarion::payroll
