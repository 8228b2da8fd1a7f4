// The supervisor's overrides of the return: the hours fund and the income code of every row.
#include "outputs/DeclarationOverrides.h"

#include <gtest/gtest.h>

#include "SampleDeclaration.h"

namespace zarion::test {
namespace {

using outputs::Col;

TEST(DeclarationOverrides, OnlyTheSupervisorsCodeOpensThem) {
    EXPECT_TRUE(outputs::supervisorCodeAccepted(Currency::parse("7269")));
    EXPECT_FALSE(outputs::supervisorCodeAccepted(Currency::parse("7268")));
    EXPECT_FALSE(outputs::supervisorCodeAccepted(std::nullopt));
}

TEST(DeclarationOverrides, NewFundKeepsOvertimeAboveIt) {
    std::vector<outputs::DeclarationRow> rows = {regularSalary(), lowestBaseSalary(),
                                                 regularSalary()};
    rows[2][Col::BrojEfektivnihSati] = "168"; // exactly the fund
    rows[1].checked = false;                  // every row, checked or not
    outputs::overrideHoursFund(rows, 176);
    EXPECT_EQ(rows[0][Col::MesecniFondSati], "176");
    EXPECT_EQ(rows[0][Col::BrojEfektivnihSati], "184"); // 8 above the old fund of 168
    EXPECT_EQ(rows[1][Col::MesecniFondSati], "176");
    EXPECT_EQ(rows[1][Col::BrojEfektivnihSati], "160"); // below the fund: unchanged
    EXPECT_EQ(rows[2][Col::BrojEfektivnihSati], "176");
}

TEST(DeclarationOverrides, NewIncomeCodeForEveryRowAndTheBaseClearedOnRequest) {
    std::vector<outputs::DeclarationRow> rows = {regularSalary(), lowestBaseSalary()};
    outputs::overrideIncomeCode(rows, "101102000", false);
    EXPECT_EQ(rows[1][Col::SVP], "101102000");
    EXPECT_EQ(rows[1][Col::OsnovicaDoprinosi], "51297");
    outputs::overrideIncomeCode(rows, "101110000", true);
    EXPECT_EQ(rows[0][Col::SVP], "101110000");
    EXPECT_EQ(rows[0][Col::OsnovicaDoprinosi], "0.00");
    EXPECT_EQ(rows[1][Col::OsnovicaDoprinosi], "0.00");
}

} // namespace
} // namespace zarion::test
