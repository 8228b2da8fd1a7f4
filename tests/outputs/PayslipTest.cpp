#include <algorithm>
#include <gtest/gtest.h>

#include "MarchPayroll.h"
#include "SampleCompany.h"
#include "core/Text.h"
#include "outputs/PayslipLines.h"
#include "outputs/PayslipReport.h"

namespace zarion::outputs {
namespace {

using test::din;

bool hasText(const report::Document& d, const std::string& text) {
    return std::any_of(d.pages.begin(), d.pages.end(),
                       [&](const report::Page& page) { return page.findText(text) != nullptr; });
}

class PayslipTest : public ::testing::Test, protected test::MarchPayroll {
protected:
    report::Document print(Payment payment, bool coefficientPricing,
                           const PaymentStatus& status = {true, {2026, 4, 10}, {}, {}}) {
        auto list = loadPayrollList(*db, {2026, 3, payment, 0});
        EXPECT_TRUE(list.ok()) << list.message();
        loaded = list.value();
        const PayslipPrint options{test::sampleCompany(), {}, {}, status, coefficientPricing};
        return payslips(options, loaded, loadPayslipLookups(*db, loaded.selection),
                        unitByUnit(loaded));
    }
    PayrollList loaded;
};

TEST_F(PayslipTest, FirstPartPrintsTheAdvanceWithItsDeductions) {
    const report::Document d = print(Payment::First, true);
    ASSERT_EQ(d.pages.size(), 1u);
    EXPECT_NE(d.pages[0].findText("PRVI DEO PLATE"), nullptr);
    EXPECT_NE(d.pages[0].findText("OBUSTAVE NA PRVI DEO ZARADE"), nullptr);
    EXPECT_NE(d.pages[0].findText("36.761,05"), nullptr); // the advance's net
    EXPECT_NE(d.pages[0].findText("34.761,05"), nullptr); // less 2,000 withheld
    EXPECT_EQ(d.pages[0].findText("73.522,10"), nullptr); // not the final's
}

TEST_F(PayslipTest, SecondPaymentCarriesTheFinalSuffix) {
    const report::Document d = print(Payment::Final, false);
    const std::string title = "OBRAČUN ZARADA I DRUGIH PRIMANJA ZAPOSLENIH - II Deo - Konačna";
    ASSERT_EQ(d.pages.size(), 3u);
    for (const report::Page& page : d.pages)
        EXPECT_NE(page.findText(title), nullptr);
    EXPECT_EQ(payslipTitle(PayslipVariant::Salary, Payment::Whole),
              "OBRAČUN ZARADA I DRUGIH PRIMANJA ZAPOSLENIH - Konačna");
    EXPECT_EQ(payslipTitle(payslipVariant(true, Payment::Final), Payment::Final),
              "KONAČNI OBRAČUN - CEO MESEC");
    EXPECT_EQ(payslipTitle(payslipVariant(true, Payment::Whole), Payment::Whole),
              "OBRAČUN PLATE I DRUGIH PRIMANJA ZAPOSLENIH");
}

TEST_F(PayslipTest, AllUnitsPrintUnitByUnit) {
    const report::Document d = print(Payment::Whole, false);
    ASSERT_EQ(d.pages.size(), 3u);
    // Uprava (Babić, Šarić) before Proizvodnja (Čolić); the owner has his own command.
    EXPECT_NE(d.pages[0].findText("Babić Ivan"), nullptr);
    EXPECT_NE(d.pages[1].findText("Šarić Ana"), nullptr);
    EXPECT_NE(d.pages[2].findText("Čolić Zoran"), nullptr);
    EXPECT_FALSE(hasText(d, "Vlasnić Petar"));
    // Čolić is paid through the cash desk, his municipality named from opstine.
    EXPECT_NE(d.pages[2].findText("UKUPNO ZA ISPLATU PREKO BLAGAJNE"), nullptr);
    EXPECT_NE(d.pages[2].findText("Niš - Crveni Krst"), nullptr);
    EXPECT_NE(d.pages[2].findText("Obračun i isplatu primio radnik: ______________________"),
              nullptr);
    EXPECT_NE(d.pages[0].findText("DATUM ISPLATE 10.04.2026"), nullptr);
    EXPECT_NE(d.pages[0].findText("01 Zaposleni"), nullptr); // the insured person's kind
}

TEST_F(PayslipTest, LoanShowsItsPeriodAndWhatRemains) {
    db->run("INSERT INTO obustaveproc(obustava) VALUES ('Kredit Intesa')");
    db->run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj, Iznos, "
            "ukupno_meseci) VALUES (1, ?, '2026-01-01', '2026-10-01', 5000, 10)",
            babić);
    const auto loan = db->lastInsertId();
    db->run("UPDATE obracun_obustava SET id_or = ? WHERE kreditor = 'Banka Intesa'", loan);
    const report::Document d = print(Payment::Whole, false);
    // 10 instalments of 5,000; withheld so far 5,000 in March and 2,000 with the advance.
    EXPECT_NE(d.pages[0].findText("Period otplate: 01.2026 do: 10.2026   Mesečna rata: 5.000,00"
                                  "   Ukupan iznos kredita: 50.000,00   Preostalo: 43.000,00"),
              nullptr);
    EXPECT_NE(d.pages[0].findText("Stalna obustava"), nullptr); // the union's
    EXPECT_NE(d.pages[0].findText("UKUPNO OBUSTAVA"), nullptr);
    EXPECT_NE(d.pages[0].findText("7.500,50"), nullptr);
    EXPECT_NE(d.pages[0].findText("66.021,60"), nullptr); // 73,522.10 − 7,500.50 to pay
}

TEST_F(PayslipTest, UnpaidSalaryGivesDueDateAndReason) {
    const report::Document d =
        print(Payment::Whole, false, {false, {}, {2026, 4, 30}, defaultUnpaidReason()});
    EXPECT_NE(d.pages[0].findText("NEISPLAĆENA NETO ZARADA"), nullptr);
    EXPECT_NE(d.pages[0].findText("Datum dospelosti neisplaćene zarade 30.04.2026"), nullptr);
    EXPECT_NE(d.pages[0].findText("Tekuća nelikvidnost"), nullptr);
    EXPECT_FALSE(hasText(d, "DATUM ISPLATE 10.04.2026"));
}

const PayslipLine* line(const std::vector<PayslipLine>& lines, const std::string& label) {
    const auto it = std::find_if(lines.begin(), lines.end(),
                                 [&](const PayslipLine& l) { return l.label == label; });
    return it == lines.end() ? nullptr : &*it;
}

TEST(PayslipLines, SumsAndAdditionalContributions) {
    PayrollRow row;
    payroll::SalaryResult& c = row.calc;
    c.broj_sati = 176;
    c.osnovna_bruto = din("80000");
    c.produzeni_rad_s = 10;
    c.produzeni_rad_i = din("5000");
    c.nocni_rad_i = din("2000");
    c.rad_na_praznik_s = 8;
    c.rad_na_praznik_i = din("1000");
    c.rad_nedeljom_s = 4;
    c.rad_nedeljom_i = din("500");
    c.minuli_rad = din("1200");
    c.bolovnje65_i = din("3000");
    c.godisnji_i = din("4000");
    c.topli_obrok = din("3300");
    c.BRUTO = din("100000");
    c.Doprinosi_PIO_F = din("10000");
    c.Doprinosi_zo_F = din("5150");
    c.doprinosi_ro_f = din("77");
    c.doprinosi_ro_f2 = din("500");
    payroll::MonthParameters rates;
    rates.produzeni_rad = 26;
    rates.doprinosi_ro = 0;
    rates.Naziv_doprinosi_ro = "Komora";
    rates.doprinosi_ro2 = 0.5;
    rates.Naziv_doprinosi_ro2 = "Fond za razvoj";

    const auto lines = payslipLines(PayslipVariant::Salary, row, rates);
    // 80,000 + 5,000 + 2,000 + 1,500 + 1,200 + 3,000 + 4,000
    ASSERT_NE(line(lines, "UKUPNO"), nullptr);
    EXPECT_EQ(line(lines, "UKUPNO")->amount, din("96700"));
    EXPECT_EQ(line(lines, "Praznik i nedelja")->hours, "12");
    EXPECT_EQ(line(lines, "Produženi rad")->rate, "(26,00%)");
    EXPECT_EQ(line(lines, "Komora"), nullptr);
    ASSERT_NE(line(lines, "Fond za razvoj"), nullptr);
    EXPECT_EQ(line(lines, "Fond za razvoj")->amount, din("500"));
    // 10,000 + 5,150 + 500; the employer's total on top of 100,000 gross
    EXPECT_EQ(lines.back().label, "UKUPNA OBAVEZA FIRME");
    EXPECT_EQ(lines.back().amount, din("115650"));
    EXPECT_EQ(lines[lines.size() - 2].amount, din("15650"));
}

} // namespace
} // namespace zarion::outputs
