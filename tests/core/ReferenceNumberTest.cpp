#include "core/ReferenceNumber.h"

#include <gtest/gtest.h>

namespace zarion {
namespace {

// Control digits worked out by hand: 98 − (rest × 100 mod 97).
TEST(Model97, ControlDigitsOfTheRest) {
    EXPECT_EQ(model97ControlDigits("1100"), "96");       // 110000 mod 97 = 2
    EXPECT_EQ(model97ControlDigits("0123456789"), "78"); // 12345678900 mod 97 = 20
    EXPECT_EQ(model97ControlDigits("30"), "08");         // 3000 mod 97 = 90: a leading zero
    EXPECT_EQ(model97ControlDigits("A1"), "86");         // A is 10: 10100 mod 97 = 12
    EXPECT_EQ(model97ControlDigits("11-00"), "96");      // dashes and blanks do not count
    EXPECT_FALSE(model97ControlDigits("12/34"));
    EXPECT_FALSE(model97ControlDigits(" - "));
    EXPECT_EQ(model97Reference("0123456789"), "780123456789");
}

TEST(Model97, ReferencesAreCheckedByTheirControlDigits) {
    EXPECT_TRUE(isValidModel97("961100"));
    EXPECT_TRUE(isValidModel97("78 0123-456789"));
    EXPECT_FALSE(isValidModel97("971100"));
    EXPECT_FALSE(isValidModel97("780123456788"));
    EXPECT_FALSE(isValidModel97("96"));
    EXPECT_FALSE(isValidModel97("9611/00"));
}

} // namespace
} // namespace zarion
