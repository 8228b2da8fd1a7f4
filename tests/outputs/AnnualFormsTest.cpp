#include <gtest/gtest.h>

#include "Dinars.h"
#include "EmployeeSeed.h"
#include "FileText.h"
#include "TempDir.h"
#include "TemplateDatabase.h"
#include "outputs/AnnualReturn.h"
#include "outputs/M4Data.h"

namespace zarion::outputs {
namespace {

using test::addEmployee;

using test::din;

// Rows of the calculation tables with the columns the yearly forms read.
class YearOfCalculations : public ::testing::Test {
protected:
    void salary(std::int64_t id, int year, int month, const char* gross, const char* pio,
                const char* pioF, int days = 0) {
        db->run("INSERT INTO obracuni(ID_RADNIK, GODINA, MEsec, BRUTO, Doprinosi_PIO, "
                "Doprinosi_PIO_F, m4dani) VALUES (?, ?, ?, ?, ?, ?, ?)",
                id, year, month, din(gross), din(pio), din(pioF), days);
    }
    void sickLeave(std::int64_t id, int month, const char* gross, const char* pio, const char* pioF,
                   bool maternity = false) {
        db->run("INSERT INTO bolovanja_obracuni(ID_RADNIK, GODINA, MEsec, porodiljsko, BRUTO, "
                "Doprinosi_PIO, Doprinosi_PIO_F) VALUES (?, 2026, ?, ?, ?, ?, ?)",
                id, month, maternity, din(gross), din(pio), din(pioF));
    }
    // Sets the return's columns of every row of the table for the employee.
    void taxes(const char* table, std::int64_t id, const char* exempt, const char* tax,
               const char* zo, const char* nez) {
        db->run(std::string("UPDATE ") + table +
                    " SET Oslobodjenje = ?, porez_na_zaradu = ?, Doprinosi_zo = ?, "
                    "doprinosi_nezaposlenost = ? WHERE ID_RADNIK = ?",
                din(exempt), din(tax), din(zo), din(nez), id);
    }
    std::int64_t batch(const char* date, bool deleted = false) {
        db->run("INSERT INTO nalozi_ostale_zarade(Datum, obrisan) VALUES (?, ?)", date, deleted);
        return db->lastInsertId();
    }
    void otherIncome(std::int64_t batchId, std::int64_t id, const char* gross, const char* base,
                     const char* tax, const char* pio, const char* zo) {
        db->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, BRUTO, OSnovica_porez, "
                "POrez_iznos, Doprinosi_PIO, Doprinosi_zo, Doprinosi_nez) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, 0)",
                batchId, id, din(gross), din(base), din(tax), din(pio), din(zo));
    }

    test::TemplateDatabase db;
    const std::int64_t saric = addEmployee(
        *db,
        {.surname = "Šarić", .name = "Ana", .jmbg = "1505985715016", .address = "Obilićeva 5"});
    const std::int64_t petrovic =
        addEmployee(*db, {.surname = "Petrović", .name = "Marko", .jmbg = "0101990710011"});
};

// Šarić: January and February whole, ten days of March, sick leave in March beside the salary
// and in April alone; Petrović on maternity leave in May only; December of last year is left.
TEST_F(YearOfCalculations, M4CountsMonthsDaysAndBothContributions) {
    salary(saric, 2026, 1, "100000", "14000", "10000");
    salary(saric, 2026, 2, "100000", "14000", "10000");
    salary(saric, 2026, 3, "40000", "5600", "4000", 10);
    salary(saric, 2025, 12, "99999", "1", "1");
    sickLeave(saric, 3, "30000", "4200", "3000");
    sickLeave(saric, 4, "60000", "8400", "6000");
    sickLeave(petrovic, 5, "50000", "7000", "5000", true);

    const auto rows = collectM4(*db, 2026);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::tie(rows[0].prezime_i_ime, rows[0].Meseci, rows[0].BRUTO, rows[0].bol_bruto,
                       rows[0].bol_pio),
              std::tuple("Petrović Marko", 1, Currency{}, din("50000"), din("12000")));
    const M4Row& ana = rows[1];
    EXPECT_EQ(
        std::tie(ana.JMBG, ana.Meseci, ana.Dani, ana.BRUTO, ana.PIO, ana.bol_bruto, ana.bol_pio),
        std::tuple("1505985715016", 3, 10, din("240000"), din("57600"), din("90000"),
                   din("21600")));
}

TEST(M4Rows, AnotherDatabaseAddsToTheSamePersonAndAppendsNewOnes) {
    std::vector<M4Row> rows{{1, "1505985715016", "Šarić Ana", 3, 10, din("240000"), din("57600"),
                             din("90000"), din("21600")}};
    addM4Rows(rows,
              {{7, "1505985715016", "Šarić Ana", 1, 5, din("1000"), din("100"), {}, {}},
               {8, "2002979710022", "Čolić Zoran", 12, 0, din("600000"), din("144000"), {}, {}}});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::tie(rows[0].Meseci, rows[0].Dani, rows[0].BRUTO, rows[0].PIO, rows[0].bol_pio),
              std::tuple(4, 15, din("241000"), din("57700"), din("21600")));
    EXPECT_EQ(rows[1].prezime_i_ime, "Čolić Zoran");
    EXPECT_EQ(m4Totals(rows).BRUTO, din("841000"));
}

TEST_F(YearOfCalculations, SavingReplacesOnlyThatYear) {
    const M4Row one{saric,    "1505985715016", "Šarić Ana", 12,      0,
                    din("1"), din("2"),        din("3"),    din("4")};
    saveM4(*db, 2025, {one});
    saveM4(*db, 2026, {one, one});
    saveM4(*db, 2026, {one});
    EXPECT_EQ(loadM4(*db, 2025).size(), 1u);
    const auto saved = loadM4(*db, 2026);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].bol_pio, din("4"));
    EXPECT_EQ(m4SavedMessage(2026), "M4 za 2026 godinu je snimljen!");
}

// January to February: Šarić's salaries and disabled person's compensation (March's sick leave
// is outside); Petrović, not employed, with the batch of February only (March's batch is
// outside, January's is deleted).
TEST_F(YearOfCalculations, ReturnSumsTheMonthsIntoItsTwoParts) {
    salary(saric, 2026, 1, "100000", "14000", "10000");
    salary(saric, 2026, 2, "100000", "14000", "10000");
    taxes("obracuni", saric, "25000", "7500", "5150", "750");
    salary(saric, 2025, 12, "99999", "1", "1");
    db->run("INSERT INTO invalidi_obracuni(ID_RADNIK, GODINA, MEsec, BRUTO, Doprinosi_PIO) "
            "VALUES (?, 2026, 2, ?, ?)",
            saric, din("10000"), din("1400"));
    taxes("invalidi_obracuni", saric, "0", "1000", "515", "75");
    sickLeave(saric, 3, "30000", "4200", "3000");
    db->run("UPDATE radnici SET nije_u_ro = 1 WHERE id_radnik = ?", petrovic);
    otherIncome(batch("2026-02-10"), petrovic, "50000", "40000", "8000", "10000", "4100");
    otherIncome(batch("2026-03-01"), petrovic, "1", "1", "1", "1", "1");
    otherIncome(batch("2026-01-15", true), petrovic, "7", "7", "7", "7", "7");

    const AnnualReturn annual = collectAnnualReturn(*db, {2026, 1, 2026, 2});
    ASSERT_EQ(annual.employed.size(), 1u);
    const ReturnRow& ana = annual.employed[0];
    EXPECT_EQ(ana.name(), "Šarić Ana");
    EXPECT_EQ(std::tie(ana.Adresa, ana.BRUTO, ana.Oporezivo, ana.Porez, ana.PIO, ana.ZDR, ana.NEZ),
              std::tuple("Obilićeva 5", din("210000"), din("160000"), din("16000"), din("29400"),
                         din("10815"), din("1575")));
    ASSERT_EQ(annual.outside.size(), 1u);
    const ReturnRow& marko = annual.outside[0];
    EXPECT_EQ(std::tie(marko.BRUTO, marko.Oporezivo, marko.Porez, marko.PIO, marko.ZDR),
              std::tuple(din("50000"), din("40000"), din("8000"), din("10000"), din("4100")));

    test::TempDir folder;
    report::CompanyData payer;
    payer.PIB = "100000024";
    payer.Naziv = "Šumadija; promet";
    payer.maticni = "12345674";
    payer.grad = "Kragujevac";
    payer.ADRESA = "Kralja Petra 1";
    payer.telefon = "034/123";
    const auto files = writeReturnFiles(folder.path(), payer, annual);
    EXPECT_EQ(test::fileText(files[0]),
              "100000024;Sumadija  promet;12345674;Kragujevac;Kralja Petra 1;"
              "034/123;1\r\n"
              "1505985715016;Ana;Saric;160000.00;16000.00;29400.00;10815.00;"
              "1575.00\r\n");
    EXPECT_EQ(files[1].filename(), "ppp_deo3.txt");
}

// The rows taken over from the predecessor program are summed per person.
TEST_F(YearOfCalculations, PredecessorIncomeIsSummedPerPerson) {
    for (const char* gross : {"1000", "500.50"})
        db->run("INSERT INTO ostalestariprogram(Ime, Prezime, matbroj, B, OZ, p2, p3, p4, p5) "
                "VALUES ('Zoran', 'Čolić', '2002979710022', ?, ?, ?, ?, ?, ?)",
                din(gross), din(gross), din("100"), din("200"), din("50"), din("10"));
    const auto rows = predecessorIncome(*db);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name(), "Čolić Zoran");
    EXPECT_EQ(rows[0].BRUTO, din("1500.50"));
    EXPECT_EQ(rows[0].Porez, din("200"));
    EXPECT_EQ(rows[0].NEZ, din("20"));

    std::vector<ReturnRow> part = rows;
    addReturnRows(part, rows);
    ASSERT_EQ(part.size(), 1u);
    EXPECT_EQ(part[0].Oporezivo, din("3001"));
    EXPECT_EQ(returnTotals(part).PIO, din("800"));
}

TEST(ReturnPayer, RefusedWhenTheCompanyDataIsIncomplete) {
    report::CompanyData company;
    company.Naziv = "Firma";
    company.PIB = "100000024";
    company.maticni = "12345674";
    company.grad = "Kragujevac";
    EXPECT_EQ(returnPayer(company).message(), "Popunite osnovne podatke!");
    EXPECT_EQ(returnPayer(std::nullopt).message(), "Popunite osnovne podatke!");
    company.ADRESA = "Kralja Petra 1";
    EXPECT_TRUE(returnPayer(company));
}

} // namespace
} // namespace zarion::outputs
