#include <gtest/gtest.h>

#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "other_income/OtherIncomeOrders.h"
#include "other_income/OtherIncomePersons.h"

namespace zarion::other_income {
namespace {

using test::addEmployee;

class OtherIncomeRecords : public ::testing::Test {
protected:
    std::int64_t addOrder(int kind, Date date, double tax, double costs) {
        OtherIncomeOrder order;
        order.tip_noz = kind;
        order.Datum = date;
        order.Naziv = "Honorari";
        order.rates.tax = tax;
        order.rates.standardizedCosts = costs;
        order.rates.employee = {14, 5.15, 0};
        order.racun_poreza = "840-4848-37";
        return saveOrder(*db, order).value();
    }
    PersonRow paid(std::int64_t order, std::int64_t person, Currency net) {
        PersonRow row;
        row.id_noz = order;
        row.id_radnik = person;
        row.amounts.gross = net + 1000_din;
        row.amounts.net = net;
        return row;
    }

    test::TemplateDatabase db;
};

TEST_F(OtherIncomeRecords, NewOrderCopiesTheNewestOrderOfItsOwnKind) {
    addOrder(6, {2026, 2, 1}, 20, 0);
    addOrder(6, {2026, 3, 1}, 10, 20);
    addOrder(4, {2026, 4, 1}, 15, 50);
    const OtherIncomeOrder order = newOrder(*db, 6, {2026, 5, 4});
    EXPECT_EQ(order.Datum, (Date{2026, 5, 4}));
    EXPECT_TRUE(order.Naziv.empty());
    EXPECT_EQ(order.rates.tax, 10);
    EXPECT_EQ(order.rates.standardizedCosts, 20);
    EXPECT_EQ(order.rates.employee.zo, 5.15);
    EXPECT_EQ(order.racun_poreza, "840-4848-37");
}

TEST_F(OtherIncomeRecords, FirstOrderOfAKindTakesTheTaxFromTheParameters) {
    db->run("INSERT INTO parametri (porez_zarade, Doprinosi_PIO) VALUES (10, 14)");
    db->run("INSERT INTO parametri2 (racun_porez_na_plate, poziv_na_broj_porez) "
            "VALUES ('840-711111843-22', '97 11-123')");
    addOrder(4, {2026, 4, 1}, 15, 50);
    const OtherIncomeOrder order = newOrder(*db, 5, {2026, 5, 4});
    EXPECT_EQ(order.rates.tax, 10);
    EXPECT_EQ(order.rates.standardizedCosts, 0);
    EXPECT_EQ(order.racun_poreza, "840-711111843-22");
    EXPECT_EQ(order.poziv_poreza, "97 11-123");
}

TEST_F(OtherIncomeRecords, AnOrderWithoutTitleIsNotStored) {
    OtherIncomeOrder order = newOrder(*db, 6, {2026, 5, 4});
    order.Naziv = "  ";
    EXPECT_EQ(saveOrder(*db, order).message(), "Niste uneli opis naloga!");
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM nalozi_ostale_zarade"), 0);

    order.Naziv = "Maj";
    const std::int64_t id = saveOrder(*db, order).value();
    order.id_noz = id;
    order.Naziv = "Maj, ispravljen";
    EXPECT_EQ(saveOrder(*db, order).value(), id);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM nalozi_ostale_zarade WHERE tip_noz = 6"), 1);
    EXPECT_EQ(loadOrder(*db, id)->Naziv, "Maj, ispravljen");
    EXPECT_EQ(ordersOfKind(*db, 6).size(), 1u);
    EXPECT_TRUE(ordersOfKind(*db, 5).empty());
    removeOrder(*db, id);
    EXPECT_TRUE(ordersOfKind(*db, 6).empty());
}

TEST_F(OtherIncomeRecords, PostingRefusesAnIncompleteRowAndWritesNothing) {
    const std::int64_t order = addOrder(13, {2026, 3, 1}, 10, 0);
    const std::int64_t person = addEmployee(*db, {});
    struct Case {
        PersonRow row;
        int kind;
        const char* message;
    };
    PersonRow noDays = paid(order, person, 5000_din);
    PersonRow noNet = paid(order, person, 0_din);
    noNet.broj_dana = 2;
    PersonRow stranger = paid(order, person + 7, 5000_din);
    for (const Case& c : {Case{noDays, 13, "Niste uneli broj dnevnica!"},
                          Case{noNet, 13, "Niste uneli potrebne podatke!"},
                          Case{stranger, 6, "Niste izabrali radnika!"}})
        EXPECT_EQ(postPersonRow(*db, c.kind, c.row, false).message(), c.message);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 0);
}

TEST_F(OtherIncomeRecords, PostingEditsThePersonsRowUnlessANewOneIsStarted) {
    const std::int64_t order = addOrder(6, {2026, 3, 1}, 10, 0);
    const std::int64_t person = addEmployee(*db, {.surname = "Šarić", .name = "Ana"});
    const std::int64_t other = addEmployee(*db, {.surname = "Anić", .name = "Zoran"});
    PersonRow row = paid(order, person, 5000_din);
    row.amounts.taxBase = 6000_din;
    const std::int64_t first = postPersonRow(*db, 6, row, false).value();
    row.amounts.net = 7000_din;
    EXPECT_EQ(postPersonRow(*db, 6, row, false).value(), first);
    const std::int64_t second = postPersonRow(*db, 6, row, true).value();
    EXPECT_NE(second, first);
    postPersonRow(*db, 6, paid(order, other, 100_din), false);

    const auto people = personsOfOrder(*db, order);
    ASSERT_TRUE(people.ok());
    ASSERT_EQ(people->size(), 3u);
    EXPECT_EQ(people->at(0).fullName(), "Anić Zoran"); // Serbian order: A before Š
    EXPECT_EQ(people->at(1).row.amounts.net, 7000_din);
    EXPECT_EQ(people->at(1).row.amounts.taxBase, 6000_din);
    EXPECT_EQ(personRowOf(*db, order, person)->id_ooz, first);

    deletePersonRow(*db, second);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM obracun_ostale_zarade"), 2);
    db->run("DELETE FROM radnici WHERE id_radnik = ?", other);
    EXPECT_EQ(personsOfOrder(*db, order).message(), "Greska pronalazenja radnika u bazi!");
}

// A new order and a new person's row are each posted in one entry with the sums they hold: an
// order without persons yet holds nought.
TEST_F(OtherIncomeRecords, APostingLeavesOneEntryWithItsSums) {
    // (kind, gross before, gross after, net before, net after) of the table's entries
    const auto entries = [&](const std::string& table) {
        db::Statement st = db->prepare("SELECT vrsta, bruto_pre, bruto_posle, neto_pre, "
                                       "neto_posle FROM istorija_promena WHERE tabela = ?");
        st.bindAll(table);
        std::string all;
        while (st.step())
            all += st.text(0) + " " + st.text(1) + "/" + st.text(2) + " " + st.text(3) + "/" +
                   st.text(4) + "; ";
        return all;
    };
    const std::int64_t order = addOrder(6, {2026, 3, 1}, 10, 0);
    postPersonRow(*db, 6, paid(order, addEmployee(*db, {}), 5000_din), false);
    EXPECT_EQ(entries("obracun_ostale_zarade"), "knjizenje /60000000 /50000000; ");
    EXPECT_EQ(entries("nalozi_ostale_zarade"), "knjizenje /0 /0; ");
}

} // namespace
} // namespace zarion::other_income
