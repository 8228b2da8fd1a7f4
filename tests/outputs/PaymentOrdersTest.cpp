#include "outputs/PaymentOrders.h"

#include <gtest/gtest.h>

#include "MarchPayroll.h"

namespace zarion::outputs {
namespace {

using test::din;

class PaymentOrders : public ::testing::Test {
protected:
    PaymentOrders() {
        march.db->run("INSERT INTO parametri2(racun_za_isplatu, racun_porez_na_plate, "
                      "poziv_na_broj_porez, racun_pio_firma) VALUES ('160-0000000000111-11', "
                      "'840-0000004711843-30', '97 1100', '840-0000004712843-63')");
        march.db->run("INSERT INTO nalozi(Broj, poverilac) VALUES (1, 'an earlier order')");
    }
    PayrollList list() {
        auto loaded = loadPayrollList(*march.db, {2026, 3, Payment::Whole, 0});
        EXPECT_TRUE(loaded.ok());
        return std::move(loaded).value();
    }
    test::MarchPayroll march;
};

TEST_F(PaymentOrders, RevenuesOfTheEmployeesThenEachEmployeesPayReplaceEarlierOrders) {
    const auto generated = ordersFromPayrollList(*march.db, nullptr, list());
    ASSERT_TRUE(generated.ok()) << generated.message();
    // The owner's orders need the owner's accounts, which the company has not entered.
    EXPECT_EQ(generated->warning, "Niste uneli uplatne racune za vlasnika!");
    EXPECT_EQ(generated->count, 10);

    const auto orders = loadOrders(*march.db);
    ASSERT_EQ(orders.size(), 10u);
    const StoredOrder& tax = orders[0];
    EXPECT_EQ(std::tie(tax.Broj, tax.poverilac, tax.SIFRA, tax.SVRHA),
              std::tuple(1, "Porez na zarade", "253", "Zarada za: 03 2026"));
    // Babić 6,577.90 + Čolić 4,577.94 + Šarić 2,577.90; the owner's 16,577.90 is left out.
    EXPECT_EQ(
        std::tie(tax.Iznos, tax.racun_duznika, tax.racun_poverioca, tax.POziv_na_broj),
        std::tuple(din("13733.74"), "160-0000000000111-11", "840-0000004711843-30", "97 1100"));
    EXPECT_EQ(orders[4].poverilac, "Doprinos za PIO firma");
    EXPECT_EQ(orders[4].Iznos, din("19000")); // Babić 10,000 + Čolić 9,000
    EXPECT_EQ(orders[3].poverilac, "Doprinos za slučaj nezaposlenosti radnika");

    // Babić: 73,522.10 less the deductions 5,000 and 2,500.50.
    EXPECT_EQ(orders[7].poverilac, "Babić Ivan");
    EXPECT_EQ(orders[7].SIFRA, "240");
    EXPECT_EQ(orders[7].Iznos, din("66021.60"));
    EXPECT_EQ(orders[9].poverilac, "Šarić Ana");
    EXPECT_EQ(orders[9].racun_poverioca, "160-0000000012345-67");
    EXPECT_EQ(orders[9].POziv_na_broj, "");
}

TEST_F(PaymentOrders, TheOwnersRevenuesGoToTheOwnersAccounts) {
    march.db->run("INSERT INTO parametri_vlasnik(racun_porez_na_plate) VALUES ('840-1-1')");
    const auto generated = ordersFromPayrollList(*march.db, nullptr, list());
    ASSERT_TRUE(generated.ok());
    EXPECT_FALSE(generated->warning);
    const auto orders = loadOrders(*march.db);
    ASSERT_EQ(orders.size(), 17u);
    EXPECT_EQ(orders[7].poverilac, "Porez na zarade - Vlasnik");
    EXPECT_EQ(orders[7].Iznos, din("16577.90"));
    EXPECT_EQ(orders[7].racun_poverioca, "840-1-1");
}

TEST_F(PaymentOrders, AReferenceUnderModel97WithWrongControlDigitsIsNamed) {
    march.db->run("INSERT INTO parametri_vlasnik(racun_porez_na_plate) VALUES ('840-1-1')");
    march.db->run("UPDATE parametri2 SET model_porez = '97', poziv_na_broj_porez = '971100'");
    const auto wrong = ordersFromPayrollList(*march.db, nullptr, list());
    ASSERT_TRUE(wrong.ok());
    EXPECT_EQ(wrong->warning, "Kontrolni broj poziva na broj po modelu 97 nije ispravan:\n"
                              "Porez na zarade: 971100");
    march.db->run("UPDATE parametri2 SET poziv_na_broj_porez = '961100'"); // 98 − 110000 mod 97
    EXPECT_FALSE(ordersFromPayrollList(*march.db, nullptr, list())->warning);
}

TEST_F(PaymentOrders, WithoutAccountsNothingIsGeneratedAndEarlierOrdersStay) {
    march.db->run("DELETE FROM parametri2");
    const auto generated = ordersFromPayrollList(*march.db, nullptr, list());
    EXPECT_FALSE(generated.ok());
    EXPECT_EQ(loadOrders(*march.db).size(), 1u);
}

TEST_F(PaymentOrders, AnEditedOrderIsSavedAndAMissingOneRefused) {
    StoredOrder order = loadOrders(*march.db).front();
    order.Iznos = din("1234.56");
    order.POziv_na_broj = "961100";
    EXPECT_FALSE(saveOrder(*march.db, order));
    EXPECT_EQ(loadOrders(*march.db).front().Iznos, din("1234.56"));
    order.Broj = 99;
    EXPECT_EQ(saveOrder(*march.db, order)->message, "Greska kod pronalazenja naloga u bazi!");

    const auto printed = printedOrder(loadOrders(*march.db).front(), "Niš", {2026, 4, 10});
    EXPECT_EQ(printed.recipientModel, "97");
    EXPECT_EQ(printed.recipientReference, "961100");
}

} // namespace
} // namespace zarion::outputs
