// The creditor overview of a payment: totals, employees, printed lists, transfers, chamber file.
#include <gtest/gtest.h>

#include "DeductionDb.h"
#include "FileText.h"
#include "Templates.h"
#include "TextChecks.h"
#include "employees/LoanChamberFile.h"
#include "employees/LoanCreditorOverview.h"
#include "employees/LoanOverviewReports.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class LoanOverviewTest : public ::testing::Test {
protected:
    test::DeductionDb data;
    std::int64_t marko = data.employee("Petrović", "Marko", false, "1203985710123");
    std::int64_t ana = data.employee("Antić", "Ana", false, "0507990715555");
    std::int64_t bank = data.deduction("Banka Intesa", 3, 0, "160-5500-11", "97 555");
    std::int64_t union_ = data.deduction("Sindikat", 0, 1, "840-1234-56");
    std::int64_t loanMarko = 0;
    std::int64_t loanAna = 0;
    std::int64_t unionAna = 0;

    void SetUp() override {
        loanMarko = data.loan(marko, bank, {.startMonth = 1, .endMonth = 10, .iznos = 5000});
        loanAna = data.loan(ana, bank, {.startMonth = 3, .endMonth = 12, .iznos = 3000});
        unionAna = data.participation(ana, union_, {2000, 1, 1});
        data.db().run("UPDATE obustave_radnici SET Opis = 'članarina' WHERE id_or = ?", unionAna);

        // February (Marko only) and March, both paid in two parts.
        const auto febMarko = data.calculation(marko, 2024, 2, false, 80000_din);
        data.withheld(febMarko, false, bank, loanMarko, 5000_din);
        const auto marMarko = data.calculation(marko, 2024, 3, false, 81000_din);
        data.withheld(marMarko, false, bank, loanMarko, 2500_din);
        const auto marAna = data.calculation(ana, 2024, 3, false, 60000_din);
        data.withheld(marAna, false, bank, loanAna, 1500_din);
        data.withheld(marAna, false, union_, unionAna, 600_din);
        const auto advAna = data.calculation(ana, 2024, 3, true, 30000_din);
        data.withheld(advAna, true, bank, loanAna, 1500_din);
    }
    const OverviewPeriod march{2024, 3, false};
};

TEST_F(LoanOverviewTest, CreditorsCarryTheTotalsOfThePartChosen) {
    const auto finalPart = creditorTotals(data.db(), march);
    ASSERT_EQ(finalPart.size(), 2u);
    EXPECT_EQ(finalPart[0].obustava, "Banka Intesa");
    EXPECT_EQ(finalPart[0].total, 4000_din);
    EXPECT_EQ(finalPart[0].poziv, "97 555");
    EXPECT_EQ(finalPart[1].total, 600_din);

    const auto firstPart = creditorTotals(data.db(), {2024, 3, true});
    ASSERT_EQ(firstPart.size(), 1u);
    EXPECT_EQ(firstPart[0].total, 1500_din);
    EXPECT_EQ(paymentHeading({2024, 3, true}), "Isplata: 03/2024 - 1 - PRVI DEO");
    EXPECT_EQ(paymentHeading(march), "Isplata: 03/2024 - 0 - KONAČNA");
}

TEST_F(LoanOverviewTest, LoanRowsShowPeriodValueAndWhatRemains) {
    const auto rows = creditorPayments(data.db(), march, bank);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::tie(rows[0].name, rows[0].JMBG, rows[0].amount, rows[0].net, rows[0].period,
                       rows[0].loanValue),
              std::tuple("Antić Ana", "0507990715555", 1500_din, 60000_din, "3/2024 do 12/2024",
                         30000_din));
    EXPECT_EQ(rows[0].remaining, 27000_din); // both parts withheld so far
    EXPECT_EQ(rows[1].remaining, 50000_din - 7500_din);

    const auto others = creditorPayments(data.db(), march, union_);
    ASSERT_EQ(others.size(), 1u);
    EXPECT_FALSE(others[0].loan);
    EXPECT_EQ(others[0].Opis, "članarina");
    EXPECT_EQ(paymentColumns(others[0], NumberFormat::Plain2),
              (std::vector<std::string>{"Antić Ana", "0507990715555", "600.00", "60000.00",
                                        "članarina", "", ""}));
}

TEST_F(LoanOverviewTest, ChamberFileHoldsTheCompanyLineAndOneLinePerEmployee) {
    report::CompanyData company;
    company.Naziv = "Žitopromet d.o.o.";
    company.grad = "Šabac";
    company.maticni = "07654321";
    company.PIB = "101234567";
    company.ziroracun = "160-123456-78";

    const auto file = WriteChamberFile(data.folder(), company, {2024, 4, 5}, march,
                                       creditorPayments(data.db(), march, bank));
    ASSERT_TRUE(file.ok()) << file.error;
    EXPECT_EQ(file.path, data.folder() / "komora0.txt");
    EXPECT_EQ(test::fileText(file.path),
              "Žitopromet d.o.o.-Šabac;07654321;101234567;160-123456-78;05.04.2024\r\n"
              "Antić Ana;0507990715555;1500.00;60000.00;3/2024 do 12/2024;30000.00;27000.00\r\n"
              "Petrović Marko;1203985710123;2500.00;81000.00;1/2024 do 10/2024;50000.00;"
              "42500.00\r\n");
    EXPECT_EQ(
        WriteChamberFile(data.folder(), company, {2024, 4, 5}, {2024, 3, true}, {}).path.filename(),
        "komora1.txt");
}

std::string allTexts(const report::Document& document) {
    std::string all;
    for (const auto& page : document.pages)
        for (const auto& text : page.texts())
            all += text + "|";
    return all;
}

TEST_F(LoanOverviewTest, PrintedListsNameTheirColumnsTotalAndClosingRequest) {
    OverviewPrint print;
    print.company.Naziv = "Žitopromet d.o.o.";
    print.place = "Šabac";
    print.date = {2024, 4, 5};
    print.period = march;
    const auto totals = creditorTotals(data.db(), march);

    const auto loans =
        allTexts(CreditorPaymentList(print, totals[0], creditorPayments(data.db(), march, bank)));
    for (const char* expected :
         {"Spisak uplaćenih obaveza po kreditima|", "Banka Intesa - 160-5500-11|",
          "Isplata: 03/2024 - 0 - KONAČNA|", "IZNOS RATE|", "Period za otplatu|",
          "Uk.vred.|kredita|", "Preostalo|za uplatu|", "1.|Antić Ana|1.500,00|", "UKUPNO|4.000,00|",
          "Šabac, 05.04.2024|", "Obračunao:|", "Šef računovodstva:|", "Direktor:|",
          "Molimo Vas da sve nepravilnosti u pogledu spiska dostavite u roku od 15 dana radi "
          "blagovremene korekcije.|"})
        EXPECT_NE(loans.find(expected), std::string::npos) << expected;

    const auto others =
        allTexts(CreditorPaymentList(print, totals[1], creditorPayments(data.db(), march, union_)));
    test::expectContains(others, {"|Spisak uplaćenih obaveza|", "1.|Antić Ana|članarina|600,00|"});
    EXPECT_EQ(others.find("IZNOS RATE"), std::string::npos);
}

TEST_F(LoanOverviewTest, OneTransferPerCreditorWithTheCompanyAsPayer) {
    data.db().run("INSERT INTO parametri2(racun_za_isplatu, opstina) VALUES ('205-9999-00', "
                  "'Šabac')");
    auto master = db::Database::create(data.folder() / "backtarlen.db");
    master->execScript(schema::masterDataSql());
    master->run("INSERT INTO podaci(Naziv, grad) VALUES ('Žitopromet d.o.o.', 'Šabac')");

    const Payer payer = loadPayer(data.db(), *master);
    EXPECT_EQ(payer.name, "Žitopromet d.o.o.");
    EXPECT_EQ(payer.account, "205-9999-00");
    const auto orders =
        creditorPaymentOrders(payer, creditorTotals(data.db(), march), march, {2024, 4, 5});
    ASSERT_EQ(orders.size(), 2u);
    EXPECT_EQ(std::tie(orders[0].recipient, orders[0].recipientAccount,
                       orders[0].recipientReference, orders[0].amount, orders[0].paymentCode,
                       orders[0].payerAccount, orders[0].place),
              std::tuple("Banka Intesa", "160-5500-11", "97 555", 4000_din, "246", "205-9999-00",
                         "Šabac"));
    EXPECT_EQ(orders[1].amount, 600_din);
    EXPECT_EQ(orders[1].recipientModel, "");

    const auto document = PaymentOrdersDocument(orders, "NALOG ZA PRENOS");
    ASSERT_EQ(document.pages.size(), 1u); // two forms to a page
    const auto texts = allTexts(document);
    test::expectContains(texts, {"=4.000,00|", "=600,00|"});
}

} // namespace
