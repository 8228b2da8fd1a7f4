#include "outputs/PayrollList.h"

#include <gtest/gtest.h>

#include "PayrollDatabase.h"
#include "PostedSalaries.h"
#include "outputs/SerbianOrder.h"

namespace zarion::outputs {
namespace {

using test::EmployeeSeed;

Currency din(const char* amount) {
    return Currency::parse(amount);
}

payroll::SalaryResult salary(const char* gross, const char* tax, const char* net) {
    payroll::SalaryResult r;
    r.BRUTO = din(gross);
    r.porez_na_zaradu = din(tax);
    r.NETO = din(net);
    r.tekuci_Racun = "160-0000000012345-67";
    return r;
}

// March 2026: three employees in two units, an owner, an employee the register lost, the
// advance and the final calculation.
class PayrollListTest : public ::testing::Test {
protected:
    void SetUp() override {
        payroll::MonthParameters rates;
        rates.porez_zarade = 10;
        seed.monthRates(2026, 3, rates);
        const auto office = seed.unit("Uprava");
        const auto works = seed.unit("Proizvodnja");
        sarić = seed.employee({.Prezime = "Šarić", .Ime = "Ana", .id_rj = office});
        colić = seed.employee({.Prezime = "Čolić", .Ime = "Zoran", .id_rj = works});
        babić = seed.employee({.Prezime = "Babić", .Ime = "Ivan", .id_rj = office});
        owner =
            seed.employee({.Prezime = "Vlasnić", .Ime = "Petar", .id_rj = office, .vlasnik = true});

        auto b = salary("100000", "6577.90", "73522.10");
        b.Doprinosi_PIO = din("14000");
        b.Doprinosi_PIO_F = din("10000");
        babićFinal = seed.salary(CalculationKind::Final, babić, 2026, 3, b);
        seed.deduction(babićFinal, false, "Banka Intesa", din("5000"));
        seed.deduction(babićFinal, false, "Sindikat", din("2500.50"));
        seed.linkedOtherIncome(babićFinal, babić, din("12000"));
        seed.linkedOtherIncome(babićFinal, babić, din("345.67"));

        auto c = salary("80000.40", "4577.94", "58500.30");
        c.osnovica_doprinosa = din("90000");
        c.Doprinosi_PIO_F = din("9000");
        c.tekuci_Racun.clear();
        seed.salary(CalculationKind::Final, colić, 2026, 3, c, din("58500.30"), 18);
        seed.salary(CalculationKind::Final, sarić, 2026, 3, salary("60000", "2577.90", "43922.10"));
        seed.salary(CalculationKind::Final, owner, 2026, 3, salary("200000", "16577.90", "140000"));
        seed.salary(CalculationKind::Final, 999, 2026, 3, salary("1", "0", "1"));
        seed.salary(CalculationKind::Final, babić, 2026, 2, salary("1", "0", "1"));

        const auto advance = seed.salary(CalculationKind::Advance, babić, 2026, 3,
                                         salary("50000", "3288.95", "36761.05"));
        seed.deduction(advance, true, "Banka Intesa", din("2000"));
    }

    PayrollList list(Payment payment, std::int64_t unit = 0) {
        auto loaded = loadPayrollList(*db, {2026, 3, payment, unit});
        EXPECT_TRUE(loaded.ok()) << loaded.message();
        return loaded.value();
    }

    test::PayrollDatabase db;
    test::PostedSalaries seed{*db};
    std::int64_t sarić = 0, colić = 0, babić = 0, owner = 0, babićFinal = 0;
};

TEST_F(PayrollListTest, MonthWithoutParametersIsRefused) {
    const auto loaded = loadPayrollList(*db, {2026, 4, Payment::Whole, 0});
    EXPECT_EQ(loaded.message(), "Greska kod pronalazenja parametara za izabrani mesec!");
}

TEST_F(PayrollListTest, FinalRowsInSerbianOrderWithOwnersApart) {
    const PayrollList l = list(Payment::Whole);
    ASSERT_EQ(l.employees.size(), 3u);
    EXPECT_EQ(l.employees[0].fullName(), "Babić Ivan");
    EXPECT_EQ(l.employees[1].fullName(), "Čolić Zoran");
    EXPECT_EQ(l.employees[2].fullName(), "Šarić Ana");
    ASSERT_EQ(l.owners.size(), 1u);
    EXPECT_EQ(l.owners[0].fullName(), "Vlasnić Petar");
    EXPECT_EQ(l.rates.porez_zarade, 10);

    const PayrollRow& b = l.employees[0];
    EXPECT_EQ(b.Id_obracun, babićFinal);
    EXPECT_EQ(b.calc.Doprinosi_PIO, din("14000"));
    EXPECT_EQ(b.deductions, din("7500.50"));
    EXPECT_EQ(b.toPay(), din("66021.60"));        // 73,522.10 − 7,500.50
    EXPECT_EQ(b.linkedOtherNet, din("12345.67")); // 12,000 + 345.67
    EXPECT_EQ(b.contributionBase(), din("100000"));
    EXPECT_FALSE(b.paidInCash());

    const PayrollRow& c = l.employees[1];
    EXPECT_EQ(c.contributionBase(), din("90000"));
    EXPECT_EQ(c.days, 18);
    EXPECT_EQ(c.na_ruke, din("58500.30"));
    EXPECT_TRUE(c.paidInCash());
}

TEST_F(PayrollListTest, TotalsAreTheSumsOfBothLists) {
    const PayrollTotals t = list(Payment::Whole).totals;
    // 100,000 + 80,000.40 + 60,000 + 200,000
    EXPECT_EQ(t.BRUTO, din("440000.40"));
    // 6,577.90 + 4,577.94 + 2,577.90 + 16,577.90
    EXPECT_EQ(t.porez_na_zaradu, din("30311.64"));
    // 73,522.10 + 58,500.30 + 43,922.10 + 140,000
    EXPECT_EQ(t.NETO, din("315944.50"));
    EXPECT_EQ(t.deductions, din("7500.50"));
    EXPECT_EQ(t.toPay, din("308444.00"));
    EXPECT_EQ(t.Doprinosi_PIO_F, din("19000"));
    // 100,000 + 90,000 (own base) + 60,000 + 200,000
    EXPECT_EQ(t.contributionBase, din("450000"));
}

TEST_F(PayrollListTest, UnknownEmployeeIsNamedAndLeftOut) {
    const PayrollList all = list(Payment::Whole);
    ASSERT_EQ(all.missingEmployees.size(), 1u);
    EXPECT_EQ(missingEmployeeMessage(all.missingEmployees[0]),
              "Greska kod pronalazenja ranika sa ID: 999 u bazi!");
    const PayrollList works = list(Payment::Whole, 2);
    EXPECT_TRUE(works.missingEmployees.empty());
    ASSERT_EQ(works.employees.size(), 1u);
    EXPECT_EQ(works.employees[0].fullName(), "Čolić Zoran");
    EXPECT_TRUE(works.owners.empty());
    EXPECT_EQ(works.totals.BRUTO, din("80000.40"));
}

TEST_F(PayrollListTest, FirstPartReadsTheAdvanceAndItsDeductions) {
    const PayrollList l = list(Payment::First);
    ASSERT_EQ(l.employees.size(), 1u);
    EXPECT_EQ(l.employees[0].calc.NETO, din("36761.05"));
    EXPECT_EQ(l.employees[0].deductions, din("2000"));
    EXPECT_EQ(l.employees[0].linkedOtherNet, Currency());
    EXPECT_EQ(l.totals.toPay, din("34761.05"));
    EXPECT_EQ(list(Payment::Final).employees.size(), 3u);
}

TEST(SerbianOrder, LettersAndDigraphsInTheirPlaces) {
    const std::vector<std::string> ordered{
        "Babić",  "Cvetić", "Čolić",   "Ćirić",  "Dabić", "Džonić", "Đokić", "Lukić",
        "Ljubić", "Marić",  "Nikolić", "Njegoš", "Sava",  "Šolaja", "Zec",   "Žikić"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i)
        EXPECT_TRUE(serbianLess(ordered[i], ordered[i + 1]))
            << ordered[i] << " < " << ordered[i + 1];
    EXPECT_FALSE(serbianLess("ŠARIĆ", "šarić"));
    EXPECT_FALSE(serbianLess("šarić", "ŠARIĆ"));
    EXPECT_TRUE(serbianLess("Ana", "Anastasija"));
}

} // namespace
} // namespace zarion::outputs
