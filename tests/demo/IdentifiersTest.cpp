#include "demo/Identifiers.h"

#include <gtest/gtest.h>

using namespace zarion::demo;

TEST(PersonalNumber, ControlDigitIsElevenLessTheWeightedSumModuloEleven) {
    EXPECT_EQ(jmbgControlDigit("010199071000"), 8);
    EXPECT_EQ(jmbgControlDigit("140397171012"), 9);
    EXPECT_EQ(jmbgControlDigit("250499571560"), 6);
    // 11 − (sum mod 11) of 10 and of 11 both give 0
    EXPECT_EQ(jmbgControlDigit("050598571001"), 0);
    EXPECT_EQ(jmbgControlDigit("050598571006"), 0);
}

TEST(PersonalNumber, ValidOnlyWithThirteenDigitsAndTheRightControlDigit) {
    EXPECT_TRUE(isValidJmbg("0101990710008"));
    EXPECT_TRUE(isValidJmbg("0505985710010"));
    EXPECT_FALSE(isValidJmbg("0101990710009"));
    EXPECT_FALSE(isValidJmbg("0101990720008")); // a digit changed in the middle
    EXPECT_FALSE(isValidJmbg("010199071000"));
    EXPECT_FALSE(isValidJmbg("01019907100080"));
    EXPECT_FALSE(isValidJmbg("01019907100 8"));
}

TEST(BankAccount, ThirteenDigitsWithZerosAndTheMod97ControlDigits) {
    EXPECT_EQ(bankAccount("160", 123456), "160-0000000123456-54");
    EXPECT_EQ(bankAccount("170", 900001), "170-0000000900001-06");
    EXPECT_EQ(bankAccount("205", 1), "205-0000000000001-85");
}
