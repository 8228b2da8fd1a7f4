// What the disabled persons' calculation, the award orders and the annual-leave overview store
// and list.
#include <gtest/gtest.h>

#include "Dinars.h"
#include "EmployeeSeed.h"
#include "SampleCompany.h"
#include "TemplateDatabase.h"
#include "XmlSchema.h"
#include "compensation/AnnualLeave.h"
#include "compensation/AwardOrders.h"
#include "compensation/AwardPaymentOrders.h"
#include "compensation/AwardPrints.h"
#include "compensation/DisabledLists.h"
#include "compensation/JubileeDeclaration.h"
#include "compensation/TaxSpecification.h"
#include "outputs/DeclarationXml.h"

namespace zarion::compensation {
namespace {

using outputs::Col;

using test::din;

class BenefitsTest : public testing::Test {
protected:
    void SetUp() override {
        db->run("INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade) VALUES (3, 2026, "
                "10)");
        db->run("INSERT INTO parametri (porez_zarade, Doprinosi_PIO) VALUES (10, 14)");
    }
    test::TemplateDatabase db;
    std::int64_t nenad = test::addEmployee(
        *db, {.surname = "Živković", .name = "Nenad", .jmbg = "0311984710742", .municipality = 11});
};

TEST_F(BenefitsTest, TheDisabledAreNotCalculatedWithoutTheControlRow) {
    ASSERT_FALSE(addDisabledPerson(*db, nenad, "II", din("10000")));
    EXPECT_EQ(disabledCalculation(*db, nenad, 2026, 3).message(),
              "Unesite parametre za obracun naknada invalida");
    EXPECT_EQ(addDisabledPerson(*db, nenad, "III", din("1"))->message, "Vec ste ubacili invalida!");
}

TEST_F(BenefitsTest, ADisabledPersonBelowTheAdjustedAmountIsPaidItAndRefundedOnce) {
    saveDisabledControl(*db, {din("9000"), din("9500"), 4.2, din("12000"), 10.3, "840-1"});
    ASSERT_FALSE(addDisabledPerson(*db, nenad, "II", din("10000")));
    for (int posting = 0; posting < 2; ++posting) {
        const auto row = disabledCalculation(*db, nenad, 2026, 3);
        ASSERT_TRUE(row.ok()) << row.message();
        const auto calculated = calculateDisabled(*db, *row);
        ASSERT_TRUE(calculated.ok());
        postDisabledCalculation(*db, *calculated);
    }
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM invalidi_obracuni"), 1);
    const DisabledMonth month = loadDisabledMonth(*db, 2026, 3);
    ASSERT_EQ(month.rows.size(), 1u);
    EXPECT_EQ(month.rows[0].row.paid(), din("12000"));
    EXPECT_EQ(month.rows[0].row.BRUTO, din("13333.33"));
    EXPECT_EQ(month.totalRefund(), din("14569.33")); // 13,333.33 + 1,236

    const auto texts = disabledPaidList({}, month).pages.at(0).texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "Molimo Vas da iznos od: 14.569,33 uplatite na Račun: "),
              texts.end());
    // the refund list numbers its fourteen columns and totals the refund
    const report::Page refund = disabledRefundList({}, month).pages.at(0);
    for (const char* text : {"14", "(11+12+13)", "12.000,00", "9.500,00", "14.569,33"})
        EXPECT_NE(refund.findText(text), nullptr) << text;
}

TEST_F(BenefitsTest, AnEmployeesAwardIsCorrectedInPlaceAndDeclaredAsJubilee) {
    EXPECT_EQ(createAwardOrder(*db, AwardKind::Jubilee, {2026, 3, 15}, "Jubilarne", din("25000"))
                  .message(),
              "Unesite uplatne racune za Jubilarne nagrade!");
    db->run("INSERT INTO uplatni_racuni_ostale (id_ostale, racun_porez_na_plate) VALUES (1, "
            "'840-4848-37')");
    const auto order =
        createAwardOrder(*db, AwardKind::Jubilee, {2026, 3, 15}, "Jubilarne", din("25000"));
    ASSERT_TRUE(order.ok());
    EXPECT_EQ(order->porez_zarade, 10); // from the current rates
    EXPECT_EQ(order->racun_porez_na_plate, "840-4848-37");

    EXPECT_TRUE(postAwardPayment(*db, *order, 0, {}).has_value());
    ASSERT_FALSE(
        postAwardPayment(*db, *order, nenad, *jubileeFromNet(din("20000"), order->rates())));
    ASSERT_FALSE(
        postAwardPayment(*db, *order, nenad, *jubileeFromNet(din("61000"), order->rates())));
    const auto payments = awardPayments(*db, order->id_noz);
    ASSERT_EQ(payments.size(), 1u);
    EXPECT_EQ(payments[0].figures.gross, din("65000"));

    JubileeDeclaration producer(*db, *order);
    const auto fill = producer.fill();
    ASSERT_TRUE(fill.ok());
    EXPECT_EQ(fill->month, 3);
    ASSERT_EQ(fill->rows.size(), 1u);
    const outputs::DeclarationRow& r = fill->rows[0];
    EXPECT_EQ(r[Col::SVP], "101110000");
    EXPECT_EQ(r[Col::OznakaPrebivalista], "011");
    EXPECT_EQ(r[Col::Bruto], "65000.00");
    EXPECT_EQ(r[Col::OsnovicaPorez], "40000");
    EXPECT_EQ(r[Col::Porez], "4000.00");
    EXPECT_EQ(r[Col::NETO], "61000.00");

    // the return passes its checks and its schema
    const outputs::Declaration declaration = outputs::openDeclaration(
        *fill, outputs::PayerData{"013", "plate@firma.rs", "4", "1 - Pravno lice"},
        test::sampleCompany(), {2026, 3, 20});
    outputs::DeclarationTotals totals;
    totals.add(r);
    const auto findings = outputs::checkDeclaration(declaration, jubileeRates(*order),
                                                    outputs::municipalityCodes(*db), totals);
    for (const auto& finding : findings)
        ADD_FAILURE() << outputs::findingLine(declaration, finding);
    EXPECT_TRUE(test::schemaErrors(ZARION_PPPPD_XSD,
                                   outputs::declarationParts(declaration, {2026, 3, 20})[0])
                    .empty());

    // orders: the tax to the order's account, the net to the employee; no contributions
    ASSERT_EQ(ordersFromAwards(*db, nullptr, *order).value(), 2);
    const auto orders = [&](const char* amount, const char* account) {
        return db->scalar("SELECT COUNT(*) FROM nalozi WHERE Iznos = ? AND racun_poverioca = ?",
                          din(amount), std::string(account));
    };
    EXPECT_EQ(orders("4000", "840-4848-37"), 1);
    EXPECT_EQ(orders("61000", ""), 1);

    const report::Page list = awardPaymentList({}, {}, *order, payments).pages.at(0);
    for (const char* text : {"SPISAK ZA ISPLATU OSTALIH ZARADA Jubilarne nagrade",
                             "Nalog: 1 - 15.03.2026 - Jubilarne", "Radno mesto", "4.000,00"})
        EXPECT_NE(list.findText(text), nullptr) << text;

    deleteAwardPayment(*db, payments[0].id_ooz);
    EXPECT_FALSE(JubileeDeclaration(*db, *order).fill().ok());
}

TEST_F(BenefitsTest, ANewOrderKeepsTheRatesOfTheLatestOneAndAnnualOrdersPayBothShares) {
    const auto first =
        createAwardOrder(*db, AwardKind::Annual, {2026, 1, 20}, "Prva", din("10000")).value();
    db->run("UPDATE parametri SET porez_zarade = 20");
    const auto second =
        createAwardOrder(*db, AwardKind::Annual, {2026, 3, 20}, "Druga", din("0")).value();
    EXPECT_EQ(second.porez_zarade, 10);
    EXPECT_EQ(second.Doprinosi_PIO, 14);
    EXPECT_EQ(awardOrders(*db, AwardKind::Annual).front().id_noz, second.id_noz);
    EXPECT_TRUE(awardOrders(*db, AwardKind::Jubilee).empty());

    AwardFigures award;
    award.net = din("700");
    award.gross = din("1000");
    award.tax = din("100");
    award.pio = din("140");
    award.health = din("51.50");
    award.unemployment = din("8.50");
    ASSERT_FALSE(postAwardPayment(*db, first, nenad, award));
    ASSERT_EQ(ordersFromAwards(*db, nullptr, first).value(), 5);
    const auto ordered = [&](const char* amount) {
        return db->scalar("SELECT COUNT(*) FROM nalozi WHERE Iznos = ?", din(amount));
    };
    for (const char* amount : {"100", "280", "103", "17", "700"})
        EXPECT_EQ(ordered(amount), 1) << amount;
}

TEST_F(BenefitsTest, TheTaxIsSpecifiedByTheMunicipalityOfResidence) {
    const std::int64_t ana = test::addEmployee(*db, {.name = "Ana", .municipality = 11});
    const std::int64_t iva = test::addEmployee(*db, {.name = "Iva", .municipality = 13});
    const auto lines =
        taxByResidence(*db, {{nenad, din("1000.10")}, {iva, din("7")}, {ana, din("0.90")}});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].code, 11);
    EXPECT_FALSE(lines[0].name.empty());
    EXPECT_EQ(lines[0].tax, din("1001"));
    EXPECT_EQ(lines[1].code, 13);
    EXPECT_EQ(lines[1].tax, din("7"));
}

TEST_F(BenefitsTest, TheLeaveOverviewSumsExactlyTheMonthsOfTheSpan) {
    const std::pair<int, int> months[] = {{2024, 10}, {2024, 11}, {2024, 12},
                                          {2025, 1},  {2025, 2},  {2025, 3}};
    const double hours[] = {100, 8, 16, 8, 12, 100};
    for (std::size_t i = 0; i < std::size(months); ++i)
        db->run("INSERT INTO obracuni (ID_Radnik, godina, mesec, godisnji_s) VALUES (?, ?, ?, ?)",
                nenad, months[i].first, months[i].second, hours[i]);
    const auto rows = leaveTaken(*db, {2024, 11, 2025, 2});
    ASSERT_TRUE(rows.ok());
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->at(0).hours, 44);
    EXPECT_EQ(leaveDays(rows->at(0).days()), "5,5");
    EXPECT_FALSE(leaveTaken(*db, {2025, 2, 2024, 11}).ok());
    const report::Page page = leaveOverviewReport({}, {}, {2024, 11, 2025, 2}, *rows).pages.at(0);
    for (const char* text :
         {"Pregled korištenja godišnjih odmora", "za period: 11/2024 - 02/2025", "44,00", "5,5"})
        EXPECT_NE(page.findText(text), nullptr) << text;
}

} // namespace
} // namespace zarion::compensation
