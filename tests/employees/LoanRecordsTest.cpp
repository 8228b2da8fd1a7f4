// Loans: the schedule arithmetic, saving and deleting, and what the calculation takes from them.
#include "employees/LoanRecords.h"

#include <gtest/gtest.h>

#include "DeductionDb.h"
#include "employees/DeductionDefinitions.h"
#include "employees/DeductionPricing.h"
#include "employees/LoanCreditorExport.h"
#include "employees/LoanSchedule.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

TEST(LoanScheduleTest, MonthsCountBothEndsAcrossTheTurnOfTheYear) {
    EXPECT_EQ(repaymentMonths(11, 2024, 2, 2025), 4);
    EXPECT_EQ(repaymentMonths(3, 2024, 3, 2024), 1);
    EXPECT_EQ(repaymentMonths(1, 2024, 12, 2026), 36);
    EXPECT_LT(repaymentMonths(5, 2024, 4, 2024), 1);
}

TEST(LoanScheduleTest, InstalmentSplitsIntoWholeUnitsAndTheRest) {
    const auto odd = splitInstalment(1001_din);
    EXPECT_EQ(odd.prvi_deo, 500_din);
    EXPECT_EQ(odd.drugi_deo, 501_din);
    const auto fraction = splitInstalment(Currency::parse("100.50"));
    EXPECT_EQ(fraction.prvi_deo, 50_din);
    EXPECT_EQ(fraction.drugi_deo, Currency::parse("50.50"));
    const auto tiny = splitInstalment(Currency::parse("1.99"));
    EXPECT_EQ(tiny.prvi_deo, 0_din);
    EXPECT_EQ(tiny.drugi_deo, Currency::parse("1.99"));
    EXPECT_EQ(loanTotal(1001_din, 4), 4004_din);
}

class LoanRecordsTest : public ::testing::Test {
protected:
    test::DeductionDb data;
    std::int64_t marko = data.employee("Petrović", "Marko");
    std::int64_t bank = data.deduction("Komercijalna banka", 3, 0, "205-1111-22");

    Loan novemberToFebruary() {
        Loan l;
        l.ID_RADNIK = marko;
        l.id_obustava = bank;
        l.startMonth = 11;
        l.startYear = 2024;
        l.endMonth = 2;
        l.endYear = 2025;
        l.Iznos = 1001_din;
        l.prvi_deo = 500_din;
        l.drugi_deo = 501_din;
        l.POziv_na_broj = "  97 12-345  ";
        l.sifra_placanja = " 221 ";
        l.Opis = "Gotovinski kredit";
        return l;
    }
    bool withheldIn(int year, int month) {
        return !priceMonthDeductions(data.db(),
                                     {marko, year, month, DeductionPart::Single, 50000_din})
                    .rows.empty();
    }
};

TEST_F(LoanRecordsTest, SavedLoanRunsFromNovemberToFebruaryAndIsWithheldInFourMonths) {
    const LoanSave saved = saveLoan(data.db(), novemberToFebruary());
    ASSERT_EQ(saved.outcome, LoanSave::Outcome::Saved);

    const auto loan = findLoan(data.db(), saved.id_or);
    ASSERT_TRUE(loan);
    EXPECT_EQ(std::tie(loan->ukupno_meseci, loan->Iznos, loan->prvi_deo, loan->drugi_deo,
                       loan->POziv_na_broj, loan->sifra_placanja),
              std::tuple(4, 1001_din, 500_din, 501_din, "97 12-345", "221"));
    auto dates = data.db().prepare("SELECT POCETAK, kraj FROM obustave_radnici WHERE id_or = ?");
    dates.bindAll(saved.id_or);
    ASSERT_TRUE(dates.step());
    EXPECT_EQ(dates.text(0), "2024-11-01");
    EXPECT_EQ(dates.text(1), "2025-02-01");

    EXPECT_FALSE(withheldIn(2024, 10));
    EXPECT_TRUE(withheldIn(2024, 11));
    EXPECT_TRUE(withheldIn(2024, 12));
    EXPECT_TRUE(withheldIn(2025, 1));
    EXPECT_TRUE(withheldIn(2025, 2));
    EXPECT_FALSE(withheldIn(2025, 3));
}

TEST_F(LoanRecordsTest, RepaidLoanIsStillWithheldUntilItsEndMonth) {
    const auto id = saveLoan(data.db(), novemberToFebruary()).id_or;
    for (int month : {11, 12}) {
        const auto calc = data.calculation(marko, 2024, month, false, 50000_din);
        data.withheld(calc, false, bank, id, 2002_din); // paid twice over: nothing remains
    }
    EXPECT_EQ(loanPaid(data.db(), id), 4004_din);
    const auto lines = loansOfEmployee(data.db(), marko);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].paid, 4004_din);
    EXPECT_DOUBLE_EQ(repaidPercent(lines[0], ExchangeRates{}), 100.0);

    EXPECT_TRUE(withheldIn(2025, 1));
    EXPECT_TRUE(withheldIn(2025, 2));
}

TEST_F(LoanRecordsTest, SaveRefusesWhatTheWindowMustPutRight) {
    Loan l = novemberToFebruary();
    l.ID_RADNIK = 77;
    EXPECT_EQ(saveLoan(data.db(), l).outcome, LoanSave::Outcome::NoEmployee);
    EXPECT_EQ(saveLoan(data.db(), l).message(), "Niste izabrali radnika!");
    l = novemberToFebruary();
    l.id_obustava = data.deduction("Sindikat", 1, 100); // not a creditor of loans
    EXPECT_EQ(saveLoan(data.db(), l).outcome, LoanSave::Outcome::NoCreditor);
    l = novemberToFebruary();
    l.endYear = 2024;
    l.endMonth = 10;
    EXPECT_EQ(saveLoan(data.db(), l).outcome, LoanSave::Outcome::BadPeriod);
    l = novemberToFebruary();
    l.Iznos = Currency{};
    EXPECT_EQ(saveLoan(data.db(), l).outcome, LoanSave::Outcome::ZeroInstalment);
    EXPECT_EQ(data.count("SELECT count(*) FROM obustave_radnici"), 0);

    EXPECT_EQ(saveLoan(data.db(), l, true).outcome, LoanSave::Outcome::Saved);
    l.id_or = 555;
    EXPECT_EQ(saveLoan(data.db(), l, true).outcome, LoanSave::Outcome::Missing);
    EXPECT_EQ(data.count("SELECT count(*) FROM obustave_radnici"), 1);
}

TEST_F(LoanRecordsTest, EditingRewritesTheRowAndItsMonths) {
    Loan l = novemberToFebruary();
    l.id_or = saveLoan(data.db(), l).id_or;
    l.endMonth = 10;
    l.endYear = 2025;
    l.valuta = 1;
    ASSERT_EQ(saveLoan(data.db(), l).outcome, LoanSave::Outcome::Saved);

    const auto stored = findLoan(data.db(), l.id_or);
    EXPECT_EQ(stored->ukupno_meseci, 12);
    EXPECT_EQ(stored->valuta, 1);
    EXPECT_EQ(data.count("SELECT count(*) FROM obustave_radnici"), 1);
}

TEST_F(LoanRecordsTest, DeleteIsRefusedOnceACalculationWithheldTheLoan) {
    const auto used = saveLoan(data.db(), novemberToFebruary()).id_or;
    const auto unused = saveLoan(data.db(), novemberToFebruary()).id_or;
    data.withheld(data.calculation(marko, 2024, 11, true, 20000_din), true, bank, used, 500_din);

    EXPECT_EQ(deleteLoan(data.db(), used), LoanDeletion::Used);
    EXPECT_EQ(deletionMessage(LoanDeletion::Used),
              "Nije moguce obrisati obustavu! Vec je koriscena u obracunu!");
    EXPECT_TRUE(findLoan(data.db(), used));

    EXPECT_EQ(deleteLoan(data.db(), unused), LoanDeletion::Deleted);
    EXPECT_FALSE(findLoan(data.db(), unused));
    EXPECT_EQ(deleteLoan(data.db(), unused), LoanDeletion::Missing);
}

TEST_F(LoanRecordsTest, CreditorListCoversTheMonthOrTheWholeYear) {
    const auto ana = data.employee("Antić", "Ana");
    data.loan(marko, bank, {.startMonth = 1, .endMonth = 6, .iznos = 1000});
    data.loan(ana, bank, {.startMonth = 5, .endMonth = 12, .iznos = 2000});
    data.loan(ana, data.deduction("Druga banka", 3, 0), {.iznos = 3000});

    const auto march = loansOfCreditor(data.db(), bank, MonthOfYear{2024, 3});
    ASSERT_EQ(march.size(), 1u);
    EXPECT_EQ(march[0].employee, "Petrović Marko");
    EXPECT_EQ(loansOfCreditor(data.db(), bank, MonthOfYear{2024, 5}).size(), 2u);
    const auto year = loansOfCreditor(data.db(), bank, std::nullopt);
    ASSERT_EQ(year.size(), 2u);
    EXPECT_EQ(year[0].employee, "Antić Ana"); // by name
    EXPECT_EQ(loanPeriodText(year[0].loan), "5/2024 do 12/2024");
}

TEST_F(LoanRecordsTest, ExportTakesLoansRunningSinceJuly2023WithThePrefixedReference) {
    const auto ana = data.employee("Antić", "Ana");
    const auto other = data.deduction("Druga banka", 3, 0, "160-3333-44");
    data.loan(marko, bank, {.startYear = 2022, .endMonth = 6, .endYear = 2023, .iznos = 900});
    data.loan(ana, bank,
              {.startYear = 2023, .endMonth = 7, .endYear = 2023, .iznos = 1001, .poziv = "42"});
    data.loan(marko, other, {.iznos = 2500, .poziv = "7-1"});

    const auto sheet = creditorLoansSheet(
        data.db(), {*findDeduction(data.db(), bank), *findDeduction(data.db(), other)}, "97 ");
    ASSERT_EQ(sheet.rows.size(), 2u); // the loan that ended in June 2023 is left out
    EXPECT_EQ(sheet.rows[0], (std::vector<std::string>{"Komercijalna banka", "205-1111-22",
                                                       std::to_string(ana), "Antić Ana", "1001.00",
                                                       "RSD", "1/2023 do 7/2023", "97 42"}));
    EXPECT_EQ(sheet.rows[1][0], "Druga banka");
    EXPECT_EQ(sheet.rows[1][7], "97 7-1");
    EXPECT_EQ(sheet.headings.size(), sheet.rows[0].size());
}

TEST_F(LoanRecordsTest, ForeignLoanIsValuedInDinarsAtTheCurrentRate) {
    data.rates(117, 0, 0);
    const auto id =
        data.loan(marko, bank, {.startMonth = 1, .endMonth = 10, .valuta = 1, .iznos = 100});
    data.withheld(data.calculation(marko, 2024, 1, false, 50000_din), false, bank, id, 11700_din);

    const auto line = loansOfEmployee(data.db(), marko).at(0);
    EXPECT_EQ(loanValueInDinars(line.loan, loadExchangeRates(data.db())), 117000_din);
    EXPECT_DOUBLE_EQ(repaidPercent(line, loadExchangeRates(data.db())), 10.0);
}

} // namespace
