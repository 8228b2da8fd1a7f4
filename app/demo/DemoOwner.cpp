#include "demo/DemoOwner.h"

#include <array>

namespace zarion::demo {

void insertOwnerData(db::Database& payroll, const std::string& companyAccount,
                     const std::string& singleAccount, Currency nonTaxable) {
    const std::string& pay = singleAccount;
    payroll.run("INSERT INTO parametri_vlasnik(porez_zarade, Doprinosi_PIO, Doprinosi_zo, "
                "doprinosi_nezaposlenost, iznos_poreskog_oslobojenja, racun_porez_na_plate, "
                "racun_pio, racun_zo, racun_nezaposlenost, racun_pio_firma, racun_zo_firma, "
                "racun_nezaposlenost_firma, nadlezni_sud) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                10.0, 24.0, 10.3, 0.75, nonTaxable, pay, pay, pay, pay, pay, pay, pay,
                std::string("Privredni sud u Beogradu"));
    constexpr auto kinds = std::to_array<int>({99, 11, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13});
    for (const int kind : kinds)
        payroll.run("INSERT INTO uplatni_racuni_ostale(id_ostale, isplatni_racun, "
                    "racun_porez_na_plate, racun_pio, racun_zo, racun_nezaposlenost, "
                    "racun_pio_firma, racun_zo_firma, racun_nezaposlenost_firma, sifra_porez, "
                    "model_porez) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    kind, companyAccount, pay, pay, pay, pay, pay, pay, pay, std::string("254"),
                    std::string("97"));
}

} // namespace zarion::demo
