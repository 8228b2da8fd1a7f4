// Maternity cases, their calculations, the account they are paid from and the refund list.
#include <algorithm>
#include <gtest/gtest.h>

#include "Dinars.h"
#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "compensation/MaternityAccount.h"
#include "compensation/MaternityRefundList.h"
#include "compensation/SickLeavePosting.h"

namespace zarion::compensation {
namespace {

using test::din;

class MaternityTest : public testing::Test {
protected:
    test::TemplateDatabase db;
    std::int64_t jelena = test::addEmployee(*db, {.surname = "Šćepanović", .name = "Jelena"});
    std::int64_t ana = test::addEmployee(*db, {.surname = "Antić", .name = "Ana"});
};

// Editing a case from the register keeps the net it was saved with.
TEST_F(MaternityTest, AnEditedCaseKeepsItsNetAndStaysInItsRegister) {
    const auto id = saveCase(*db, LeaveKind::Maternity,
                             {0, jelena, {}, {2026, 3, 10}, openLeaveEnd(), din("60000")});
    ASSERT_TRUE(id.ok());
    LeaveCase edited = casesOfMonth(*db, LeaveKind::Maternity, 2026, 3).front();
    edited.datum_zatvaranja = {2026, 9, 30};
    ASSERT_TRUE(saveCase(*db, LeaveKind::Maternity, edited).ok());
    const LeaveCase stored = casesOfMonth(*db, LeaveKind::Maternity, 2026, 9).front();
    EXPECT_EQ(stored.id, *id);
    EXPECT_EQ(stored.NETO, din("60000"));
    EXPECT_TRUE(casesOfMonth(*db, LeaveKind::Maternity, 2026, 10).empty());
    EXPECT_TRUE(casesOfMonth(*db, LeaveKind::SickLeave, 2026, 9).empty());
}

TEST_F(MaternityTest, TheMonthIsCalculatedFromTheCaseNetForTheHoursOfLeave) {
    db->run("INSERT INTO postavke (fiksni_sati, solidarni_porez) VALUES (176, 0)");
    db->run("INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade, "
            "iznos_poreskog_oslobojenja, Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost, "
            "Doprinosi_PIO_F, Doprinosi_zo_F) VALUES (4, 2026, 10, ?, 14, 5.15, 0.75, 10, 5.15)",
            din("28423"));
    db->run("UPDATE radnici SET tekuci_Racun = '160-55-10' WHERE id_radnik = ?", jelena);
    EXPECT_EQ(fullMonthHours(*db, 2026, 4), 176);
    const auto row = calculateLeaveMonth(*db, jelena, din("50001"), 88, 2026, 4);
    ASSERT_TRUE(row.ok()) << row.message();
    EXPECT_EQ(row->broj_sati, 88);
    EXPECT_EQ(row->NETO, din("25000"));           // 25,000.5 to even
    EXPECT_EQ(row->Oslobodjenje, din("14211.5")); // half the monthly 28,423
    EXPECT_EQ(row->BRUTO, din("33636.02"));       // (2,500,000 − 142,115) / 70.1 = 33,636.01997
    EXPECT_EQ(row->porez_na_zaradu, din("1942.45")); // 19,424.52 × 10 %
    EXPECT_EQ(row->tekuci_Racun, "160-55-10");
    EXPECT_EQ(calculateLeaveMonth(*db, jelena, din("1"), 1, 2026, 5).message(),
              "Greska kod pronalazenja parametara za izabrani mesec!");
}

TEST_F(MaternityTest, TheAccountIsKeptWithTheCompanyAccounts) {
    EXPECT_EQ(loadMaternityAccount(*db).racun_za_isplatu_porodiljsko, "");
    saveMaternityAccount(*db, {"160-1-1", "97 12"});
    saveMaternityAccount(*db, {"160-2-2", "97 34"});
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM parametri2"), 1);
    EXPECT_EQ(loadMaternityAccount(*db).poziv_zad_porodiljsko, "97 34");
}

// Two maternity calculations and a sick-leave one of the same employee and month.
class RefundListTest : public MaternityTest {
protected:
    // A posted row with the amounts the list reads.
    void post(std::int64_t employee, bool maternity, const char* gross, const char* taxFree,
              const char* tax, const char* net, const char* solidarity, const char* employees,
              const char* employer) {
        LeaveAmounts row;
        row.BRUTO = din(gross);
        row.Oslobodjenje = din(taxFree);
        row.porez_na_zaradu = din(tax);
        row.NETO = din(net);
        row.solidarni_porez = din(solidarity);
        row.ukupno_doprinosa = din(employees);
        row.ukupno_doprinosa_F = din(employer);
        const LeaveKind kind = maternity ? LeaveKind::Maternity : LeaveKind::SickLeave;
        ASSERT_FALSE(postLeave(*db, kind, employee, 2026, 3, row));
    }
    void SetUp() override {
        post(jelena, true, "100000", "25000", "7500", "70000", "2000", "19900", "15150");
        post(jelena, false, "1", "0", "0", "1", "0", "0", "0");
        post(ana, true, "20000", "25000", "0", "14000", "0", "3980", "3030");
        post(ana, true, "20000", "25000", "0", "14000", "0", "3980", "3030"); // still one row
    }
};

TEST_F(RefundListTest, TheMaternityRowsStandApartFromTheSickLeaveOnes) {
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM bolovanja_obracuni"), 3);
    EXPECT_EQ(postedLeavesOfMonth(*db, LeaveKind::SickLeave, 2026, 3).size(), 1u);
    EXPECT_EQ(postedLeavesOfMonth(*db, LeaveKind::Maternity, 2026, 3).front().ID_RADNIK, jelena);
    EXPECT_EQ(postedLeave(*db, LeaveKind::Maternity, jelena, 2026, 3)->BRUTO, din("100000"));
    EXPECT_EQ(postedLeave(*db, LeaveKind::SickLeave, jelena, 2026, 3)->BRUTO, din("1"));
}

TEST_F(RefundListTest, TotalsTheLinesOfTheMonth) {
    const RefundList list = loadRefundList(*db, 2026, 3);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0].name, "Ana Antić"); // Serbian order: A before Š
    const RefundLine& jelenaLine = list.lines[1];
    EXPECT_EQ(jelenaLine.taxBase, din("75000"));
    EXPECT_EQ(jelenaLine.paid, din("68000"));             // 70,000 − 2,000 solidarity
    EXPECT_EQ(jelenaLine.obligations(), din("110550"));   // 7,500 + 68,000 + 35,050
    EXPECT_EQ(list.lines[0].taxBase, Currency());         // gross below the tax-free amount
    EXPECT_EQ(list.lines[0].obligations(), din("21010")); // 0 + 14,000 + 7,010

    const report::Document doc = refundListReport({}, list);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto texts = doc.pages[0].texts();
    const auto shows = [&](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(shows("SVEGA"));
    EXPECT_TRUE(shows("za mesec: 3/2026"));
    for (const char* total : {"120.000,00", "75.000,00", "7.500,00", "82.000,00", "42.060,00",
                              "131.560,00", "(datum overe)", "10"})
        EXPECT_TRUE(shows(total)) << total;
}

} // namespace
} // namespace zarion::compensation
