#pragma once

#include "core/Currency.h"

namespace zarion::payroll {

// Gross, tax, the contributions of both sides, net and the employer's total cost of one
// calculation, each rounded where the rules round it.
struct TaxAndContributions {
    Currency BRUTO;
    Currency porez_na_zaradu;
    Currency Doprinosi_PIO;
    Currency Doprinosi_zo;
    Currency doprinosi_nezaposlenost;
    Currency ukupno_doprinosa;
    Currency NETO;
    Currency Doprinosi_PIO_F;
    Currency Doprinosi_zo_F;
    Currency doprinosi_nezaposlenost_f;
    Currency doprinosi_ro_f;
    Currency doprinosi_ro_f2;
    Currency doprinosi_ro_f3;
    Currency ukupno_doprinosa_F;
    Currency ukupno_obaveza;
    Currency Oslobodjenje;       // the non-taxable amount applied
    Currency osnovica_doprinosa; // the base the contributions were taken from
};

} // namespace zarion::payroll
