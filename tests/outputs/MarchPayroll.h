#pragma once

#include <cstdint>

#include "Dinars.h"
#include "PostedSalaries.h"
#include "TemplateDatabase.h"
#include "core/Currency.h"
#include "payroll/SalaryResult.h"

namespace zarion::test {

inline payroll::SalaryResult postedSalary(const char* gross, const char* tax, const char* net) {
    payroll::SalaryResult r;
    r.BRUTO = din(gross);
    r.porez_na_zaradu = din(tax);
    r.NETO = din(net);
    r.tekuci_Racun = "160-0000000012345-67";
    return r;
}

// March 2026 of a company with two units: Babić and Šarić in "Uprava", Čolić in "Proizvodnja"
// (paid in cash, 18 insured days, his own contribution base), the owner Vlasnić, a calculation of
// an employee the register no longer holds, Babić's February, and Babić's advance of March.
// Babić's final has two deductions and two linked other incomes.
class MarchPayroll {
public:
    MarchPayroll() {
        payroll::MonthParameters rates;
        rates.porez_zarade = 10;
        rates.Doprinosi_PIO = 14;
        rates.Doprinosi_zo = 5.15;
        rates.doprinosi_nezaposlenost = 0.75;
        rates.Doprinosi_PIO_F = 10;
        rates.Doprinosi_zo_F = 5.15;
        seed.monthRates(2026, 3, rates);
        office = seed.unit("Uprava");
        works = seed.unit("Proizvodnja");
        seed.municipality(70017, "Niš - Crveni Krst");
        seed.municipality(70092, "Beograd - Zvezdara");
        sarić = seed.employee({.surname = "Šarić",
                               .name = "Ana",
                               .jmbg = "1505985715016",
                               .unit = office,
                               .municipality = 70092});
        colić = seed.employee({.surname = "Čolić",
                               .name = "Zoran",
                               .jmbg = "2002979710022",
                               .unit = works,
                               .municipality = 70017});
        babić = seed.employee(
            {.surname = "Babić", .name = "Ivan", .unit = office, .municipality = 70017});
        owner =
            seed.employee({.surname = "Vlasnić", .name = "Petar", .unit = office, .owner = true});

        auto b = postedSalary("100000", "6577.90", "73522.10");
        b.Doprinosi_PIO = din("14000");
        b.Doprinosi_zo = din("5150");
        b.doprinosi_nezaposlenost = din("750");
        b.Doprinosi_PIO_F = din("10000");
        b.Doprinosi_zo_F = din("5150");
        babićFinal = seed.salary(CalculationKind::Final, babić, 2026, 3, b);
        seed.deduction(babićFinal, false, "Banka Intesa", din("5000"));
        seed.deduction(babićFinal, false, "Sindikat", din("2500.50"));
        seed.linkedOtherIncome(babićFinal, babić, din("12000"));
        seed.linkedOtherIncome(babićFinal, babić, din("345.67"));

        auto c = postedSalary("80000.40", "4577.94", "58500.30");
        c.osnovica_doprinosa = din("90000");
        c.Doprinosi_PIO_F = din("9000");
        c.tekuci_Racun.clear();
        seed.salary(CalculationKind::Final, colić, 2026, 3, c, din("58500.30"), 18);
        seed.salary(CalculationKind::Final, sarić, 2026, 3,
                    postedSalary("60000", "2577.90", "43922.10"));
        seed.salary(CalculationKind::Final, owner, 2026, 3,
                    postedSalary("200000", "16577.90", "140000"));
        seed.salary(CalculationKind::Final, 999, 2026, 3, postedSalary("1", "0", "1"));
        seed.salary(CalculationKind::Final, babić, 2026, 2, postedSalary("1", "0", "1"));

        babićAdvance = seed.salary(CalculationKind::Advance, babić, 2026, 3,
                                   postedSalary("50000", "3288.95", "36761.05"));
        seed.deduction(babićAdvance, true, "Banka Intesa", din("2000"));
    }

    TemplateDatabase db;
    PostedSalaries seed{*db};
    std::int64_t office = 0, works = 0;
    std::int64_t sarić = 0, colić = 0, babić = 0, owner = 0, babićFinal = 0, babićAdvance = 0;
};

} // namespace zarion::test
