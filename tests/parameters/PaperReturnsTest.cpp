// The paper returns: their derived rows follow every correction, locked rows stay as they are.
#include "parameters/PaperReturns.h"

#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "parameters/PaperReturnForm.h"

using namespace zarion;
using namespace zarion::parameters;

namespace {

Currency dinars(std::int64_t units, std::int64_t hundredths = 0) {
    return Currency::fromUnits(units) + Currency::fromRaw(hundredths * 100);
}

std::size_t indexOf(const ReturnGrid& grid, const std::string& number) {
    for (std::size_t i = 0; i < grid.rows().size(); ++i)
        if (grid.rows()[i].number == number)
            return i;
    return grid.rows().size();
}

// Twelve employees, 28423 dinars each free of tax; part of the tax went with the advance.
ReturnGrid salaryTax() {
    TaxReturnInput input;
    input.persons = 12;
    input.taxRate = 10;
    input.columns = {{dinars(1000000), dinars(341076), dinars(5000), dinars(1200), dinars(30000)}};
    return salaryTaxReturn(input);
}

ContributionAccounts accounts() {
    return {"840-1-1", "840-2-2", "840-3-3", "840-4-4", "840-5-5", "840-6-6"};
}

// Ten employees on their paid salaries and two on the lowest base of 45950; none on the highest.
ReturnGrid salaryContributions() {
    const ContributionRates rates{14, 10, 5.15, 5.15, 0.75, 0};
    std::vector<ContributionFigures> columns = {
        {10, dinars(900000), dinars(126000), dinars(90000), dinars(46350), dinars(46350),
         dinars(6750), Currency()},
        {2, dinars(91900), dinars(12866), dinars(9190), dinars(4732, 85), dinars(4732, 85),
         dinars(689, 25), Currency()},
        {},
    };
    return salaryContributionReturn(columns, rates, accounts());
}

} // namespace

TEST(SalaryTaxReturn, DerivedRowsFollowTheFormulasOfTheirDescriptions) {
    const ReturnGrid grid = salaryTax();
    EXPECT_EQ(grid.amountHeadings(), std::vector<std::string>{"Iznos"});
    // 1000000 − 341076
    EXPECT_EQ(grid.row("3.").amounts[0], dinars(658924));
    EXPECT_EQ(grid.row("3.").count, 12);
    // (658924 + 5000) × 10%
    EXPECT_EQ(grid.row("5.").amounts[0], dinars(66392, 40));
    EXPECT_EQ(grid.row("5.").description, "Obračunati porez na zarade zaposlenih (3+4)x10%");
    // 66392.40 − 1200 − 30000
    EXPECT_EQ(grid.row("8.").amounts[0], dinars(35192, 40));
    EXPECT_TRUE(grid.row("I").locked);
    EXPECT_TRUE(grid.row("8.").locked);
    EXPECT_FALSE(grid.row("2.").locked);
}

TEST(SalaryTaxReturn, CorrectedSubRowChangesEveryRowBuiltOnIt) {
    ReturnGrid grid = salaryTax();
    ASSERT_FALSE(grid.edit(indexOf(grid, "2."), 0, 11, dinars(341076, 55)));
    EXPECT_EQ(grid.row("2.").count, 11);
    // 1000000 − 341076.55
    EXPECT_EQ(grid.row("3.").amounts[0], dinars(658923, 45));
    EXPECT_EQ(grid.row("3.").count, 12);
    // 663923.45 × 10% = 66392.345, the half to the even para
    EXPECT_EQ(grid.row("5.").amounts[0], dinars(66392, 34));
    EXPECT_EQ(grid.row("8.").amounts[0], dinars(35192, 34));
}

TEST(SalaryTaxReturn, HeadingAndDerivedRowsAreRefused) {
    ReturnGrid grid = salaryTax();
    for (const char* number : {"I", "3.", "5.", "8."}) {
        const auto refused = grid.edit(indexOf(grid, number), 0, 1, dinars(1));
        ASSERT_TRUE(refused) << number;
        EXPECT_EQ(refused->message, "Izabrani red je zaključan!");
    }
    EXPECT_EQ(grid.row("8.").amounts[0], dinars(35192, 40));
    EXPECT_TRUE(grid.row("I").amounts[0].isZero());
}

TEST(CompensationTaxReturn, EachKindOfCompensationIsItsOwnColumnWithoutCounts) {
    TaxReturnInput input;
    input.taxRate = 10;
    input.columns.resize(3);
    input.columns[0].paid = dinars(200000);
    input.columns[0].nonTaxable = dinars(28423);
    input.columns[1].paid = dinars(50000);
    ReturnGrid grid = compensationTaxReturn(input);
    ASSERT_EQ(grid.amountHeadings().size(), 3U);
    EXPECT_FALSE(grid.row("1.").hasCount);
    // (200000 − 28423) × 10% = 17157.70; 50000 × 10% = 5000
    EXPECT_EQ(grid.row("5.").amounts, (std::vector<Currency>{dinars(17157, 70), dinars(5000), {}}));
    ASSERT_FALSE(grid.edit(indexOf(grid, "4."), 2, 0, dinars(1000)));
    EXPECT_EQ(grid.row("8.").amounts[2], dinars(100));
}

TEST(SalaryContributionReturn, TotalsAddTheKindsAndTheBases) {
    const ReturnGrid grid = salaryContributions();
    EXPECT_EQ(grid.row("1.").count, 12);
    EXPECT_EQ(grid.row("1.").amounts[0], dinars(991900));
    EXPECT_EQ(grid.row("2.").aop, "02");
    EXPECT_EQ(grid.row("2.").account, "840-1-1");
    EXPECT_EQ(grid.row("3.").account, "840-4-4");
    EXPECT_EQ(grid.row("9.").account, "840-6-6");
    EXPECT_EQ(grid.row("2.").description, "Doprinos za PIO na teret zaposlenog (1 x 14%)");
    EXPECT_EQ(grid.row("5.").description,
              "Doprinos za zdravstveno osiguranje na teret zaposlenog (1 x 5,15%)");
    // 126000 + 90000 on paid salaries; with 12866 + 9190 on the lowest base
    EXPECT_EQ(grid.row("4.").amounts,
              (std::vector<Currency>{dinars(238056), dinars(216000), dinars(22056), {}}));
    // PIO 238056 + health 2 × (46350 + 4732.85) + unemployment 6750 + 689.25
    EXPECT_EQ(grid.row("11.").amounts[0], dinars(347660, 95));
}

TEST(SalaryContributionReturn, CorrectionFlowsIntoTheTotalsAndTheTotalColumnIsLocked) {
    ReturnGrid grid = salaryContributions();
    ASSERT_FALSE(grid.edit(indexOf(grid, "2."), 1, 0, dinars(126000, 50)));
    EXPECT_EQ(grid.row("2.").amounts[0], dinars(138866, 50));
    EXPECT_EQ(grid.row("4.").amounts[1], dinars(216000, 50));
    EXPECT_EQ(grid.row("11.").amounts[0], dinars(347661, 45));

    EXPECT_TRUE(grid.edit(indexOf(grid, "2."), 0, 0, dinars(1)));
    EXPECT_TRUE(grid.edit(indexOf(grid, "11."), 1, 0, dinars(1)));
    EXPECT_EQ(grid.row("11.").amounts[0], dinars(347661, 45));
}

TEST(ContributionAccounts, WithoutTheSixAccountsTheReturnIsRefused) {
    test::TemplateDatabase db;
    EXPECT_EQ(readContributionAccounts(*db).message(), "Niste uneli uplatne racune!");
    db->run("INSERT INTO parametri2(racun_pio, racun_zo, racun_nezaposlenost, racun_pio_firma, "
            "racun_zo_firma, racun_porez_na_plate) VALUES ('840-1-1', '840-2-2', '840-3-3', "
            "'840-4-4', '840-5-5', '840-9-9')");
    EXPECT_EQ(readContributionAccounts(*db).message(), "Niste uneli uplatne racune!");
    db->run("UPDATE parametri2 SET racun_nezaposlenost_firma = '840-6-6'");
    const auto read = readContributionAccounts(*db);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->nezFirma, "840-6-6");
    EXPECT_EQ(read->pioFirma, "840-4-4");
    EXPECT_EQ(salaryTaxAccount(*db), "840-9-9");
}

TEST(ContributionAccounts, EntrepreneursReturnNeedsHisOwnParameters) {
    test::TemplateDatabase db;
    EXPECT_EQ(ownerContributionTerms(*db).message(), "Niste uneli parametre za preduzetnika!");
    db->run("INSERT INTO parametri_vlasnik(Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost, "
            "racun_pio, racun_zo, racun_nezaposlenost) VALUES (24, 10.3, 0.75, '1', '2', '3')");
    const auto terms = ownerContributionTerms(*db);
    ASSERT_TRUE(terms.ok());
    EXPECT_EQ(terms->rates.pio, 24.0);
    EXPECT_EQ(terms->accounts.zo, "2");
    EXPECT_EQ(terms->accounts.nezFirma, "3");
    EXPECT_EQ(companyContributionTerms(*db, 3, 2026).message(), "Niste uneli uplatne racune!");
}

TEST(PaperReturnDocument, OnePageWithThePayerTheTitleAndTheRowsInWholeDinars) {
    ReturnPrint print;
    print.form = ReturnForm::PorezNaZarade;
    print.company.Naziv = "Primer d.o.o.";
    print.company.PIB = "108457314";
    print.month = 3;
    print.year = 2026;
    print.payment = 2;
    print.taxAccount = "840-4848-37";
    const report::Document document = PaperReturnDocument(print, salaryTax());
    ASSERT_EQ(document.pages.size(), 1U);
    EXPECT_EQ(document.orientation, report::Orientation::Portrait);
    const report::Page& page = document.pages.front();
    for (const char* text :
         {"Obrazac PP OPJ", "ISPLATIOC:", "Primer d.o.o.", "108457314", "Uplata za mesec: 03/2026",
          "Redni broj isplate: 2", "Uplatni račun poreza na zarade: 840-4848-37",
          // the row of two lines, split at the blank nearest its middle
          "Isplaćena zarada zaposlenima -", "osnovica poreza (čl.13.st1.Zakona)",
          // 35192.40 in whole dinars
          "35.192"})
        EXPECT_TRUE(page.findText(text)) << text;

    print.form = ReturnForm::Doprinosi;
    const report::Document across = PaperReturnDocument(print, salaryContributions());
    EXPECT_EQ(across.orientation, report::Orientation::Landscape);
    ASSERT_EQ(across.pages.size(), 1U);
    EXPECT_TRUE(across.pages.front().findText("ISPLATILAC:"));
    EXPECT_TRUE(across.pages.front().findText("840-1-1"));
}
