#pragma once

#include <cstdint>

#include "CompanyFixture.h"
#include "EmployeeSeed.h"

namespace zarion::test {

// The company of 16 March 2026 whose register the windows show: the units Proizvodnja and
// Uprava, one bank, and four employees (Šćepanović Ana and the trainee Ilić Đorđe in production,
// the owner Marić Šime and Lukić Ivan, who left, in the office).
struct RegisterCompany : CompanyFixture {
    RegisterCompany()
        : CompanyFixture({{2026, 3, 16}, 9, 0, 0}) {
        payroll().run("INSERT INTO radne_jedinice(Naziv) VALUES ('Proizvodnja')");
        production = payroll().lastInsertId();
        payroll().run("INSERT INTO radne_jedinice(Naziv) VALUES ('Uprava')");
        office = payroll().lastInsertId();
        payroll().run("INSERT INTO banke(banka, tekuci_Racun) VALUES ('Banka Intesa', '160-1')");
        bank = payroll().lastInsertId();
        ana = addEmployee(
            payroll(), {.surname = "Šćepanović", .name = "Ana", .unit = production, .bank = bank});
        addEmployee(
            payroll(),
            {.surname = "Ilić", .name = "Đorđe", .unit = production, .bank = bank, .calcType = 1});
        addEmployee(
            payroll(),
            {.surname = "Marić", .name = "Šime", .unit = office, .bank = bank, .owner = true});
        addEmployee(
            payroll(),
            {.surname = "Lukić", .name = "Ivan", .unit = office, .bank = bank, .inactive = true});
    }

    std::int64_t production = 0;
    std::int64_t office = 0;
    std::int64_t bank = 0;
    std::int64_t ana = 0;
};

} // namespace zarion::test
