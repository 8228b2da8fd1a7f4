#pragma once

#include <string>

#include "core/Currency.h"
#include "payroll/MonthParameters.h"
#include "payroll/Outcome.h"

namespace zarion::compensation {

// One month's compensation of a long leave, as a row of bolovanja_obracuni keeps it.
struct LeaveAmounts {
    double broj_sati = 0;
    Currency BRUTO;
    Currency porez_na_zaradu;
    Currency Doprinosi_PIO;
    Currency Doprinosi_zo;
    Currency doprinosi_nezaposlenost;
    Currency ukupno_doprinosa;
    Currency Doprinosi_PIO_F;
    Currency Doprinosi_zo_F;
    Currency doprinosi_nezaposlenost_f;
    Currency ukupno_doprinosa_F;
    Currency ukupno_obaveza; // gross and the employer's contributions
    Currency NETO;
    std::string tekuci_Racun;
    Currency Oslobodjenje;    // the tax-free amount used
    Currency solidarni_porez; // 0 when the solidarity deduction does not apply

    // What reaches the account: the net less the solidarity deduction.
    Currency paidOut() const { return NETO - solidarni_porez; }
};

// The hours of the month on leave against the hours of a full month, and whether the solidarity
// deduction applies.
struct LeaveMonth {
    double hours = 0;
    double fullHours = 0;
    bool solidarity = false;

    bool partOfMonth() const { return hours < fullHours; }
};

// The case's monthly net for the hours on leave, in whole dinars (half to even); the whole net
// when the full month has no hours.
Currency netForHours(Currency caseNet, const LeaveMonth& month);

// The month's tax-free amount, in proportion to the hours (to 2 decimals) for part of a month.
Currency taxFreeFor(Currency monthly, const LeaveMonth& month);

// Gross-up of the net: gross = (net × 100 − tax-free × t) / (100 − t − employee rates), kept to
// the cent's hundredth; tax on the gross above the tax-free amount and both sides'
// contributions on the gross, each to 2 decimals.
payroll::Outcome<LeaveAmounts> leaveFromNet(Currency net, const LeaveMonth& month,
                                            const payroll::MonthParameters& rates);

// From the gross: tax on the gross above the tax-free amount, contributions on the gross but at
// least on the minimum base (in proportion to the hours for part of a month), the net what is
// left of the gross.
payroll::Outcome<LeaveAmounts> leaveFromGross(Currency gross, const LeaveMonth& month,
                                              const payroll::MonthParameters& rates);

} // namespace zarion::compensation
