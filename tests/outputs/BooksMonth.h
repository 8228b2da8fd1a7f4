#pragma once

#include <cstdint>

#include "MarchPayroll.h"
#include "PostedSalaries.h"
#include "TemplateDatabase.h"
#include "core/CalculationKind.h"
#include "outputs/PayrollList.h"

namespace zarion::test {

// May 2026 paid in one payment: Anić (basic pay, seniority and meals, a union fee withheld) and
// Babić (on the minimum base) through Banka Jug, and the owner Vlasnić. Every figure is kept
// whole so that the sums can be followed by hand.
class BooksMonth {
public:
    BooksMonth() {
        payroll::MonthParameters rates;
        rates.porez_zarade = 10;
        seed.monthRates(2026, 5, rates);
        db->run("INSERT INTO banke(banka, Racun) VALUES ('Banka Jug', '155-0000000000001-11')");
        const std::int64_t bank = db->lastInsertId();
        db->run("INSERT INTO obustaveproc(obustava, Tip, tekuci_Racun, poziv) "
                "VALUES ('Sindikat', 1, '160-0000000000222-22', '123')");
        const std::int64_t union_ = db->lastInsertId();
        anić = seed.employee({.surname = "Anić", .name = "Ana", .bank = bank});
        babić = seed.employee({.surname = "Babić", .name = "Bojan", .bank = bank});
        owner = seed.employee({.surname = "Vlasnić", .name = "Vesna", .bank = bank, .owner = true});

        payroll::SalaryResult a;
        a.osnovna_bruto = Currency::fromUnits(50000);
        a.broj_sati = 160;
        a.minuli_rad = Currency::fromUnits(2000);
        a.topli_obrok = Currency::fromUnits(3000);
        a.NETO = Currency::fromUnits(55000);
        a.porez_na_zaradu = Currency::fromUnits(5000);
        a.Doprinosi_PIO = Currency::fromUnits(10780);
        a.Doprinosi_zo = Currency::parse("3965.50");
        a.doprinosi_nezaposlenost = Currency::parse("577.50");
        a.BRUTO = Currency::fromUnits(75323);
        a.Doprinosi_PIO_F = Currency::parse("7532.30");
        a.Doprinosi_zo_F = Currency::parse("3879.13");
        a.tekuci_Racun = "155-0000000000101-55";
        const std::int64_t anićId = seed.salary(CalculationKind::Final, anić, 2026, 5, a);
        db->run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, kreditor, "
                "Iznos) VALUES (?, 0, ?, 'Sindikat', ?)",
                anićId, union_, Currency::fromUnits(1000));

        payroll::SalaryResult b;
        b.tip_obracuna = 3;
        b.osnovna_bruto = Currency::fromUnits(40000);
        b.broj_sati = 168;
        b.NETO = Currency::fromUnits(40000);
        b.porez_na_zaradu = Currency::fromUnits(3000);
        b.Doprinosi_PIO = Currency::fromUnits(8000);
        b.Doprinosi_zo = Currency::fromUnits(3000);
        b.doprinosi_nezaposlenost = Currency::fromUnits(500);
        b.BRUTO = Currency::fromUnits(54500);
        b.Doprinosi_PIO_F = Currency::fromUnits(5450);
        b.Doprinosi_zo_F = Currency::parse("2806.75");
        b.tekuci_Racun = "155-0000000000102-52";
        seed.salary(CalculationKind::Final, babić, 2026, 5, b);

        payroll::SalaryResult o;
        o.osnovna_bruto = Currency::fromUnits(100000);
        o.broj_sati = 160;
        o.NETO = Currency::fromUnits(100000);
        o.porez_na_zaradu = Currency::fromUnits(10000);
        o.Doprinosi_PIO = Currency::fromUnits(20000);
        o.Doprinosi_zo = Currency::fromUnits(7000);
        o.doprinosi_nezaposlenost = Currency::fromUnits(1000);
        o.BRUTO = Currency::fromUnits(138000);
        o.Doprinosi_PIO_F = Currency::fromUnits(13800);
        o.Doprinosi_zo_F = Currency::fromUnits(7107);
        o.tekuci_Racun = "155-0000000000103-49";
        seed.salary(CalculationKind::Final, owner, 2026, 5, o);
    }

    outputs::PayrollList list() {
        auto loaded = outputs::loadPayrollList(*db, {2026, 5, outputs::Payment::Whole, 0});
        return std::move(loaded).value();
    }

    TemplateDatabase db;
    PostedSalaries seed{*db};
    std::int64_t anić = 0;
    std::int64_t babić = 0;
    std::int64_t owner = 0;
};

} // namespace zarion::test
