#include "outputs/Treasury.h"

#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "TreasuryPayroll.h"
#include "XmlSchema.h"
#include "outputs/TreasuryXml.h"

namespace zarion::outputs {
namespace {

using test::TreasuryPayroll;

struct Expected {
    const char* text;
    const char* amount;
    const char* account;
    const char* purpose;
    const char* code;
    const char* liability;
    const char* reference;
    const char* externalId;
};

class TreasuryTest : public ::testing::Test {
protected:
    test::TemplateDatabase db;
    TreasuryPayroll payroll{*db};
    TreasuryPayout march{TreasurySource::Salaries, 2026, 3};
    TreasuryHeader header{"12345", "000042", 3, 0, {2026, 4, 2}};
};

// The six public revenues summed over both, each net less deductions and solidarity tax, the
// union fee to its creditor; the single account as 18 digits, dashes removed everywhere.
TEST_F(TreasuryTest, PaysTheRevenuesTheNetsAndTheCreditors) {
    const auto batch = buildTreasuryBatch(*db, march);
    ASSERT_TRUE(batch) << batch.message();
    const Expected expected[] = {
        {"Porez", "10000", "840000000000484837", "PiD-03-2026", "254", "231211", "97-1234",
         "99999"},
        {"PIO", "20000", "840000000000484837", "PiD-03-2026", "254", "231311", "97-1234", "99999"},
        {"Zdravstveno", "7150", "840000000000484837", "PiD-03-2026", "254", "231411", "97-1234",
         "99999"},
        {"Nezaposlenost", "1050", "840000000000484837", "PiD-03-2026", "254", "231511", "97-1234",
         "99999"},
        {"PIO firma", "14000", "840000000000484837", "PiD-03-2026", "254", "232111", "97-1234",
         "99999"},
        {"Zdravstveno f", "7150", "840000000000484837", "PiD-03-2026", "254", "232211", "97-1234",
         "99999"},
        {"Šarić Ana", "65000", "160000000001234567", "Zarada-03-2026", "240", "231111", "", "7"},
        {"Ilić Ivan", "29500", "", "Zarada-03-2026", "240", "231111", "", "8"},
        {"Sindikat", "5000", "205000000000011122", "Obustave iz LD", "221", "231111", "2026-03",
         "9"},
    };
    ASSERT_EQ(batch->payments.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TreasuryPayment& p = batch->payments[i];
        SCOPED_TRACE(p.text);
        EXPECT_EQ(p.text, expected[i].text);
        EXPECT_EQ(p.amount, Currency::parse(expected[i].amount));
        EXPECT_EQ(p.account, expected[i].account);
        EXPECT_EQ(p.purpose, expected[i].purpose);
        EXPECT_EQ(p.paymentCode, expected[i].code);
        EXPECT_EQ(p.liabilityCode, expected[i].liability);
        EXPECT_EQ(p.reference, expected[i].reference);
        EXPECT_EQ(p.externalId, expected[i].externalId);
        EXPECT_EQ(p.model, "97");
    }
    EXPECT_EQ(paymentsTotal(batch->payments), Currency::parse("158850"));
}

// Expenditure on the debit accounts beginning with 4, liabilities on the credit accounts
// beginning with 2; the payments settle every liability, so nothing differs.
TEST_F(TreasuryTest, CommitsWhatTheJournalBooks) {
    const auto batch = buildTreasuryBatch(*db, march);
    ASSERT_TRUE(batch);
    const auto lines = commitmentLines(batch->journal);
    const std::vector<std::pair<std::string, const char*>> expected = {
        {"411111", "137700"}, {"412111", "14000"}, {"412211", "7150"}, {"231111", "99500"},
        {"231211", "10000"},  {"231311", "20000"}, {"231411", "7150"}, {"231511", "1050"},
        {"232111", "14000"},  {"232211", "7150"}};
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].code, expected[i].first);
        EXPECT_EQ(lines[i].amount, Currency::parse(expected[i].second)) << lines[i].code;
        EXPECT_EQ(lines[i].source, "01");
    }
    EXPECT_EQ(commitmentTotal(lines), Currency::parse("158850"));
    EXPECT_TRUE(commitmentMismatches(lines, batch->payments).empty());

    auto short_ = batch->payments;
    short_.pop_back();
    EXPECT_EQ(commitmentMismatches(lines, short_),
              std::vector<std::string>{
                  "Konto 231111 nije jednak u COM i PAY fajlu! Com = 99500.00 PAY = 94500.00"});
}

TEST_F(TreasuryTest, RefusesWithoutJournalAccounts) {
    db->run("UPDATE gk_nalog SET P_ZO_F = ''");
    EXPECT_EQ(buildTreasuryBatch(*db, march).message(), "POdesite konta!");
}

// Both files pass the schema; sub-source 0 writes the empty element, 5 writes 05.
TEST_F(TreasuryTest, FilesFollowTheirSchema) {
    const auto batch = buildTreasuryBatch(*db, march);
    ASSERT_TRUE(batch);
    const std::string com = commitmentXml(header, commitmentLines(batch->journal));
    EXPECT_EQ(test::schemaErrors(ZARION_TREASURY_XSD, com), std::vector<std::string>{});
    EXPECT_NE(com.find("<SUB_SOURCE_CODE></SUB_SOURCE_CODE>\r\n"), std::string::npos);
    EXPECT_NE(com.find("<BATCH_AMOUNT>158850.00</BATCH_AMOUNT>"), std::string::npos);
    EXPECT_NE(com.find("<CL_EXTERNAL_ID>10</CL_EXTERNAL_ID>\r\n<ECONOMIC_CODE>232211"),
              std::string::npos);
    header.subSource = 5;
    const std::string withSubSource = commitmentXml(header, commitmentLines(batch->journal));
    EXPECT_NE(withSubSource.find("<SUB_SOURCE_CODE>05</SUB_SOURCE_CODE>"), std::string::npos);

    const std::string pay = paymentXml(header, batch->payments);
    EXPECT_EQ(test::schemaErrors(ZARION_TREASURY_XSD, pay), std::vector<std::string>{});
    EXPECT_NE(pay.find("<COUNT_TRN>9</COUNT_TRN>"), std::string::npos);
    EXPECT_NE(pay.find("<PAYEE_NAME>Saric Ana</PAYEE_NAME>\r\n"
                       "<ACCOUNT_NUMBER>160000000001234567</ACCOUNT_NUMBER>"),
              std::string::npos);
}

// Compensation pays the net to the person under the fund's liability code; a batch of other
// income under the journal's net account, named by the month of its date. Neither has creditors.
TEST_F(TreasuryTest, CompensationAndOtherIncomePayTheirOwnLiabilities) {
    const std::int64_t ilic = *db->scalar("SELECT id_radnik FROM radnici WHERE Prezime = 'Ilić'");
    db->run("INSERT INTO bolovanja_obracuni(ID_RADNIK, GODINA, MEsec, porodiljsko, NETO, "
            "porez_na_zaradu, Doprinosi_PIO) VALUES (?, 2026, 3, 0, 200000000, 20000000, "
            "40000000), (?, 2026, 3, 1, 500000000, 0, 90000000)",
            ilic, ilic);
    db->run("INSERT INTO nalozi_ostale_zarade(Datum) VALUES ('2026-05-20')");
    db->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, NETO, POrez_iznos) "
            "VALUES (?, ?, 80000000, 10000000)",
            db->lastInsertId(), ilic);
    const struct {
        TreasuryPayout payout;
        std::vector<std::pair<const char*, const char*>> revenues; // text, amount
        const char* net;
        const char* purpose;
        const char* liability;
    } cases[] = {
        {{TreasurySource::SickLeave, 2026, 3},
         {{"Porez", "2000"}, {"PIO", "4000"}},
         "20000",
         "Bolovanje -03-2026",
         "236122"},
        {{TreasurySource::Maternity, 2026, 3},
         {{"PIO", "9000"}},
         "50000",
         "Porodiljsko -03-2026",
         "236121"},
        {{TreasurySource::OtherIncome, 0, 0, Payment::Whole, 0, 1},
         {{"Porez", "1000"}},
         "8000",
         "Ostala primanja-05-2026",
         "231111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.purpose);
        const auto batch = buildTreasuryBatch(*db, c.payout);
        ASSERT_TRUE(batch) << batch.message();
        ASSERT_EQ(batch->payments.size(), c.revenues.size() + 1);
        for (std::size_t i = 0; i < c.revenues.size(); ++i) {
            EXPECT_EQ(batch->payments[i].text, c.revenues[i].first);
            EXPECT_EQ(batch->payments[i].amount, Currency::parse(c.revenues[i].second));
        }
        const TreasuryPayment& net = batch->payments.back();
        EXPECT_EQ(net.payee, "Ilić Ivan");
        EXPECT_EQ(net.amount, Currency::parse(c.net));
        EXPECT_EQ(net.purpose, c.purpose);
        EXPECT_EQ(net.liabilityCode, c.liability);
    }
}

TEST(TreasuryNames, FileNamesAndBatchNumbers) {
    TreasuryHeader header{"12345", "000042", 3, 0, {2026, 4, 2}};
    EXPECT_EQ(treasuryFileName(header, "COM"), "12345_BE_COM_20260402_000042_03.xml");
    header.sequence = 12;
    EXPECT_EQ(treasuryFileName(header, "PAY"), "12345_BE_PAY_20260402_000042_12.xml");

    EXPECT_EQ(*checkedBatchNumber(" 004711 "), "004711");
    for (const char* wrong : {"4711", "0047111", "00471a", ""})
        EXPECT_EQ(checkedBatchNumber(wrong).message(),
                  "Nije dobasr jedinstveni broj. MOra biti šestocifren!")
            << wrong;
}

} // namespace
} // namespace zarion::outputs
