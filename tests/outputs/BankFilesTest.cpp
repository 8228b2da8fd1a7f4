#include "outputs/BankFiles.h"

#include <fstream>
#include <gtest/gtest.h>

#include "BankPayroll.h"
#include "FileText.h"
#include "TempDir.h"

namespace zarion::outputs {
namespace {

using test::BankPayroll;

class BankFiles : public ::testing::Test {
protected:
    BankFiles() {
        const auto loaded = loadBankList(*month.db, {2026, 3, Payment::Final, 0});
        EXPECT_TRUE(loaded.ok());
        list = *loaded;
    }
    BankFileContext context(PaymentBank bank, PayoutKind kind = PayoutKind::Salaries) const {
        return {bank, kind, {2026, 4, 10}, 2026, 3, "Primer Niš", "12345678"};
    }

    BankPayroll month;
    BankList list;
};

TEST_F(BankFiles, DirektnaLinesHoldTheAmountTheDateThePlainNameAndTheAccount) {
    const std::string expected =
        // 941, the amount in 16, ddmmyy, the name in 30, the account's middle 13 digits
        "0000000000000000941       226053.00100426Djordjevic Djordje            0000000054321\r\n"
        "0000000000000000941        36021.60100426Saric Ana                     0000000012345\r\n";
    EXPECT_EQ(bankFileText(*findBank(list, month.direktna), context(PaymentBank::Direktna)),
              expected);
}

TEST_F(BankFiles, KomercijalnaLinesEndWithThePurposeOfThePayout) {
    const BankGroup& direktna = *findBank(list, month.direktna);
    EXPECT_EQ(bankFileText(direktna, context(PaymentBank::Komercijalna)).substr(0, 87),
              "0000000000054321941       226053.00100426Djordjevic Djordje            "
              "ZARADA        \r\n");
    EXPECT_EQ(bankFileText(direktna, context(PaymentBank::Komercijalna, PayoutKind::OtherIncome))
                  .substr(71, 16),
              "OSTALE ZARADE \r\n");
}

TEST_F(BankFiles, IntesaWritesParaAndThePersonalNumberAndClosesWithTheCountAndTotal) {
    const std::string expected =
        "1234567810.04.20260000000987654                  3392210 JMB 2002979710022\r\n"
        "1234567810.04.2026000001         3392210 PLATA ZA\r\n";
    EXPECT_EQ(bankFileText(*findBank(list, month.intesa), context(PaymentBank::Intesa)), expected);
}

TEST_F(BankFiles, NamesFollowTheBankAndThePayout) {
    EXPECT_EQ(bankFileName(context(PaymentBank::Direktna)), "DirektnaPrimer Nis100426.txt");
    EXPECT_EQ(bankFileName(context(PaymentBank::Direktna, PayoutKind::Compensations)),
              "NZ_DirektnaPrimer Nis100426.txt");
    EXPECT_EQ(bankFileName(context(PaymentBank::Komercijalna, PayoutKind::OtherIncome)),
              "OZ_Kombank_100426.txt");
    EXPECT_EQ(bankFileName(context(PaymentBank::Intesa)), "intesa032026.txt");
    EXPECT_EQ(paymentBankByName("Komercijalna"), PaymentBank::Komercijalna);
    EXPECT_FALSE(paymentBankByName("unicredit"));
}

TEST_F(BankFiles, WritingReplacesAnEarlierFileOfTheSameName) {
    test::TempDir dir;
    const BankGroup& intesa = *findBank(list, month.intesa);
    const auto ctx = context(PaymentBank::Intesa);
    std::ofstream(dir.path() / "intesa032026.txt")
        << "an older and much longer file that must not survive in part\n";
    const auto path = writeBankFile(dir.path(), intesa, ctx);
    EXPECT_EQ(path, dir.path() / "intesa032026.txt");
    EXPECT_EQ(test::fileText(path), bankFileText(intesa, ctx));
}

} // namespace
} // namespace zarion::outputs
