#pragma once

#include <cstdint>

#include "PostedSalaries.h"
#include "core/Currency.h"

namespace zarion::test {

// March 2026 paid at once by a budget user: Šarić to her account written with dashes, with a
// union fee withheld; Ilić without an account, paying the solidarity tax. The journal accounts
// book every item on its own liability account, the net on 231111.
class TreasuryPayroll {
public:
    explicit TreasuryPayroll(db::Database& payroll)
        : db(&payroll) {
        seed.monthRates(2026, 3, {});
        db->run("INSERT INTO gk_nalog(D_Neto, P_NETO, D_porez, P_porez, D_PIO_R, P_PIO_R, "
                "D_ZO_R, P_ZO_R, D_NEZ_R, P_NEZ_R, D_PIO_F, P_PIO_F, D_ZO_F, P_ZO_F, D_NEZ_F, "
                "P_NEZ_F) VALUES ('411111', '231111', '411111', '231211', '411111', '231311', "
                "'411111', '231411', '411111', '231511', '412111', '232111', '412211', "
                "'232211', '412311', '232311')");
        db->run("INSERT INTO parametri3(jibk, poziv_na_broj_krediti, poziv_na_broj_budzet) "
                "VALUES ('12345', '2026-03', '97-1234')");
        db->run("INSERT INTO obustaveproc(obustava, tekuci_Racun) VALUES ('Sindikat', "
                "'205-0000000000111-22')");
        const std::int64_t union_ = db->lastInsertId();
        db->run("INSERT INTO obustave_radnici(id_obustava, sifra_placanja, model) "
                "VALUES (?, '221', '97')",
                union_);
        const auto saric = seed.employee({.surname = "Šarić",
                                          .name = "Ana",
                                          .jmbg = "1505985715016",
                                          .account = "160-0000000012345-67"});
        const auto ilic = seed.employee(
            {.surname = "Ilić", .name = "Ivan", .jmbg = "0303993710033", .account = ""});
        const auto calculation =
            post(saric, "70000", "0", "7000", "14000", "5150", "750", "10000", "5150");
        db->run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, kreditor, "
                "Iznos) VALUES (?, 0, ?, 'Sindikat', 50000000)",
                calculation, union_);
        post(ilic, "30000", "500", "3000", "6000", "2000", "300", "4000", "2000");
    }

    db::Database* db;
    PostedSalaries seed{*db};

private:
    std::int64_t post(std::int64_t employee, const char* net, const char* solidarity,
                      const char* tax, const char* pio, const char* zo, const char* nez,
                      const char* pioF, const char* zoF) {
        payroll::SalaryResult r;
        r.NETO = Currency::parse(net);
        r.solidarni_porez = Currency::parse(solidarity);
        r.porez_na_zaradu = Currency::parse(tax);
        r.Doprinosi_PIO = Currency::parse(pio);
        r.Doprinosi_zo = Currency::parse(zo);
        r.doprinosi_nezaposlenost = Currency::parse(nez);
        r.Doprinosi_PIO_F = Currency::parse(pioF);
        r.Doprinosi_zo_F = Currency::parse(zoF);
        return seed.salary(CalculationKind::Final, employee, 2026, 3, r);
    }
};

} // namespace zarion::test
