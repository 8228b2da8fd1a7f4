#include "outputs/DeclarationOrders.h"

#include <gtest/gtest.h>

#include "Dinars.h"
#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "outputs/PaymentOrders.h"

namespace zarion::outputs {
namespace {

using test::din;

class DeclarationOrders : public ::testing::Test {
protected:
    DeclarationOrders() {
        db->run("INSERT INTO parametri2(racun_za_isplatu) VALUES ('160-0000000000111-11')");
        db->run("INSERT INTO parametri3(racun_jedinstvena_uplata) VALUES ('840-4848-37')");
        db->run("INSERT INTO nalozi(Broj, poverilac) VALUES (1, 'an earlier order')");
        const auto babić = test::addEmployee(
            *db, {.surname = "Babić", .name = "Ivan", .account = "160-0000000012345-67"});
        const auto sarić = test::addEmployee(
            *db, {.surname = "Šarić", .name = "Ana", .account = "205-0000000054321-98"});
        declaration.header.POD121 = "03 - Mart";
        declaration.header.POD122 = "2026";
        declaration.rows = {
            row(babić, " Babić ", "Ivan", "6577.90", "24000.00", "10300.00", "750.00", "73522.10",
                "7500.50"),
            row(sarić, "Šarić", "Ana", "2577.90", "14400", "6180", "450", "43922.10", "0"),
            row(sarić, "Neoznačen", "Red", "999", "999", "999", "999", "999", "0")};
        declaration.rows[2].checked = false;
    }
    static DeclarationRow row(std::int64_t id, const char* surname, const char* name,
                              const char* tax, const char* pio, const char* health,
                              const char* unemployment, const char* net, const char* deducted) {
        DeclarationRow r;
        r[Col::ID] = std::to_string(id);
        r[Col::Prezime] = surname;
        r[Col::Ime] = name;
        r[Col::Porez] = tax;
        r[Col::PIO] = pio;
        r[Col::ZDR] = health;
        r[Col::NEZ] = unemployment;
        r[Col::NETO] = net;
        r[Col::Obustave] = deducted;
        return r;
    }

    test::TemplateDatabase db;
    Declaration declaration;
};

TEST_F(DeclarationOrders, TheSinglePaymentThenEachCheckedRecipientsPay) {
    const auto written = ordersFromDeclaration(*db, nullptr, declaration, "BOP123", true);
    ASSERT_TRUE(written.ok()) << written.message();
    EXPECT_EQ(*written, 3);
    const auto orders = loadOrders(*db);
    ASSERT_EQ(orders.size(), 3u);
    // Tax 6,577.90 + 2,577.90, PIO 38,400, health 16,480, unemployment 1,200 of the checked rows.
    EXPECT_EQ(std::tie(orders[0].SVRHA, orders[0].poverilac, orders[0].SIFRA, orders[0].Iznos,
                       orders[0].racun_poverioca, orders[0].POziv_na_broj),
              std::tuple("PID-03-2026", "MINF Poreska uprava", "254", din("65235.80"),
                         "840-4848-37", "BOP123"));
    EXPECT_EQ(orders[1].SVRHA, "ZARADA-03-2026");
    EXPECT_EQ(orders[1].poverilac, "Babić Ivan");
    EXPECT_EQ(orders[1].SIFRA, "240");
    EXPECT_EQ(orders[1].Iznos, din("66021.60")); // 73,522.10 − 7,500.50
    EXPECT_EQ(orders[1].racun_poverioca, "160-0000000012345-67");
    EXPECT_EQ(orders[2].poverilac, "Šarić Ana");
    EXPECT_EQ(orders[2].racun_duznika, "160-0000000000111-11");
}

TEST_F(DeclarationOrders, EarlierOrdersStayWhenTheOperatorKeepsThem) {
    ASSERT_TRUE(ordersFromDeclaration(*db, nullptr, declaration, "", false).ok());
    EXPECT_EQ(loadOrders(*db).size(), 4u);
    db->run("DELETE FROM parametri2");
    EXPECT_FALSE(ordersFromDeclaration(*db, nullptr, declaration, "", true).ok());
    EXPECT_EQ(loadOrders(*db).size(), 4u);
}

} // namespace
} // namespace zarion::outputs
