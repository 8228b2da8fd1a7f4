#include <gtest/gtest.h>

#include "FileText.h"
#include "MarchPayroll.h"
#include "SampleCompany.h"
#include "TempDir.h"
#include "outputs/EmployerTotalsRepair.h"
#include "outputs/HealthInsuranceFile.h"
#include "outputs/MunicipalityTax.h"
#include "outputs/Registers.h"

namespace zarion::outputs {
namespace {

using test::din;

bool hasText(const report::Document& d, const std::string& text) {
    for (const report::Page& page : d.pages)
        if (page.findText(text))
            return true;
    return false;
}

class MonthOutputsTest : public ::testing::Test, protected test::MarchPayroll {
protected:
    PayrollList list(std::int64_t unit = 0) {
        auto loaded = loadPayrollList(*db, {2026, 3, Payment::Whole, unit});
        EXPECT_TRUE(loaded.ok()) << loaded.message();
        return loaded.value();
    }
    const ListPrint print{test::sampleCompany(), {}};
};

TEST_F(MonthOutputsTest, TaxIsSummedPerMunicipalityOfResidence) {
    const auto lines =
        taxByMunicipality(list(), loadPayslipLookups(*db, list().selection).municipalities);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].code, 0); // the owner has no municipality
    EXPECT_EQ(lines[0].tax, din("16577.90"));
    EXPECT_EQ(lines[1].code, 70017);
    EXPECT_EQ(lines[1].name, "Niš - Crveni Krst");
    EXPECT_EQ(lines[1].tax, din("11155.84")); // Babić 6,577.90 + Čolić 4,577.94
    EXPECT_EQ(lines[2].name, "Beograd - Zvezdara");
    EXPECT_EQ(lines[2].tax, din("2577.90"));

    const report::Document d = municipalityTaxList(print, lines);
    EXPECT_TRUE(hasText(d, "PIB isplatioca: 101234567"));
    EXPECT_TRUE(hasText(d, "30.311,64")); // the whole month's tax
    EXPECT_TRUE(hasText(d, "Šef računovodstva:"));
}

TEST_F(MonthOutputsTest, HealthInsuranceFileLineByLine) {
    db->run("UPDATE radnici SET JMBG = '' WHERE id_radnik = ?", sarić);
    test::TempDir dir;
    const auto files =
        healthInsuranceFiles(list(), test::sampleCompany(), {2026, 4, 10}, works, dir.path());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path, dir / "RZZO032026.txt");
    EXPECT_EQ(files[1].path, dir / "RZZO_RJ_2_032026.txt");
    const std::vector<std::string> officeLines{
        "0;07654321;101234567;01.03.2026",
        "1;0101990710011;Knjigovodja;100000.00;5150.00;5150.00;10.04.2026;1;",
        "1;*************;Knjigovodja;60000.00;0.00;0.00;10.04.2026;1;"};
    EXPECT_EQ(files[0].lines, officeLines);
    const std::vector<std::string> productionLines{
        "0;07654321;101234567;01.03.2026",
        "1;2002979710022;Knjigovodja;90000.00;0.00;0.00;10.04.2026;1;"};
    EXPECT_EQ(files[1].lines, productionLines);

    ASSERT_FALSE(writeTextFiles(files));
    EXPECT_EQ(test::fileText(files[1].path),
              "0;07654321;101234567;01.03.2026\r\n"
              "1;2002979710022;Knjigovodja;90000.00;0.00;0.00;10.04.2026;1;\r\n");
    EXPECT_EQ(
        healthInsuranceFiles(list(), test::sampleCompany(), {2026, 4, 10}, 0, dir.path()).size(),
        1u);
}

TEST_F(MonthOutputsTest, RepairAddsTheMissingEmployerPension) {
    db->run("UPDATE obracuni SET ukupno_obaveza = ? WHERE ID_RADNIK = ?", din("60000"), sarić);
    const auto changed = repairEmployerTotals(*db, 2026, 3);
    ASSERT_TRUE(changed.ok()) << changed.message();
    // Šarić (10 % of 60,000 missing) and the owner (of 200,000); Babić and Čolić were right,
    // the unknown employee is left alone.
    EXPECT_EQ(*changed, 2);
    auto row = db->prepare("SELECT Doprinosi_PIO_F, ukupno_doprinosa_F, ukupno_obaveza FROM "
                           "obracuni WHERE ID_RADNIK = ? AND MEsec = 3");
    row.bindAll(sarić);
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.money(0), din("6000"));
    EXPECT_EQ(row.money(1), din("6000"));
    EXPECT_EQ(row.money(2), din("66000"));
    EXPECT_EQ(repairEmployerTotals(*db, 2026, 3).value(), 0);
    EXPECT_EQ(repairEmployerTotals(*db, 2026, 5).message(),
              "Greska kod pronalazenja parametara za izabrani mesec!");
}

TEST_F(MonthOutputsTest, RegistersTotalTheirColumns) {
    const PayrollList l = list();
    const report::Document monthly = monthlyRegister(print, l);
    EXPECT_TRUE(hasText(monthly, "MESEČNA EVIDENCIJA O ZARADI I NAKNADI ZARADA: 3/2026"));
    EXPECT_TRUE(hasText(monthly, "Radna jedinica: Sve radne jedinice"));
    EXPECT_TRUE(hasText(monthly, "240.000,40")); // gross 100,000 + 80,000.40 + 60,000
    EXPECT_TRUE(hasText(monthly, "168.444,00")); // to pay 66,021.60 + 58,500.30 + 43,922.10
    EXPECT_TRUE(hasText(monthly, "Direktor:"));
    EXPECT_FALSE(hasText(monthly, "Vlasnić Petar"));

    const report::Document extended = extendedRegister(print, l, advancesOfMonth(*db, 2026, 3));
    EXPECT_TRUE(hasText(extended, "Akontacije:"));
    EXPECT_TRUE(hasText(extended, "36.761,05"));

    const report::Document deductions =
        deductionsList(print, l, loadPayslipLookups(*db, l.selection));
    EXPECT_TRUE(hasText(deductions, "5.000,00"));
    EXPECT_TRUE(hasText(deductions, "2.500,50"));

    const PayrollList production = list(works);
    EXPECT_TRUE(hasText(earningsList(print, production), "Radna jedinica: Proizvodnja"));
}

} // namespace
} // namespace zarion::outputs
