// The advances an employee's calculation may take, the bank list of an other-income order, the
// payment accounts kept per kind, and the owner's loan contract.
#include <gtest/gtest.h>

#include "EmployeeSeed.h"
#include "SampleCompany.h"
#include "TemplateDatabase.h"
#include "other_income/EmployeeAdvances.h"
#include "other_income/LoanContract.h"
#include "other_income/OtherIncomeBankList.h"
#include "parameters/TableEditor.h"

using namespace zarion;
using namespace zarion::other_income;

namespace {

class OtherIncomeLists : public testing::Test {
protected:
    std::int64_t order(int kind, Date date, const std::string& title, bool removed = false) {
        db->run("INSERT INTO nalozi_ostale_zarade(tip_noz, Datum, Naziv, obrisan) "
                "VALUES (?, ?, ?, ?)",
                kind, date, title, removed);
        return db->lastInsertId();
    }
    std::int64_t row(std::int64_t order, std::int64_t person, std::int64_t net) {
        db->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, NETO) VALUES (?, ?, ?)",
                order, person, Currency::fromUnits(net));
        return db->lastInsertId();
    }
    std::int64_t bank(const std::string& name) {
        db->run("INSERT INTO banke(banka, tekuci_Racun) VALUES (?, '')", name);
        return db->lastInsertId();
    }

    test::TemplateDatabase db;
    std::int64_t žika = test::addEmployee(*db, {.surname = "Živković", .name = "Žika"});
    std::int64_t ana = test::addEmployee(*db, {.surname = "Antić", .name = "Ana"});
};

TEST_F(OtherIncomeLists, AdvancesOfTheEmployeeNewestFirstAndNoOtherKind) {
    const std::int64_t march = row(order(99, {2026, 3, 10}, "Akontacija mart"), ana, 20000);
    const std::int64_t april = row(order(99, {2026, 4, 10}, "Akontacija april"), ana, 15000);
    row(order(99, {2026, 4, 10}, "Akontacija april"), žika, 9000);
    row(order(6, {2026, 5, 1}, "Ugovor o delu"), ana, 50000);

    const auto advances = employeeAdvances(*db, ana);
    ASSERT_EQ(advances.size(), 2u);
    EXPECT_EQ(advances[0].id_ooz, april);
    EXPECT_EQ(advances[0].Datum, (Date{2026, 4, 10}));
    EXPECT_EQ(advances[0].NETO, Currency::fromUnits(15000));
    EXPECT_EQ(advances[1].id_ooz, march);
    const std::int64_t nobody = test::addEmployee(*db, {.surname = "Bez", .name = "Akontacije"});
    EXPECT_TRUE(employeeAdvances(*db, nobody).empty());
}

TEST_F(OtherIncomeLists, BankListOfAnOrderGroupsTheNetsByTheRecipientsBanks) {
    const std::int64_t intesa = bank("Banca Intesa");
    db->run("UPDATE radnici SET ID_BAnka = ?, tekuci_Racun = '160-1-11' WHERE id_radnik IN (?, ?)",
            intesa, ana, žika);
    const std::int64_t nikola = test::addEmployee(*db, {.surname = "Nikolić", .name = "Nikola"});
    const std::int64_t contract = order(6, {2026, 5, 15}, "Ugovor o delu za maj");
    row(contract, žika, 30000);
    row(contract, ana, 12500);
    row(contract, nikola, 7000);
    row(contract, 999, 1000); // a person the register no longer has
    row(order(6, {2026, 6, 15}, "Drugi nalog"), ana, 40000);

    const auto list = loadOtherIncomeBankList(*db, contract);
    ASSERT_TRUE(list) << list.message();
    EXPECT_EQ(list->payout, "Isplata: 15.05.2026 - Ugovor o delu za maj");
    EXPECT_EQ(list->selection.month, 5);
    EXPECT_EQ(list->missingEmployees, std::vector<std::int64_t>{999});
    ASSERT_EQ(list->banks.size(), 2u);
    EXPECT_EQ(list->banks[0].bank, "Banca Intesa");
    EXPECT_EQ(list->banks[0].total, Currency::fromUnits(42500));
    ASSERT_EQ(list->banks[0].transfers.size(), 2u);
    EXPECT_EQ(list->banks[0].transfers[0].name, "Antić Ana");
    EXPECT_EQ(list->banks[0].transfers[1].name, "Živković Žika"); // Ž after A
    EXPECT_EQ(list->banks[0].transfers[1].account, "160-1-11");
    EXPECT_EQ(list->banks[1].bank, "**** NEMA DODELJENU BANKU ****");
    EXPECT_EQ(list->banks[1].total, Currency::fromUnits(7000));

    EXPECT_EQ(loadOtherIncomeBankList(*db, 4711).message(),
              "Nije pronadjen nalog broj 4711 u bazi!");
}

TEST_F(OtherIncomeLists, OrdersNewestFirstWithoutTheRemovedOnes) {
    const std::int64_t older = order(3, {2026, 2, 1}, "Privremeni");
    order(4, {2026, 3, 1}, "Obrisan", true);
    const std::int64_t newer = order(99, {2026, 4, 1}, "Akontacija");
    const auto orders = otherIncomeOrders(*db);
    ASSERT_EQ(orders.size(), 2u);
    EXPECT_EQ(orders[0].id_noz, newer);
    EXPECT_EQ(orders[1].id_noz, older);
    EXPECT_EQ(orderCaption(orders[1]), std::to_string(older) + " - 01.02.2026 - Privremeni");
}

TEST_F(OtherIncomeLists, PaymentAccountsAreKeptOneRowPerKind) {
    using parameters::EditorRowKey;
    const auto content =
        parameters::loadEditorTable(*db, "uplatni_racuni_ostale", EditorRowKey{"id_ostale", 6});
    EXPECT_FALSE(content.hasRow);
    for (const auto& field : content.fields)
        EXPECT_NE(field.name, "id_ostale"); // the kind is the key, not a field
    std::vector<std::string> inputs(content.fields.size());
    inputs[0] = "160-245813-75"; // isplatni_racun
    for (const std::int64_t kind : {6, 99})
        ASSERT_TRUE(parameters::saveEditorTable(*db, "uplatni_racuni_ostale", inputs,
                                                EditorRowKey{"id_ostale", kind})
                        .stored());
    inputs[0] = "205-1-1";
    ASSERT_TRUE(parameters::saveEditorTable(*db, "uplatni_racuni_ostale", inputs,
                                            EditorRowKey{"id_ostale", 6})
                    .stored());
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM uplatni_racuni_ostale"), 2);
    EXPECT_EQ(
        parameters::loadEditorTable(*db, "uplatni_racuni_ostale", EditorRowKey{"id_ostale", 6})
            .fields[0]
            .text,
        "205-1-1 ");
    EXPECT_EQ(
        parameters::loadEditorTable(*db, "uplatni_racuni_ostale", EditorRowKey{"id_ostale", 99})
            .fields[0]
            .text,
        "160-245813-75 ");
    EXPECT_THROW(parameters::loadEditorTable(*db, "uplatni_racuni_ostale"), std::invalid_argument);
}

TEST_F(OtherIncomeLists, LoanContractNamesThePartiesAndTheCourtOrLeavesItBlank) {
    report::CompanyData company = test::sampleCompany();
    company.vlasnik = "Petar Petrović";
    const auto contract = loanContractDocument(company, "Privredni sud u Beogradu", {2026, 3, 5});
    ASSERT_EQ(contract.pages.size(), 1u);
    for (const char* text :
         {"UGOVOR O KRATKOROČNOM ZAJMU",
          "Ugovor o kratkoročnom zajmu zaključen dana 05.03.2026, između:",
          "1. Petar Petrović iz Niš,", "vlasnika preduzeća Šćepanović i sinovi d.o.o.,",
          "2. Šćepanović i sinovi d.o.o., Niš, PIB: 101234567, Mat.broj: 07654321,",
          "(u daljem tekstu zajmoprimalac)", "Član 4.",
          "U slučaju spora nadležan je Privredni sud u Beogradu."})
        EXPECT_TRUE(contract.pages[0].findText(text)) << text;
    EXPECT_TRUE(loanContractDocument(company, "", {2026, 3, 5})
                    .pages[0]
                    .findText("U slučaju spora nadležan je ________________________________."));

    EXPECT_EQ(competentCourt(*db), "");
    db->run("INSERT INTO parametri_vlasnik(nadlezni_sud) VALUES (' Privredni sud u Nišu ')");
    EXPECT_EQ(competentCourt(*db), "Privredni sud u Nišu");
    EXPECT_EQ(loanContract(*db, nullptr, {2026, 3, 5}).message(), "Niste uneli podatke o firmi!");
}

} // namespace
