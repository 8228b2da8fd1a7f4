// The per-employee statements: months of a period, the certificates and their sentences.
#include "employees/EmployeeStatements.h"

#include <algorithm>

#include "EmployeesDb.h"
#include "employees/EmployeeStatementReports.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class EmployeeStatementsTest : public test::EmployeesTest {
protected:
    void salary(std::int64_t id, int month, int year, Currency bruto, Currency neto) {
        db->run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, broj_sati, BRUTO, "
                "porez_na_zaradu, Doprinosi_PIO, Doprinosi_PIO_F, NETO, Oslobodjenje) "
                "VALUES (?, ?, ?, 168, ?, ?, ?, ?, ?, ?)",
                id, month, year, bruto, 1000_din, 1400_din, 1000_din, neto, 300_din);
    }
    static bool hasText(const report::Document& doc, const std::string& text) {
        return std::any_of(doc.pages.begin(), doc.pages.end(),
                           [&](const report::Page& page) { return page.findText(text); });
    }
};

TEST_F(EmployeeStatementsTest, PeriodMustBeValidAndInOrder) {
    EXPECT_FALSE(checkPeriod({1, 2026, 12, 2026}));
    EXPECT_EQ(checkPeriod({0, 2026, 12, 2026})->message, "Niste dobro odabrali period!");
    EXPECT_EQ(checkPeriod({1, 2026, 13, 2026})->message, "Niste dobro odabrali period!");
    EXPECT_EQ(checkPeriod({1, 0, 12, 2026})->message, "Niste dobro odabrali period!");
    EXPECT_EQ(checkPeriod({5, 2026, 4, 2026})->message, "Niste izbrali dobar period!");
    EXPECT_FALSE(checkPeriod({11, 2025, 2, 2026}));
}

TEST_F(EmployeeStatementsTest, MonthsAddSalaryAndCompensationWithinThePeriod) {
    const auto id = addEmployee({});
    const auto other = addEmployee({.surname = "Ilić"});
    salary(id, 11, 2025, 100000_din, 70000_din);
    salary(id, 1, 2026, 110000_din, 77000_din);
    salary(id, 3, 2026, 90000_din, 63000_din); // outside the period
    salary(other, 1, 2026, 50000_din, 35000_din);
    db->run("INSERT INTO bolovanja_obracuni(ID_RADNIK, MEsec, GODINA, broj_sati, BRUTO, NETO) "
            "VALUES (?, 1, 2026, 8, ?, ?)",
            id, 5000_din, 3500_din);

    const auto months = statementMonths(*db, id, {11, 2025, 2, 2026});
    ASSERT_EQ(months.size(), 2u);
    EXPECT_EQ(months[0].month, 11);
    EXPECT_EQ(months[0].year, 2025);
    EXPECT_EQ(months[1].bruto, 115000_din);
    EXPECT_EQ(months[1].neto, 80500_din);
    EXPECT_DOUBLE_EQ(months[1].hours, 176);
    EXPECT_EQ(statementText(months[1], 3), "115.000,00");
    const StatementMonth totals = statementTotals(months);
    EXPECT_EQ(totals.bruto, 215000_din);
    EXPECT_EQ(totals.pioEmployee, 2800_din);
    EXPECT_EQ(totals.nonTaxable, 600_din);
}

TEST_F(EmployeeStatementsTest, CountSentenceFollowsTheNumber) {
    const std::string opening = "U navedenom periodu zaposleni je ostvario pravo na ukupno ";
    EXPECT_EQ(incomeCountSentence(1), opening + "1 lični dohodak.");
    EXPECT_EQ(incomeCountSentence(2), opening + "2 lična dohotka.");
    EXPECT_EQ(incomeCountSentence(4), opening + "4 lična dohotka.");
    EXPECT_EQ(incomeCountSentence(5), opening + "5 ličnih dohodaka.");
    EXPECT_EQ(incomeCountSentence(12), opening + "12 ličnih dohodaka.");
}

TEST_F(EmployeeStatementsTest, SalaryCertificateShowsMonthsTotalsAndAverages) {
    const auto id = addEmployee({});
    salary(id, 1, 2026, 100000_din, 70000_din);
    salary(id, 2, 2026, 110000_din, 77000_din);
    const auto months = statementMonths(*db, id, {1, 2026, 12, 2026});
    report::CompanyData company;
    company.Naziv = "Žitopromet d.o.o.";
    const report::Document doc =
        salaryCertificate(company, {}, *loadEmployee(*db, id), {1, 2026, 12, 2026}, months);
    EXPECT_TRUE(hasText(doc, "POTVRDA O VISINI ZARADE"));
    EXPECT_TRUE(hasText(doc, "Žitopromet d.o.o."));
    EXPECT_TRUE(hasText(doc, "Za period od: 1/2026    do: 12/2026"));
    EXPECT_TRUE(hasText(doc, "2/2026"));
    EXPECT_TRUE(hasText(doc, "UKUPNO:"));
    EXPECT_TRUE(hasText(doc, "210.000,00"));
    EXPECT_TRUE(hasText(doc, incomeCountSentence(2)));
    EXPECT_TRUE(hasText(doc, "Prosečna ostvarena BRUTO zarada iznosi: "));
    EXPECT_TRUE(hasText(doc, "105.000,00"));
    EXPECT_TRUE(hasText(doc, "73.500,00"));
}

TEST_F(EmployeeStatementsTest, AnnualFormSeparatesEmploymentFromOtherIncome) {
    const auto id = addEmployee({});
    salary(id, 1, 2026, 100000_din, 70000_din);
    salary(id, 12, 2025, 90000_din, 63000_din); // another year
    db->run("INSERT INTO nalozi_ostale_zarade(id_noz, Datum, obrisan) VALUES (1, '2026-03-10', 0)");
    db->run("INSERT INTO nalozi_ostale_zarade(id_noz, Datum, obrisan) VALUES (2, '2026-04-10', 1)");
    for (int order : {1, 2})
        db->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, BRUTO, normirani_troskovi, "
                "OSnovica_porez, POrez_iznos, Doprinosi_PIO) VALUES (?, ?, ?, ?, ?, ?, ?)",
                order, id, 20000_din, 4000_din, 16000_din, 1600_din, 2000_din);

    const AnnualIncomes incomes = annualIncomes(*db, id, 2026);
    EXPECT_EQ(incomes.employment.gross, 100000_din);
    EXPECT_EQ(incomes.employment.reliefs, 300_din);
    EXPECT_EQ(incomes.employment.taxBase, 99700_din);
    EXPECT_EQ(incomes.employment.tax, 1000_din);
    EXPECT_EQ(incomes.employment.contributions, 1400_din);
    EXPECT_EQ(incomes.other.gross, 20000_din) << "the removed order does not count";
    EXPECT_EQ(incomes.other.standardCosts, 4000_din);
    EXPECT_EQ(incomes.other.total(), 3600_din);

    const report::Document doc =
        pppPoForm({}, *loadEmployee(*db, id), 2026, incomes, Date{2027, 1, 15});
    EXPECT_TRUE(hasText(doc, "Obrazac PPP-PO"));
    EXPECT_TRUE(
        hasText(doc, "POTVRDA O PLAĆENIM POREZIMA I DOPRINOSIMA PO ODBITKU ZA 2026 GODINU"));
    EXPECT_TRUE(hasText(doc, "1. Prihodi iz radnog odnosa"));
    EXPECT_TRUE(hasText(doc, "2. Prihodi van radnog odnosa"));
    EXPECT_TRUE(hasText(doc, "Datum izdavanja: 15.01.2027"));
    EXPECT_TRUE(hasText(doc, "99.700,00"));
}

} // namespace
