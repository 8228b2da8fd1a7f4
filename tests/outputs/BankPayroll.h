#pragma once

#include <cstdint>

#include "TemplateDatabase.h"
#include "PostedSalaries.h"
#include "core/Currency.h"

namespace zarion::test {

// March 2026 paid in two parts: Šarić and Đorđević bank with Direktna, Čolić with Intesa, Ilić
// has no bank. Šarić had deductions in both parts, Đorđević pays the solidarity tax.
class BankPayroll {
public:
    BankPayroll() {
        seed.monthRates(2026, 3, {});
        direktna = bank("Direktna Banka a.d. Kragujevac", "150-0000000000000-00");
        intesa = bank("Banka Intesa a.d. Beograd", "160-0000000000000-00");
        const auto sarić = person("Šarić", "Ana", "1505985715016", direktna);
        const auto đorđević = person("Đorđević", "Đorđe", "0101990710011", direktna);
        const auto colić = person("Čolić", "Zoran", "2002979710022", intesa);
        const auto ilić = person("Ilić", "Ivan", "0303993710033", 0);

        const auto sarićAdvance =
            post(CalculationKind::Advance, sarić, "30000", "0", "150-0000000012345-67");
        seed.deduction(sarićAdvance, true, "Sindikat", Currency::parse("1000"));
        post(CalculationKind::Advance, đorđević, "20000", "0", "150-0000000054321-98");
        post(CalculationKind::Advance, colić, "10000", "0", "160-0000000987654-32");
        post(CalculationKind::Advance, ilić, "5000", "0", "");

        const auto sarićFinal =
            post(CalculationKind::Final, sarić, "73522.10", "0", "150-0000000012345-67");
        seed.deduction(sarićFinal, false, "Banka Intesa", Currency::parse("5000"));
        seed.deduction(sarićFinal, false, "Sindikat", Currency::parse("2500.50"));
        post(CalculationKind::Final, đorđević, "250000", "3947", "150-0000000054321-98");
        post(CalculationKind::Final, colić, "43922.10", "0", "160-0000000987654-32");
        post(CalculationKind::Final, ilić, "12000", "0", "");
    }

    TemplateDatabase db;
    PostedSalaries seed{*db};
    std::int64_t direktna = 0;
    std::int64_t intesa = 0;

private:
    std::int64_t bank(const char* name, const char* account) {
        db->run("INSERT INTO banke(banka, tekuci_Racun) VALUES (?, ?)", name, account);
        return db->lastInsertId();
    }
    std::int64_t person(const char* surname, const char* name, const char* jmbg,
                        std::int64_t bankId) {
        return seed.employee({.surname = surname, .name = name, .jmbg = jmbg, .bank = bankId});
    }
    std::int64_t post(CalculationKind kind, std::int64_t employee, const char* net,
                      const char* solidarity, const char* account) {
        payroll::SalaryResult r;
        r.NETO = Currency::parse(net);
        r.solidarni_porez = Currency::parse(solidarity);
        r.tekuci_Racun = account;
        return seed.salary(kind, employee, 2026, 3, r);
    }
};

} // namespace zarion::test
