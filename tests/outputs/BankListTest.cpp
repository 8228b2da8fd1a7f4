#include "outputs/BankList.h"

#include <gtest/gtest.h>

#include "BankPayroll.h"
#include "Dinars.h"
#include "outputs/BankListReport.h"

namespace zarion::outputs {
namespace {

using test::BankPayroll;

using test::din;

struct Expected {
    const char* name;
    const char* amount;
};

void expectTransfers(const BankGroup& group, std::initializer_list<Expected> expected) {
    ASSERT_EQ(group.transfers.size(), expected.size()) << group.bank;
    std::size_t i = 0;
    for (const Expected& e : expected) {
        EXPECT_EQ(group.transfers[i].name, e.name);
        EXPECT_EQ(group.transfers[i].amount, din(e.amount)) << e.name;
        ++i;
    }
}

TEST(BankList, FinalPartPaysTheMonthLessSolidarityDeductionsAndTheFirstPart) {
    BankPayroll month;
    const auto list = loadBankList(*month.db, {2026, 3, Payment::Final, 0});
    ASSERT_TRUE(list.ok()) << list.message();
    ASSERT_EQ(list->banks.size(), 3u);
    // Banks by name, the employees without a bank last.
    EXPECT_EQ(list->banks[0].bank, "Banka Intesa a.d. Beograd");
    EXPECT_EQ(list->banks[1].bank, "Direktna Banka a.d. Kragujevac");
    EXPECT_EQ(list->banks[2].bank, "**** NEMA DODELJENU BANKU ****");

    // 43,922.10 − 10,000 paid with the first part.
    expectTransfers(list->banks[0], {{"Čolić Zoran", "33922.10"}});
    // Đorđević: 250,000 − 3,947 solidarity − 20,000; Šarić: 73,522.10 − 5,000 − 2,500.50 −
    // 30,000 (the first part's deduction went out with the first part). Đ sorts before Š.
    expectTransfers(list->banks[1], {{"Đorđević Đorđe", "226053.00"}, {"Šarić Ana", "36021.60"}});
    EXPECT_EQ(list->banks[1].total, din("262074.60"));
    expectTransfers(list->banks[2], {{"Ilić Ivan", "7000.00"}});
}

TEST(BankList, FirstPartAndWholeMonthPayTheirOwnCalculation) {
    BankPayroll month;
    const auto first = loadBankList(*month.db, {2026, 3, Payment::First, 0});
    ASSERT_TRUE(first.ok());
    const BankGroup* direktna = findBank(*first, month.direktna);
    ASSERT_TRUE(direktna);
    expectTransfers(*direktna, {{"Đorđević Đorđe", "20000.00"}, {"Šarić Ana", "29000.00"}});

    const auto whole = loadBankList(*month.db, {2026, 3, Payment::Whole, 0});
    ASSERT_TRUE(whole.ok());
    expectTransfers(*findBank(*whole, month.direktna),
                    {{"Đorđević Đorđe", "246053.00"}, {"Šarić Ana", "66021.60"}});
    EXPECT_FALSE(findBank(*whole, 12345));
}

TEST(BankList, AMonthWithoutRatesIsRefused) {
    BankPayroll month;
    EXPECT_FALSE(loadBankList(*month.db, {2026, 4, Payment::Whole, 0}).ok());
}

bool printed(const report::Document& document, const std::string& text) {
    for (const report::Page& page : document.pages)
        if (page.findText(text))
            return true;
    return false;
}

TEST(BankList, PrintsTheBanksTransfersWithTheirTotal) {
    BankPayroll month;
    const ListSelection selection{2026, 3, Payment::Final, 0};
    const auto list = loadBankList(*month.db, selection);
    ASSERT_TRUE(list.ok());
    const report::Document d =
        bankTransferList({}, "Niš", *findBank(*list, month.direktna), selection);
    EXPECT_TRUE(printed(d, "Spisak uplaćenih zarada i drugih primanja"));
    EXPECT_TRUE(printed(d, "Direktna Banka a.d. Kragujevac - 150-0000000000000-00"));
    EXPECT_TRUE(printed(d, "Isplata: 03/2026 - DRUGI DEO"));
    EXPECT_TRUE(printed(d, "Đorđević Đorđe"));
    EXPECT_TRUE(printed(d, "150-0000000012345-67"));
    EXPECT_TRUE(printed(d, "UKUPNO"));
    EXPECT_TRUE(printed(d, "Direktor:"));
    EXPECT_EQ(bankPaymentHeading({2026, 11, Payment::Whole, 0}), "Isplata: 11/2026 - KONAČNA");
}

} // namespace
} // namespace zarion::outputs
