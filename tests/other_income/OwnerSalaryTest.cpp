// The owner's salary worked out by hand with the owner's rates: non-taxable 34.221, tax 10 %,
// PIO 24 %, ZO 10,3 %, NEZ 0,75 % (contributions 35,05 %, all the owner's own).
#include "other_income/OwnerSalary.h"

#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "payroll/OwnerFigures.h"

using namespace zarion;
using namespace zarion::other_income;

namespace {

const OwnerParameters rates{Currency::fromUnits(34221), 10, 24, 10.3, 0.75};

struct OwnerCase {
    const char* what;
    std::int64_t gross, tax, pio, zo, nez, net;
};

// Net = gross − tax − contributions; tax on the gross above 34.221 only.
const OwnerCase cases[] = {
    {"AboveTheNonTaxableAmount", 100000, 6578, 24000, 10300, 750, 58372},
    {"BelowItNoTax", 30000, 0, 7200, 3090, 225, 19485},
    {"OddFiguresToTheNearestDinar", 50005, 1578, 12001, 5151, 375, 30900},
};

void PrintTo(const OwnerCase& c, std::ostream* out) {
    *out << c.what;
}

class OwnerSalaryCase : public testing::TestWithParam<OwnerCase> {};

TEST_P(OwnerSalaryCase, FromGrossAndBackFromItsNet) {
    const OwnerCase& c = GetParam();
    const Currency P = Currency::fromUnits(34221);
    for (const payroll::OwnerFigures& f :
         {ownerFromGross(Currency::fromUnits(c.gross), P, rates),
          ownerFromNet(Currency::fromUnits(c.net), P, rates).value()}) {
        EXPECT_EQ(f.BRUTO, Currency::fromUnits(c.gross)) << c.what;
        EXPECT_EQ(f.porez_na_zaradu, Currency::fromUnits(c.tax)) << c.what;
        EXPECT_EQ(f.Doprinosi_PIO, Currency::fromUnits(c.pio)) << c.what;
        EXPECT_EQ(f.Doprinosi_zo, Currency::fromUnits(c.zo)) << c.what;
        EXPECT_EQ(f.doprinosi_nezaposlenost, Currency::fromUnits(c.nez)) << c.what;
        EXPECT_EQ(f.NETO, Currency::fromUnits(c.net)) << c.what;
        EXPECT_EQ(f.Oslobodjenje, P) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Owner, OwnerSalaryCase, testing::ValuesIn(cases),
                         [](const auto& test) { return std::string(test.param.what); });

TEST(OwnerSalary, RatesThatLeaveNothingToDivideByStopTheCalculation) {
    const OwnerParameters wrong{Currency::fromUnits(34221), 50, 50, 0, 0};
    const auto net = ownerFromNet(Currency::fromUnits(40000), Currency::fromUnits(34221), wrong);
    ASSERT_FALSE(net);
    EXPECT_EQ(net.message(), "GRESKA! Parametri nisu dobri!");
}

TEST(OwnerSalary, HoursCoefficientAndTheNonTaxableAmountItScales) {
    EXPECT_EQ(hoursCoefficient(168, 168), 1.0);
    EXPECT_EQ(hoursCoefficient(84, 168), 0.5);
    EXPECT_EQ(hoursCoefficient(100, 176), 0.5682); // 0,568181…
    EXPECT_EQ(hoursCoefficient(0, 168), std::nullopt);
    EXPECT_EQ(hoursCoefficient(-8, 168), std::nullopt);
    // 34.221 × 0,5 = 17.110,5: the half goes to the even dinar
    EXPECT_EQ(nonTaxableAt(Currency::fromUnits(34221), 0.5), Currency::fromUnits(17110));
    EXPECT_EQ(nonTaxableAt(Currency::fromUnits(34221), 0.5682), Currency::fromUnits(19444));
}

TEST(OwnerSalary, ParametersAreReadWhenEntered) {
    test::TemplateDatabase db;
    EXPECT_FALSE(loadOwnerParameters(*db));
    db->run("INSERT INTO parametri_vlasnik(porez_zarade, Doprinosi_PIO, Doprinosi_zo, "
            "doprinosi_nezaposlenost, iznos_poreskog_oslobojenja) VALUES (10, 24, 10.3, 0.75, ?)",
            Currency::fromUnits(34221));
    const auto read = loadOwnerParameters(*db);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->iznos_poreskog_oslobojenja, Currency::fromUnits(34221));
    EXPECT_EQ(read->Doprinosi_zo, 10.3);
}

TEST(OwnerSalary, HandedBackTheFiguresReplaceTheElementsAndMakeTheTotals) {
    payroll::SalaryResult priced;
    priced.osnovna_bruto = Currency::fromUnits(80000);
    priced.minuli_rad = Currency::fromUnits(3000);
    priced.Doprinosi_PIO_F = Currency::fromUnits(8300);
    const payroll::SalaryResult r = payroll::withOwnerFigures(
        priced, ownerFromGross(Currency::fromUnits(100000), Currency::fromUnits(34221), rates));
    EXPECT_EQ(r.osnovna_bruto, Currency::fromUnits(100000));
    EXPECT_EQ(r.minuli_rad, Currency());
    EXPECT_EQ(r.Doprinosi_PIO_F, Currency());
    EXPECT_EQ(r.ukupno_doprinosa, Currency::fromUnits(35050)); // 24.000 + 10.300 + 750
    EXPECT_EQ(r.ukupno_doprinosa_F, Currency());
    EXPECT_EQ(r.ukupno_obaveza, Currency::fromUnits(100000));
    EXPECT_EQ(r.Oslobodjenje, Currency::fromUnits(34221));
}

} // namespace
