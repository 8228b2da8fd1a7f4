// Control digits worked out by hand on the companies' own numbers.
#include "core/ControlDigits.h"

#include <gtest/gtest.h>

using namespace zarion;

TEST(RegistrationNumber, ElevenLessTheWeightedSumModuloEleven) {
    // 2·8 + 1·7 + 8·6 + 0·5 + 4·4 + 5·3 + 7·2 = 116; 116 mod 11 = 6; 11 − 6 = 5
    EXPECT_EQ(registrationControlDigit("2180457"), 5);
    // 0 + 49 + 42 + 25 + 36 + 6 + 6 = 164; 164 mod 11 = 10; 11 − 10 = 1
    EXPECT_EQ(registrationControlDigit("0775923"), 1);
    // 3·3 + 1·2 = 11, remainder 0: 11 − 0 = 11 gives 0
    EXPECT_EQ(registrationControlDigit("0000031"), 0);
    // 6·2 = 12, remainder 1: 11 − 1 = 10 gives 0
    EXPECT_EQ(registrationControlDigit("0000006"), 0);
}

TEST(RegistrationNumber, EightDigitsWithTheRightLastOne) {
    EXPECT_TRUE(isValidRegistrationNumber("21804575"));
    EXPECT_TRUE(isValidRegistrationNumber("07759231"));
    EXPECT_FALSE(isValidRegistrationNumber("21804576"));
    EXPECT_FALSE(isValidRegistrationNumber("21805475")); // two digits swapped
    EXPECT_FALSE(isValidRegistrationNumber("2180457"));
    EXPECT_FALSE(isValidRegistrationNumber("218045750"));
    EXPECT_FALSE(isValidRegistrationNumber("2180 575"));
}

TEST(TaxNumber, Iso7064Mod11And10) {
    // 1 0 8 4 5 7 3 1: products 2 4 4 5 9 1 8 7, then (11 − 7) mod 10 = 4
    EXPECT_EQ(taxNumberControlDigit("10845731"), 4);
    // 1 0 0 0 0 2 8 8: products 2 4 8 5 10 4 4 4, then (11 − 4) mod 10 = 7
    EXPECT_EQ(taxNumberControlDigit("10000288"), 7);
    // 1 0 4 0 5 2 1 3: products 2 4 5 10 10 4 10 6, then (11 − 6) mod 10 = 5
    EXPECT_EQ(taxNumberControlDigit("10405213"), 5);
}

TEST(TaxNumber, NineDigitsWithTheRightLastOne) {
    EXPECT_TRUE(isValidTaxNumber("108457314"));
    EXPECT_TRUE(isValidTaxNumber("100002887"));
    EXPECT_TRUE(isValidTaxNumber("104052135"));
    EXPECT_FALSE(isValidTaxNumber("108457315"));
    EXPECT_FALSE(isValidTaxNumber("108547314")); // two digits swapped
    EXPECT_FALSE(isValidTaxNumber("10845731"));
    EXPECT_FALSE(isValidTaxNumber("10845731x"));
}

TEST(BankAccount, WholeNumberIsOneModuloNinetySevenAndComesBackInFull) {
    // 205·10^15 + 100 ≡ 205·45 + 3 ≡ 10 + 3 = 13 (mod 97), so the control number is 98 − 13 = 85
    EXPECT_EQ(fullBankAccount("205-0000000000001-85"), "205-0000000000001-85");
    EXPECT_EQ(fullBankAccount("205-1-85"), "205-0000000000001-85");
    EXPECT_EQ(fullBankAccount("205000000000000185"), "205-0000000000001-85");
    EXPECT_EQ(fullBankAccount("160-123456-54"), "160-0000000123456-54");

    EXPECT_FALSE(fullBankAccount("205-1-84"));
    EXPECT_FALSE(fullBankAccount("250-1-85"));              // bank digits swapped
    EXPECT_FALSE(fullBankAccount("205-00000000000001-85")); // fourteen digits in the middle
    EXPECT_FALSE(fullBankAccount("20-1-85"));
    EXPECT_FALSE(fullBankAccount("205-1-5"));
    EXPECT_FALSE(fullBankAccount("205-1"));
    EXPECT_FALSE(fullBankAccount("20500000000000018"));
    EXPECT_FALSE(fullBankAccount("205-1a-85"));
}
