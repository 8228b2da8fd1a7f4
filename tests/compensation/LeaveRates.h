#pragma once

#include "core/Currency.h"
#include "payroll/MonthParameters.h"

namespace zarion::test {

// The month's rates the sick-leave tests work their figures out with: tax 10 %, the employee's
// 14 + 5.15 + 0.75 %, the employer's 10 + 5.15 + 0 %, 25,000 tax-free, the base between 45,000
// and 600,000.
inline payroll::MonthParameters leaveRates() {
    payroll::MonthParameters r;
    r.porez_zarade = 10;
    r.iznos_poreskog_oslobojenja = 25000_din;
    r.Doprinosi_PIO = 14;
    r.Doprinosi_zo = 5.15;
    r.doprinosi_nezaposlenost = 0.75;
    r.Doprinosi_PIO_F = 10;
    r.Doprinosi_zo_F = 5.15;
    r.minimalna_osnovica = 45000_din;
    r.maksimalna_osnovica = 600000_din;
    return r;
}

} // namespace zarion::test
