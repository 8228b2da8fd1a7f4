// One employee's month end to end, and the result record's columns.
#include "payroll/SalaryCalculation.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "PayrollFixtures.h"

namespace zarion::test {
namespace {

using namespace payroll;

// A full-time employee in March 2026 (fund 176), priced by coefficient: K = 3.20 + 0.15 + 0.10,
// grade 4, price 20000, employed since September 2012 with 3 years 4 months before, 136 regular
// hours, 6 overtime, 12 night, 24 annual leave, 16 sick at 65 %, A = 512.40, 5 % stimulation,
// meal 6000, holiday allowance 2500; seniority counts prior service, solidarity tax on.
SalaryInput employee() {
    SalaryInput in;
    in.KOEFICIJENT = 3.2;
    in.funkcijski_dodatak = 0.15;
    in.otezani_uslovi = 0.1;
    in.Datum = {2012, 9, 1};
    in.pg = 3;
    in.Pm = 4;
    in.tekuci_Racun = "160-0000000012345-67";
    in.ocena_radnog_ucinka = 4;
    in.cena_Rada = din("20000");
    in.broj_sati = 136;
    in.produzeni_rad_s = 6;
    in.nocni_rad_s = 12;
    in.godisnji_s = 24;
    in.bolovnje65_s = 16;
    in.prosek_3_meseca = din("512.40");
    in.stimulacije_procenat = 5;
    in.topli_obrok = din("6000");
    in.regres = din("2500");
    return in;
}

Settings settings() {
    Settings s = coefficientPricing();
    s.ukupan_minuli_rad = 1;
    s.solidarni_porez = 1;
    return s;
}

SalaryResult calculate(const SalaryInput& in, CalculationKind kind) {
    auto r = netBasedSalary(in, month2026(), settings(), fund176(), {2026, 3, kind});
    EXPECT_TRUE(r.ok()) << r.message();
    return r.ok() ? *r : SalaryResult{};
}

TEST(SalaryCalculation, FullTimeEmployeeEveryStep) {
    const SalaryResult r = calculate(employee(), CalculationKind::Final);
    // years: 162 months with the company (13), (36 + 4 + 162) / 12 → 16 counted
    EXPECT_EQ(r.god_staza, 13);
    EXPECT_EQ(r.ukradni_staz, 16);
    EXPECT_EQ(r.radni_staz, 16);
    // F = 0.9922, K × C = 69000
    // basic = 0.9922 × 20000 × 3.45 × 136 / 176 = 9310804.8 / 176 = 52902.30
    EXPECT_EQ(r.osnovna_bruto, din("52902.30"));
    // night = 0.9922 × 26 × 12 × 69000 / 17600 = 1213.641; overtime the half of it, 606.8205
    EXPECT_EQ(r.nocni_rad_i, din("1213.64"));
    EXPECT_EQ(r.produzeni_rad_i, din("606.82"));
    EXPECT_EQ(r.bolovnje65_i, din("5328.96")); // 512.40 × 16 × 0.65
    EXPECT_EQ(r.godisnji_i, din("12297.60"));  // 512.40 × 24
    EXPECT_EQ(r.stimulacije, din("2645.12"));  // 52902.30 × 5 % = 2645.115
    EXPECT_EQ(r.minuli_rad, din("3385.75"));   // 52902.30 × 16 × 0.4 % = 3385.7472
    // net = 606.82 + 1213.64 + 5328.96 + 12297.60 + 52902.30 + 2645.12 + 2500 + 6000 + 3385.75
    EXPECT_EQ(r.NETO, din("86880.19"));
    // S = 136 + 6 + 24 + 16 = 182 ≥ 176: relief and minimum base whole
    EXPECT_EQ(r.hoursWorked, 182);
    EXPECT_EQ(r.Oslobodjenje, din("34221"));
    // base = (8688019 − 342210) / 70.1 = 119055.763 → 119055.76
    EXPECT_EQ(r.osnovica_doprinosa, din("119055.76"));
    // D = 23692.0962; tax = (86880.19 + 23692.0962 − 34221) / 9 = 8483.4762 → 8483.48
    EXPECT_EQ(r.porez_na_zaradu, din("8483.48"));
    EXPECT_EQ(r.Doprinosi_PIO, din("16667.81"));         // 16667.8064
    EXPECT_EQ(r.Doprinosi_zo, din("6131.37"));           // 6131.37164
    EXPECT_EQ(r.doprinosi_nezaposlenost, din("892.92")); // 892.9182
    EXPECT_EQ(r.ukupno_doprinosa, din("23692.10"));
    EXPECT_EQ(r.BRUTO, din("119055.77"));          // 23692.10 + 86880.19 + 8483.48
    EXPECT_EQ(r.Doprinosi_PIO_F, din("11905.58")); // 11905.576
    EXPECT_EQ(r.Doprinosi_zo_F, din("6131.37"));
    EXPECT_EQ(r.ukupno_doprinosa_F, din("18036.95"));
    EXPECT_EQ(r.ukupno_obaveza, din("137092.72"));
    EXPECT_EQ(r.solidarni_porez, din("5376")); // (86880.19 − 60000) × 0.2 = 5376.038
    EXPECT_EQ(r.hourFund, 176);
    EXPECT_EQ(r.tekuci_Racun, "160-0000000012345-67");
}

TEST(SalaryCalculation, AdvanceSolidarityBaseAddsTheSecondPartOfTheMonthBefore) {
    SalaryInput in = employee();
    in.II_deo = din("40000");
    // 126880.19: 40000 × 0.2 + 26880.19 × 0.25 = 8000 + 6720.0475 → 14720
    EXPECT_EQ(calculate(in, CalculationKind::Advance).solidarni_porez, din("14720"));
    // The final calculation ignores II_deo.
    EXPECT_EQ(calculate(in, CalculationKind::Final).solidarni_porez, din("5376"));
    Settings off = settings();
    off.solidarni_porez = 0;
    EXPECT_EQ(netBasedSalary(in, month2026(), off, fund176(), {2026, 3})->solidarni_porez,
              din("0"));
}

TEST(SalaryCalculation, ElementsChangedByHandFlowIntoTheNet) {
    const SalaryInput in = employee();
    auto elements = priceElements(in, month2026(), settings(), fund176(), 2026, 3);
    ASSERT_TRUE(elements.ok());
    PricedElements changed = *elements;
    changed.minuli_rad = din("3000"); // "Unesite vrednost za minuli rad!"
    auto r = netBasedSalary(in, changed, month2026(), settings(), fund176(), {2026, 3});
    EXPECT_EQ(r->NETO, din("86494.44")); // 86880.19 − 385.75
}

TEST(SalaryCalculation, NoResultWhenTheRatesLeaveNoDivisor) {
    MonthParameters m = month2026();
    m.porez_zarade = 80.1;
    auto r = netBasedSalary(employee(), m, settings(), fund176(), {2026, 3});
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(), "Zbir stopa doprinosa i poreza je 100%: obracun nije moguc!");
    auto noFund = netBasedSalary(employee(), month2026(), settings(), {0, 0}, {2026, 3});
    EXPECT_EQ(noFund.message(), "Fond sati je 0: obracun nije moguc!");
}

TEST(SalaryCalculation, GrossBasedByKind) {
    SalaryInput in;
    in.broj_sati = 88;
    GrossBasedRequest request;
    request.gross = din("100000");
    request.nonTaxable = din("34221");
    request.rates = contributionRates(month2026());
    auto calc = [&](int kind) {
        in.tip_obracuna = kind;
        auto r = grossBasedSalary(in, month2026(), settings(), fund176(), {2026, 3}, request);
        EXPECT_TRUE(r.ok()) << r.message();
        return *r;
    };
    // 88 of 176 hours: P' = 34221 / 2 = 17110.50, M' = 25648.50 below the gross;
    // tax (100000 − 17110.50) × 0.1 = 8288.95; net 100000 − 19900 − 8288.95 = 71811.05
    EXPECT_EQ(calc(0).NETO, din("71811.05"));
    EXPECT_EQ(calc(1).Oslobodjenje, din("17110.50"));
    EXPECT_EQ(calc(1).NETO, din("71811.05"));
    // Kind 4 keeps the gross typed; below the highest base it is an ordinary calculation.
    EXPECT_EQ(calc(4).BRUTO, din("100000"));
    EXPECT_EQ(calc(4).porez_na_zaradu, din("8288.95"));
    // Kind 3 with a typed net: 30000 on the minimum base with the relief for 88 of 176 hours.
    request.net = din("30000");
    EXPECT_EQ(calc(3).BRUTO, din("43626.76"));
    // From net every kind is the gross-up: (71811.05 − 1711.05) / 0.701 = 100000.
    request.from = GrossBasedRequest::From::Net;
    request.net = din("71811.05");
    EXPECT_EQ(calc(3).BRUTO, din("100000"));
    EXPECT_EQ(calc(4).BRUTO, din("100000"));
    EXPECT_EQ(calc(4).ukupno_doprinosa, din("19900"));
}

TEST(SalaryCalculation, OneNetGivesOneTaxInBothWindows) {
    // Half time in March 2025 (84 of 168 hours): relief 14211.50, lowest base 22975.
    SalaryInput in;
    in.tip_obracuna = 1;
    in.Datum = {2025, 3, 1};
    in.broj_sati = 84;
    in.fiksna_plata = din("22451.15");
    const HourFund fund{168, 168};
    // From net (batch): base (2245115 − 142115) / 70.1 = 30000,
    // tax (22451.15 + 5970 − 14211.50) / 9 = 1578.85
    auto batch = netBasedSalary(in, month2025(), hourlyPricing(), fund, {2025, 3});
    ASSERT_TRUE(batch.ok()) << batch.message();
    EXPECT_EQ(batch->BRUTO, din("30000"));
    EXPECT_EQ(batch->porez_na_zaradu, din("1578.85"));
    // From gross and from net (individual): tax (30000 − 14211.50) × 0.1 = 1578.85
    GrossBasedRequest request;
    request.gross = din("30000");
    request.nonTaxable = din("28423");
    request.rates = contributionRates(month2025());
    auto fromGross = grossBasedSalary(in, month2025(), hourlyPricing(), fund, {2025, 3}, request);
    request.from = GrossBasedRequest::From::Net;
    request.net = din("22451.15");
    auto fromNet = grossBasedSalary(in, month2025(), hourlyPricing(), fund, {2025, 3}, request);
    for (const auto* r : {&fromGross, &fromNet}) {
        ASSERT_TRUE(r->ok()) << r->message();
        EXPECT_EQ((*r)->Oslobodjenje, batch->Oslobodjenje);
        EXPECT_EQ((*r)->porez_na_zaradu, batch->porez_na_zaradu);
        EXPECT_EQ((*r)->NETO, batch->NETO);
        EXPECT_EQ((*r)->BRUTO, batch->BRUTO);
        EXPECT_EQ((*r)->ukupno_obaveza, batch->ukupno_obaveza);
    }
}

bool hasColumn(const std::vector<ResultColumn>& columns, std::string_view name) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](const ResultColumn& c) { return c.name == name; });
}

TEST(SalaryResultColumns, EachKindListsTheColumnsItStores) {
    const SalaryResult r = calculate(employee(), CalculationKind::Final);
    const auto final = resultColumns(r, CalculationKind::Final);
    const auto advance = resultColumns(r, CalculationKind::Advance);
    EXPECT_TRUE(hasColumn(final, "razlika_do_min"));
    EXPECT_TRUE(hasColumn(final, "minuli_od19"));
    EXPECT_FALSE(hasColumn(final, "II_deo"));
    EXPECT_TRUE(hasColumn(advance, "II_deo"));
    EXPECT_FALSE(hasColumn(advance, "razlika_do_min"));
    EXPECT_FALSE(hasColumn(advance, "ukradni_staz"));
    const auto neto = std::find_if(final.begin(), final.end(),
                                   [](const ResultColumn& c) { return c.name == "NETO"; });
    ASSERT_NE(neto, final.end());
    EXPECT_EQ(neto->kind, ColumnKind::Money);
    EXPECT_EQ(std::get<Currency>(neto->value), din("86880.19"));
}

} // namespace
} // namespace zarion::test
