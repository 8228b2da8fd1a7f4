#include <gtest/gtest.h>

#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "other_income/OtherIncomeDeclaration.h"
#include "other_income/OtherIncomeKinds.h"
#include "other_income/OtherIncomePaymentOrders.h"

namespace zarion::other_income {
namespace {

using outputs::Col;

// An order of two people, Zorić in municipality 7 and Anić in 21, with amounts set by hand.
class OtherIncomeOutputs : public ::testing::Test {
protected:
    void SetUp() override {
        zoric = test::addEmployee(*db, {.surname = "Zorić",
                                        .name = "Ana",
                                        .jmbg = "0101990715005",
                                        .account = "160-12345-67",
                                        .municipality = 7});
        anic = test::addEmployee(*db, {.surname = "Anić",
                                       .name = "Ivo",
                                       .jmbg = "0202985710008",
                                       .account = "205-999-11",
                                       .municipality = 21});
    }
    PaidOrder posted(int kind) {
        OtherIncomeOrder order;
        order.tip_noz = kind;
        order.Datum = {2026, 3, 20};
        order.Naziv = "Mart";
        order.rates.tax = 10;
        order.racun_poreza = "840-4848-37";
        order.poziv_poreza = "97 11-1";
        const std::int64_t id = saveOrder(*db, order).value();
        RowAmounts z;
        z.gross = 10000_din;
        z.nonTaxable = 1000_din;
        z.tax = 1000_din;
        z.employee = {1400_din, 515_din, 0_din};
        z.employer = {1000_din, 0_din, 0_din};
        z.net = 7085_din;
        z.taxBase = 9000_din;
        z.contributionBase = 10000_din;
        post(id, zoric, z);
        RowAmounts a;
        a.gross = 5000_din;
        a.standardizedCosts = 1000_din;
        a.tax = 400_din;
        a.employee = {560_din, 0_din, 0_din};
        a.net = 4040_din;
        a.taxBase = 4000_din;
        a.contributionBase = 4000_din;
        post(id, anic, a);
        return loadPaidOrder(*db, id).value();
    }
    void post(std::int64_t order, std::int64_t person, const RowAmounts& amounts) {
        PersonRow row;
        row.id_noz = order;
        row.id_radnik = person;
        row.amounts = amounts;
        row.broj_sati = 12.5;
        postPersonRow(*db, 6, row, false);
    }

    test::TemplateDatabase db;
    std::int64_t zoric = 0, anic = 0;
};

TEST_F(OtherIncomeOutputs, TheDeclarationCarriesBothSharesAndTheBasesOfEachPerson) {
    const PaidOrder paid = posted(AdvanceKind);
    OrderDeclaration producer(paid, {AdvanceIncomeCode, 168});
    const auto fill = producer.fill();
    ASSERT_TRUE(fill.ok());
    EXPECT_TRUE(fill->advance);
    EXPECT_FALSE(fill->finalPart);
    ASSERT_EQ(fill->rows.size(), 2u);
    const outputs::DeclarationRow& zoricRow = fill->rows[1]; // Anić comes first
    EXPECT_EQ(zoricRow[Col::OznakaPrebivalista], "007");
    EXPECT_EQ(zoricRow[Col::SVP], "101101000");
    EXPECT_EQ(zoricRow[Col::BrojEfektivnihSati], "12.5");
    EXPECT_EQ(zoricRow[Col::MesecniFondSati], "168");
    EXPECT_EQ(zoricRow[Col::Bruto], "10000");
    EXPECT_EQ(zoricRow[Col::OsnovicaPorez], "9000");
    EXPECT_EQ(zoricRow[Col::Porez], "1000");
    EXPECT_EQ(zoricRow[Col::OsnovicaDoprinosi], "10000");
    EXPECT_EQ(zoricRow[Col::PIO], "2400"); // 1.400 of hers and 1.000 of the company
    EXPECT_EQ(zoricRow[Col::ID], std::to_string(zoric));

    OrderDeclaration contract(posted(6), {"101112000", std::nullopt});
    EXPECT_FALSE(contract.fill()->advance);
}

TEST_F(OtherIncomeOutputs, TaxReturnAndMunicipalitiesSumThePeople) {
    const PaidOrder paid = posted(6);
    const auto figures = orderTaxFigures(paid);
    EXPECT_EQ(figures.persons, 2);
    // income after costs 10.000 + 4.000, of which taxable 9.000 + 4.000
    EXPECT_EQ(figures.columns.at(0).paid, 14000_din);
    EXPECT_EQ(figures.columns.at(0).nonTaxable, 1000_din);

    const auto lines = orderTaxByMunicipality(paid, {{7, "Beograd"}});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].code, 7);
    EXPECT_EQ(lines[0].name, "Beograd");
    EXPECT_EQ(lines[0].tax, 1000_din);
    EXPECT_EQ(lines[1].tax, 400_din);

    const report::Document list = payList({}, paid);
    ASSERT_EQ(list.pages.size(), 1u);
    for (const char* text :
         {"SPISAK ZA ISPLATU OSTALIH ZARADA", "Vrsta prihoda: UGOVOR O DELU", "Anić Ivo", "UKUPNO"})
        EXPECT_NE(list.pages[0].findText(text), nullptr) << text;
}

TEST_F(OtherIncomeOutputs, PaymentOrdersNeedTheAccountsOfTheKind) {
    const PaidOrder paid = posted(6);
    db->run("INSERT INTO nalozi (Broj, Iznos) VALUES (1, 5)");
    EXPECT_EQ(ordersFromOrder(*db, nullptr, paid).message(),
              "Unesite uplatne racune za ovaj tip isplata!");
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM nalozi"), 1);

    db->run("INSERT INTO uplatni_racuni_ostale (id_ostale, isplatni_racun, racun_pio, "
            "poziv_na_broj_pio, sifra_pio, racun_zo, racun_pio_firma) VALUES "
            "(6, '160-1-1', '840-1-1', '97 22', '253', '840-2-2', '840-3-3')");
    // tax, PIO, ZO and the company's PIO; no unemployment at all; then the two people
    EXPECT_EQ(ordersFromOrder(*db, nullptr, paid).value(), 6);
    const auto orders = outputs::loadOrders(*db);
    ASSERT_EQ(orders.size(), 6u);
    EXPECT_EQ(orders[0].racun_poverioca, "840-4848-37");
    EXPECT_EQ(orders[0].POziv_na_broj, "97 11-1");
    EXPECT_EQ(orders[0].SIFRA, "254");
    EXPECT_EQ(orders[0].Iznos, 1400_din);
    EXPECT_EQ(orders[1].Iznos, 1960_din);
    EXPECT_EQ(orders[1].SIFRA, "253");
    EXPECT_EQ(orders[3].Iznos, 1000_din);
    EXPECT_EQ(orders[4].poverilac, "Anić Ivo");
    EXPECT_EQ(orders[4].Iznos, 4040_din);
    EXPECT_EQ(orders[5].racun_poverioca, "160-12345-67");
    EXPECT_EQ(orders[5].racun_duznika, "160-1-1");
}

} // namespace
} // namespace zarion::other_income
