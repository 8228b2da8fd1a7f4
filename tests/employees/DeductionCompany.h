#pragma once

#include <cstdint>

#include "CompanyFixture.h"
#include "DeductionDb.h"

namespace zarion::test {

// The company of 14 March 2024 whose deductions the windows show: a union of 1 % of the net, an
// insurance of 1,500 dinars, a canteen of a varying amount and a bank's loans; three employees
// and Đukić Milan, who left.
struct DeductionCompany : CompanyFixture {
    DeductionCompany()
        : CompanyFixture({{2024, 3, 14}, 10, 0, 0}) {
        master();
        payroll().run("INSERT INTO parametri2(racun_za_isplatu, opstina) "
                      "VALUES ('205-0000000999900-11', 'Šabac')");
    }

    DeductionDb data{payroll()};
    std::int64_t marko = data.employee("Petrović", "Marko", false, "1203985710123");
    std::int64_t ana = data.employee("Antić", "Ana", false, "0507990715555");
    std::int64_t jelena = data.employee("Šćepanović", "Jelena", false, "2811992725019");
    std::int64_t former = data.employee("Đukić", "Milan", true);
    std::int64_t union_ = data.deduction("Sindikat metalaca", 0, 1, "205-0000000123456-78");
    std::int64_t insurance =
        data.deduction("Dobrovoljno osiguranje", 1, 1500, "160-0000000055000-11");
    std::int64_t canteen = data.deduction("Kantina", 2, 2000, "170-0000000001111-22");
    std::int64_t bank =
        data.deduction("Banca Intesa - krediti", 3, 0, "160-0000000599900-44", "97 1100");
};

} // namespace zarion::test
