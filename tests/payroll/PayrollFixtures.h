#pragma once

#include "Dinars.h"
#include "core/Currency.h"
#include "payroll/HourFund.h"
#include "payroll/MonthParameters.h"
#include "payroll/SalaryInput.h"
#include "payroll/Settings.h"

namespace zarion::test {

// The rates of a 2026 month: tax 10 %, employee 14 / 5.15 / 0.75 %, employer 10 / 5.15 / 0 %,
// non-taxable 34,221, bases 51,297 … 732,820, minimum net 371 × 176 = 65,296.
inline payroll::MonthParameters month2026() {
    payroll::MonthParameters m;
    m.porez_zarade = 10;
    m.iznos_poreskog_oslobojenja = din("34221");
    m.Doprinosi_PIO = 14;
    m.Doprinosi_zo = 5.15;
    m.doprinosi_nezaposlenost = 0.75;
    m.Doprinosi_PIO_F = 10;
    m.Doprinosi_zo_F = 5.15;
    m.doprinosi_nezaposlenost_f = 0;
    m.minimalna_osnovica = din("51297");
    m.maksimalna_osnovica = din("732820");
    m.minimalna_osnovna = din("65296");
    m.cena_Rada = din("20000");
    m.minuli_rad = 0.4;
    m.produzeni_rad = 26;
    m.nocni_rad = 26;
    m.rad_na_praznik = 110;
    m.rad_nedeljom = 10;
    m.rad_nedeljomstvarno = 15;
    m.DEZURSTVO = 50;
    m.PRIPRAVNOST = 20;
    m.placeno_odsustvo = 60;
    return m;
}

// A 2025 month: non-taxable 28,423, bases 45,950 … 656,425, minimum net 308 × 168 = 51,744;
// the rates as in 2026.
inline payroll::MonthParameters month2025() {
    payroll::MonthParameters m = month2026();
    m.iznos_poreskog_oslobojenja = din("28423");
    m.minimalna_osnovica = din("45950");
    m.maksimalna_osnovica = din("656425");
    m.minimalna_osnovna = din("51744");
    return m;
}

inline payroll::Settings coefficientPricing() {
    payroll::Settings s;
    s.nacin_obracuna = 1;
    return s;
}

inline payroll::Settings hourlyPricing() {
    return {};
}

// March 2026 has 22 working days.
inline payroll::HourFund fund176() {
    return {176, 176};
}

} // namespace zarion::test
