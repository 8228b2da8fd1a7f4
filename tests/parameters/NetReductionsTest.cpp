// The month's net reductions: which calculations are listed, the control numbers, the orders.
#include "parameters/NetReductions.h"

#include <gtest/gtest.h>

#include "TemplateDatabase.h"

using namespace zarion;
using namespace zarion::parameters;

namespace {

Currency dinars(std::int64_t units, std::int64_t hundredths = 0) {
    return Currency::fromUnits(units) + Currency::fromRaw(hundredths * 100);
}

class NetReductionsTest : public ::testing::Test {
protected:
    test::TemplateDatabase db;

    void SetUp() override {
        db->run("INSERT INTO radnici(id_radnik, Prezime, Ime, JMBG, Kontrolni) VALUES "
                "(1, 'Petrović', 'Ana', '0101990715001', '11'), "
                "(2, 'Jović', 'Marko', '0202985710002', NULL), "
                "(3, 'Ilić', 'Jana', '0303980715003', '')");
        const auto calculation = [&](const char* table, std::int64_t employee, int month,
                                     std::optional<Currency> amount) {
            db->run(std::string("INSERT INTO ") + table +
                        "(ID_RADNIK, MEsec, GODINA, solidarni_porez) VALUES (?, ?, 2026, ?)",
                    employee, month, amount);
        };
        calculation("obracuni", 2, 3, dinars(1234, 56));
        calculation("obracuni", 1, 3, dinars(800));
        calculation("obracuni", 3, 3, Currency());
        calculation("obracuni", 3, 4, std::nullopt);
        calculation("obracuni", 9, 3, dinars(100, 1)); // no longer in the register
        calculation("obracuni", 1, 4, dinars(700));
        calculation("akontacija_obracuni", 1, 3, dinars(300));
        db->run("INSERT INTO bolovanja_obracuni(ID_RADNIK, MEsec, GODINA, porodiljsko, "
                "solidarni_porez) VALUES (1, 3, 2026, 0, ?), (3, 3, 2026, 1, ?)",
                dinars(50), dinars(70));
        db->run("INSERT INTO parametri2(racun_za_isplatu, racun_za_isplatu_bolovanje, "
                "racun_za_isplatu_porodiljsko) VALUES ('160-1-1', '160-2-2', '160-3-3')");
        db->run("INSERT INTO parametri3(racun_umanjenja, poziv_umanjenja, mesto_placanja) "
                "VALUES ('840-4848-37', '4411-', 'Beograd')");
    }
};

} // namespace

TEST_F(NetReductionsTest, MonthListsTheCalculationsWithAnAmountAndTheirTotal) {
    const auto list = listReductions(*db, ReductionSource::Zarada, 3, 2026);
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->rows.size(), 3U);
    EXPECT_EQ(list->rows[0].name, "Petrović Ana");
    EXPECT_EQ(list->rows[0].controlNumber, "11");
    EXPECT_EQ(list->rows[0].amount, dinars(800));
    EXPECT_EQ(list->rows[1].name, "Jović Marko");
    EXPECT_EQ(list->rows[1].jmbg, "0202985710002");
    EXPECT_EQ(list->rows[1].controlNumber, "");
    EXPECT_EQ(list->rows[2].employeeId, 9);
    EXPECT_EQ(list->rows[2].name, "");
    // 800 + 1234.56 + 100.01
    EXPECT_EQ(list->total, dinars(2134, 57));

    const auto empty = listReductions(*db, ReductionSource::Zarada, 5, 2026);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->rows.empty());
    EXPECT_EQ(empty->total, Currency());

    EXPECT_EQ(listReductions(*db, ReductionSource::Zarada, 0, 2026).message(), "Izaberite mesec!");
    EXPECT_EQ(listReductions(*db, ReductionSource::Zarada, 13, 2026).message(), "Izaberite mesec!");
}

TEST_F(NetReductionsTest, EachKindOfPayoutReadsItsOwnCalculationsAndPaysFromItsOwnAccount) {
    EXPECT_EQ(listReductions(*db, ReductionSource::Akontacija, 3, 2026)->total, dinars(300));
    EXPECT_EQ(listReductions(*db, ReductionSource::Bolovanje, 3, 2026)->total, dinars(50));
    EXPECT_EQ(listReductions(*db, ReductionSource::Porodiljsko, 3, 2026)->rows.at(0).name,
              "Ilić Jana");
    EXPECT_EQ(reductionPayerAccount(*db, ReductionSource::Akontacija), "160-1-1");
    EXPECT_EQ(reductionPayerAccount(*db, ReductionSource::Zarada), "160-1-1");
    EXPECT_EQ(reductionPayerAccount(*db, ReductionSource::Bolovanje), "160-2-2");
    EXPECT_EQ(reductionPayerAccount(*db, ReductionSource::Porodiljsko), "160-3-3");

    EXPECT_EQ(reductionSources(true).size(), 4U);
    EXPECT_EQ(reductionSources(false).front().source, ReductionSource::Zarada);
    EXPECT_EQ(reductionSources(false).size(), 3U);
}

TEST_F(NetReductionsTest, ControlNumberEnteredOnceIsShownTheNextMonth) {
    EXPECT_FALSE(storeControlNumber(*db, 2, " 27 "));
    const auto april = listReductions(*db, ReductionSource::Zarada, 4, 2026);
    const auto march = listReductions(*db, ReductionSource::Zarada, 3, 2026);
    EXPECT_EQ(march->rows[1].controlNumber, "27");
    EXPECT_EQ(april->rows.at(0).controlNumber, "11");

    const auto gone = storeControlNumber(*db, 9, "5");
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->message, "GRESKA!");
    EXPECT_EQ(db->scalar("SELECT COUNT(*) FROM radnici WHERE Kontrolni = '5'"), 0);
}

TEST_F(NetReductionsTest, OrdersGoToTheInstallationsRecipientWithTheControlNumberInTheReference) {
    const auto list = listReductions(*db, ReductionSource::Zarada, 3, 2026);
    const ReductionPayment payment{"160-1-1", "Primer d.o.o.",  "Budzet Republike Srbije", 3,
                                   2026,      Date{2026, 4, 15}};
    const auto orders = reductionOrdersPerEmployee(*db, payment, *list);
    ASSERT_EQ(orders.size(), 3U);
    EXPECT_EQ(std::tie(orders[0].purpose, orders[0].paymentCode, orders[0].payer,
                       orders[0].payerAccount, orders[0].payerModel, orders[0].recipient,
                       orders[0].recipientAccount, orders[0].recipientModel,
                       orders[0].recipientReference, orders[0].place, orders[0].date),
              std::tuple("Umanjenje NETO 3/2026", "253", "Primer d.o.o.", "160-1-1", "97",
                         "Budzet Republike Srbije", "840-4848-37", "97", "4411-11", "Beograd",
                         (Date{2026, 4, 15})));
    EXPECT_EQ(orders[1].amount, dinars(1234, 56));

    const auto total = reductionOrderForTotal(*db, payment, *list);
    EXPECT_EQ(total.purpose, "Dodatni porez na dohodak - 3/2026");
    EXPECT_EQ(total.amount, dinars(2134, 57));
    EXPECT_EQ(total.recipientReference, "4411-");
}
