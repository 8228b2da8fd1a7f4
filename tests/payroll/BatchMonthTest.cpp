// The batch month: the employee list, the final calculation's additions, calculate-all and the
// re-posting runs, on a company database made from the template.
#include <gtest/gtest.h>

#include "BatchCompany.h"
#include "PayrollFixtures.h"
#include "TemplateDatabase.h"
#include "payroll/BatchRun.h"
#include "payroll/CalculationPosting.h"

namespace zarion::test {
namespace {

using namespace payroll;

// March 2026 (176 hours) with coefficient pricing and an average grade of 5 (F = 1).
class BatchMonthTest : public ::testing::Test {
protected:
    BatchMonthTest() {
        writeSettings(*db, coefficientPricing());
        startMonth(*db, 2026, 3, parameters());
    }

    static MonthParameters parameters() {
        MonthParameters m = month2026();
        m.prosecna_ocena_RU = 5;
        return m;
    }

    BatchMonth open(CalculationKind kind, int year = 2026, int month = 3) {
        auto opened = BatchMonth::open(*db, nullptr, {year, month, kind});
        if (!opened)
            throw std::runtime_error(opened.message());
        return std::move(opened).value();
    }

    BatchCalculation calculate(const BatchMonth& month, std::int64_t id,
                               const BatchOptions& options = {}) {
        auto input = employeeMonth(month, id);
        if (!input)
            throw std::runtime_error(input.message());
        auto calculation = calculateEmployee(month, id, *input, options);
        if (!calculation)
            throw std::runtime_error(calculation.message());
        return std::move(calculation).value();
    }

    void post(const BatchMonth& month, const BatchCalculation& calculation) {
        ASSERT_TRUE(postEmployee(month, calculation).ok());
    }

    std::int64_t rows(const char* table) {
        return db->scalar(std::string("SELECT count(*) FROM ") + table).value_or(-1);
    }

    TemplateDatabase db;
};

TEST_F(BatchMonthTest, TheListShowsWhoIsToBeCalculatedAndCountsThem) {
    const auto posted = addEmployee(*db, "Antic", 4);
    const auto red = addEmployee(*db, "Babic", 4);
    const auto left = addEmployee(*db, "Cvetic", 4);
    const auto sick = addEmployee(*db, "Djokic", 4);
    const auto partlySick = addEmployee(*db, "Eric", 4);
    db->run("UPDATE radnici SET nije_u_ro = 1 WHERE id_radnik = ?", left);
    db->run("INSERT INTO bolovanja (ID_RADNIK, datum_otvaranja, datum_zatvaranja) "
            "VALUES (?, '2026-02-10', '2026-03-31')",
            sick);
    db->run("INSERT INTO bolovanjaPOR (ID_RADNIK, datum_otvaranja, datum_zatvaranja) "
            "VALUES (?, '2026-03-02', '2026-06-30')",
            partlySick);
    const BatchMonth month = open(CalculationKind::Final);
    post(month, calculate(month, posted));
    // an advance does not count as posted in the final window
    ASSERT_TRUE(postCalculation(*db, {red, 2026, 3, CalculationKind::Advance}, {}, {}).ok());

    const auto list = monthEmployees(*db, month.period());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].id, posted);
    EXPECT_EQ(list[0].name, "Antic Radnik");
    EXPECT_TRUE(list[0].posted);
    EXPECT_EQ(list[1].id, red);
    EXPECT_FALSE(list[1].posted);
    EXPECT_EQ(list[2].id, partlySick);
    const BatchCounters counters = countEmployees(list);
    EXPECT_EQ(counters.notCalculated, 2);
    EXPECT_EQ(counters.calculated, 1);
    EXPECT_EQ(counters.total, 3);

    // posted employees stay listed even when they left or are on sick leave
    db->run("UPDATE radnici SET nije_u_ro = 1 WHERE id_radnik = ?", posted);
    EXPECT_EQ(monthEmployees(*db, month.period()).size(), 3u);
}

TEST_F(BatchMonthTest, ANewCalculationProposesTheMonthAndPricesTheEmployee) {
    db->run("UPDATE parametri_po_mesecima SET topli_obrok = ?, regres = ?", din("6000"),
            din("2000"));
    const auto id = addEmployee(*db, "Antic", 4);
    const BatchMonth month = open(CalculationKind::Final);
    const BatchCalculation c = calculate(month, id);
    EXPECT_EQ(c.input.broj_sati, 176);
    EXPECT_EQ(c.input.cena_Rada, din("20000"));
    EXPECT_EQ(c.input.topli_obrok, din("6000"));
    EXPECT_EQ(c.input.ocena_radnog_ucinka, 5);
    // no history: A from the form, K × C × (1 + 0.4 × 10 / 100) / H
    EXPECT_EQ(c.input.prosek_3_meseca, din("472.73"));
    // basic 4 × 20000, seniority 10 years × 0.4 %
    EXPECT_EQ(c.result.osnovna_bruto, din("80000"));
    EXPECT_EQ(c.result.minuli_rad, din("3200"));
    EXPECT_EQ(c.result.NETO, din("91200"));
    EXPECT_EQ(c.result.razlika_do_min, din("0"));
    EXPECT_FALSE(c.hasAdvance);
    // without an advance A is 0 and K and the working fields are equal
    for (const AmountLine& line : amountLines(c)) {
        EXPECT_TRUE(line.advance.isZero()) << line.name;
        EXPECT_EQ(line.working, line.total) << line.name;
    }
    // the employer pension stays the engine's: 10 % of the base, which grosses the net up:
    // (91,200 × 100 − 34,221 × 10) / (100 − 19.9 − 10) = 125,218.1170 → 125,218.12
    EXPECT_EQ(c.result.osnovica_doprinosa, din("125218.12"));
    EXPECT_EQ(c.result.Doprinosi_PIO_F, din("12521.81"));

    EXPECT_EQ(employeeMonth(month, id + 1).message(),
              "GRESKA!!!! Nije pronadjen radnik sa unetim ID!");
}

TEST_F(BatchMonthTest, TheAverageComesFromTheHistoryOfTheMonthsBefore) {
    const auto id = addEmployee(*db, "Antic", 4);
    db->run("INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, broj_sati, NETO, bolovnje65_i) "
            "VALUES (?, 2, 2026, 150, ?, ?), (?, 3, 2025, 10, ?, 0), (?, 2, 2025, 999, ?, 0)",
            id, din("80000"), din("5000"), id, din("1000"), id, din("99999"));
    // February and March of the year before count, February of the year before does not
    const BatchCalculation final = calculate(open(CalculationKind::Final), id);
    EXPECT_EQ(final.input.prosek_3_meseca, din("475")); // 76000 / 160
    const BatchMonth advance = open(CalculationKind::Advance);
    SalaryInput input = *employeeMonth(advance, id);
    EXPECT_EQ(input.prosek_3_meseca, din("237.5")); // the advance takes 2 × the hours
    EXPECT_EQ(batchAverage(advance, id, input), din("237.5"));
}

TEST_F(BatchMonthTest, HistoryHoursCountAsTheDecimalsTheyWereTypedAs) {
    const auto id = addEmployee(*db, "Antic", 4);
    // 0.1 and 0.2 are no binary fractions; a third has more decimals than hours are kept with
    db->run("INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, broj_sati, godisnji_s, NETO, "
            "bolovnje65_i) VALUES (?, 2, 2026, 150.1, 0.2, ?, 0), (?, 3, 2025, ?, 0, ?, 0)",
            id, din("80000"), id, 1.0 / 3.0, din("1000"));
    // 81000 / (150.1 + 0.2 + 0.333333333333) = 537.7295…
    EXPECT_EQ(calculate(open(CalculationKind::Final), id).input.prosek_3_meseca, din("537.73"));
}

TEST_F(BatchMonthTest, TheFinalCalculationRaisesBasicPayToTheMinimum) {
    const auto id = addEmployee(*db, "Antic", 3); // 60000 below round0(176/176 × 65296)
    const BatchMonth final = open(CalculationKind::Final);
    const BatchCalculation raised = calculate(final, id);
    EXPECT_EQ(raised.result.osnovna_bruto, din("65296"));
    EXPECT_EQ(raised.result.razlika_do_min, din("5296"));
    BatchOptions without;
    without.withoutMinimumNet = true;
    const BatchCalculation kept = calculate(final, id, without);
    EXPECT_EQ(kept.result.osnovna_bruto, din("60000"));
    EXPECT_EQ(kept.result.razlika_do_min, din("0"));
    // the advance has no minimum; it pays the 80 hours up to the 15th: 60000 × 80 / 176
    EXPECT_EQ(calculate(open(CalculationKind::Advance), id).result.osnovna_bruto, din("27272.73"));
}

TEST_F(BatchMonthTest, ThePriceFloorOfTheFinalCalculation) {
    // the reduction takes K × price below 25000: basic pay round0(25000 × H / N), price 25000 / K
    db->run("UPDATE parametri_po_mesecima SET cena_Rada = ?, cena_rada_pre_umanjenja = ?, "
            "minimalna_osnovna = 0",
            din("9000"), din("11000"));
    const auto id = addEmployee(*db, "Antic", 2.5);
    db->run("UPDATE parametri_po_mesecima SET minuli_rad = 0");
    const BatchMonth month = open(CalculationKind::Final);
    SalaryInput input = *employeeMonth(month, id);
    input.broj_sati = 150;
    auto floored = calculateEmployee(month, id, input, {});
    ASSERT_TRUE(floored.ok()) << floored.message();
    EXPECT_EQ(floored->result.osnovna_bruto, din("21307")); // 25000 × 150 / 176 = 21306.8
    EXPECT_EQ(floored->result.cena_Rada, din("10000"));

    // K × pre-reduction price not above 25000: that price is used
    db->run("UPDATE radnici SET KOEFICIJENT = 2 WHERE id_radnik = ?", id);
    const BatchCalculation before = calculate(month, id);
    EXPECT_EQ(before.result.cena_Rada, din("11000"));
    EXPECT_EQ(before.result.osnovna_bruto, din("22000"));
}

TEST_F(BatchMonthTest, TheFinalShowsTheAdvanceAndTakesTheEmployerPensionOfTheFinalPart) {
    const auto low = addEmployee(*db, "Antic", 4);
    const auto high = addEmployee(*db, "Babic", 4);
    SalaryResult advance;
    advance.broj_sati = 176;
    advance.NETO = din("30000");
    advance.BRUTO = din("40000"); // below the minimum base 51297: the advance paid on that base
    advance.Doprinosi_PIO_F = din("5129.70");
    ASSERT_TRUE(postCalculation(*db, {low, 2026, 3, CalculationKind::Advance}, advance, {}).ok());
    advance.BRUTO = din("60000");
    advance.Doprinosi_PIO_F = din("6000");
    ASSERT_TRUE(postCalculation(*db, {high, 2026, 3, CalculationKind::Advance}, advance, {}).ok());
    const auto union_ = addDeduction(*db, "Sindikat", 0, 1);
    assignDeduction(*db, low, union_);

    const BatchMonth month = open(CalculationKind::Final);
    const BatchCalculation c = calculate(month, low);
    ASSERT_TRUE(c.hasAdvance);
    // K: net 83,200 on the base (83,200 × 100 − 342,210) / 70.1 = 113,805.85; contributions
    // 15,932.82 + 5,861.00 + 853.54 = 22,647.36, tax (83,200 + 22,647.3642 − 34,221) / 9 =
    // 7,958.48, gross 113,805.84
    EXPECT_EQ(c.result.NETO, din("83200"));
    EXPECT_EQ(c.result.BRUTO, din("113805.84"));
    // the advance's 5,129.70 and 10 % of the gross above the minimum base: 6,250.884
    EXPECT_EQ(c.result.Doprinosi_PIO_F, din("11380.58"));
    EXPECT_EQ(c.result.ukupno_doprinosa_F, din("17241.58")); // and health 5.15 %: 5,861.00
    EXPECT_EQ(c.result.ukupno_obaveza, din("131047.42"));
    // the working fields hold K − A; the deductions of the second part are priced on them
    EXPECT_EQ(c.netToPay(), din("53200"));
    ASSERT_EQ(c.deductions.size(), 1u);
    EXPECT_EQ(c.deductions[0].Iznos, din("532")); // 1 %
    for (const AmountLine& line : amountLines(c))
        if (line.name == "NETO") {
            EXPECT_EQ(line.advance, din("30000"));
            EXPECT_EQ(line.working, line.total - line.advance);
        }

    // above the minimum base: 6,000 and 10 % of the gross above the advance's, 5,380.584
    EXPECT_EQ(calculate(month, high).result.Doprinosi_PIO_F, din("11380.58"));
}

TEST_F(BatchMonthTest, WithoutDeductionsTheFinalPricesNoneAndTheAdvanceIgnoresIt) {
    const auto id = addEmployee(*db, "Antic", 4);
    const auto loan = addDeduction(*db, "Banka", 3, 0);
    assignDeduction(*db, id, loan, 10000, 4000, 6000);
    assignDeduction(*db, id, addDeduction(*db, "Clanarina", 1, 1001));
    BatchOptions without;
    without.withoutDeductions = true;

    const BatchCalculation final = calculate(open(CalculationKind::Final), id, without);
    EXPECT_TRUE(final.deductions.empty());
    EXPECT_EQ(final.payout(), final.result.NETO);
    const BatchCalculation priced = calculate(open(CalculationKind::Final), id);
    ASSERT_EQ(priced.deductions.size(), 2u);
    EXPECT_EQ(priced.deductions[0].Iznos, din("6000")); // the loan's second part
    EXPECT_EQ(priced.deductions[1].Iznos, din("1001")); // a month paid at once: the whole amount

    const BatchCalculation advance = calculate(open(CalculationKind::Advance), id, without);
    ASSERT_EQ(advance.deductions.size(), 2u);
    EXPECT_EQ(advance.deductions[0].Iznos, din("4000"));
    EXPECT_EQ(advance.deductions[1].Iznos, din("500")); // half of 1001, to the even dinar
}

TEST_F(BatchMonthTest, ALoanInAForeignCurrencyWithoutARateStopsTheEmployee) {
    const auto id = addEmployee(*db, "Antic", 4);
    assignDeduction(*db, id, addDeduction(*db, "Banka", 3, 0), 100, 40, 60);
    db->run("UPDATE obustave_radnici SET valuta = 1 WHERE ID_RADNIK = ?", id); // EUR
    const BatchMonth month = open(CalculationKind::Final);
    const auto stopped = calculateEmployee(month, id, *employeeMonth(month, id), {});
    ASSERT_FALSE(stopped.ok());
    EXPECT_EQ(stopped.message(),
              "Nije unet kurs za EUR za mesec 03.2026! Obracun radnika nije moguc.");
    // With the rate the instalment is priced: 60 × 117.25 = 7035
    db->run("DELETE FROM kurs");
    db->run("INSERT INTO kurs (kurs_eur, kurs_chf, kurs_usd) VALUES (117.25, 0, 0)");
    const BatchCalculation priced = calculate(month, id);
    ASSERT_EQ(priced.deductions.size(), 1u);
    EXPECT_EQ(priced.deductions[0].Iznos, din("7035"));
}

TEST_F(BatchMonthTest, JanuarysSolidarityBaseReachesBackToDecember) {
    Settings settings = coefficientPricing();
    settings.solidarni_porez = 1;
    writeSettings(*db, settings);
    startMonth(*db, 2026, 1, parameters());
    const auto id = addEmployee(*db, "Antic", 2);
    SalaryResult december;
    december.NETO = din("150000");
    ASSERT_TRUE(postCalculation(*db, {id, 2025, 12, CalculationKind::Final}, december, {}).ok());
    december.NETO = din("60000");
    ASSERT_TRUE(postCalculation(*db, {id, 2025, 12, CalculationKind::Advance}, december, {}).ok());
    // a month of another year that must not be taken
    december.NETO = din("1");
    ASSERT_TRUE(postCalculation(*db, {id, 2026, 12, CalculationKind::Final}, december, {}).ok());

    const BatchMonth january = open(CalculationKind::Advance, 2026, 1);
    const BatchCalculation c = calculate(january, id);
    EXPECT_EQ(c.input.II_deo, din("90000"));
    EXPECT_EQ(c.result.II_deo, din("90000"));
    // 88 of January's 176 hours are paid (1–2, 5–9 and 12–15): 40000 × 88 / 176 = 20000, with
    // 9 years of service 20720; the base 20720 + 90000: 40000 × 0.2 + 10720 × 0.25
    EXPECT_EQ(c.result.NETO, din("20720"));
    EXPECT_EQ(c.result.solidarni_porez, din("10680"));
    // without the solidarity tax nothing is fetched
    writeSettings(*db, coefficientPricing());
    EXPECT_TRUE(calculate(open(CalculationKind::Advance, 2026, 1), id).input.II_deo.isZero());
}

TEST_F(BatchMonthTest, CalculateAllPostsTheGapsOnceAndCanBeCancelled) {
    std::vector<std::int64_t> ids;
    for (const char* name : {"Antic", "Babic", "Cvetic", "Djokic"})
        ids.push_back(addEmployee(*db, name, 4));
    const auto union_ = addDeduction(*db, "Sindikat", 0, 1);
    for (auto id : ids)
        assignDeduction(*db, id, union_);
    const BatchMonth month = open(CalculationKind::Final);
    post(month, calculate(month, ids[1]));

    // cancelled after two employees: those two stay posted
    auto cancelAtTwo = [](const BatchProgress& p) {
        return p.done < 2;
    };
    BatchRunReport cancelled = calculateAll(month, {}, {}, cancelAtTwo);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.posted, 2);
    EXPECT_EQ(rows("obracuni"), 3);

    std::vector<BatchProgress> seen;
    BatchRunReport rest = calculateAll(month, {}, {}, [&](const BatchProgress& p) {
        seen.push_back(p);
        return true;
    });
    EXPECT_EQ(rest.posted, 1);
    EXPECT_FALSE(rest.cancelled);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen.back().done, 1);
    EXPECT_EQ(seen.back().total, 1);
    EXPECT_EQ(rows("obracuni"), 4);
    EXPECT_EQ(rows("obracun_obustava"), 4);
    EXPECT_EQ(rows("akontacija_obracuni"), 0);

    const BatchRunReport second = calculateAll(month, {}, {}, {});
    EXPECT_EQ(second.posted, 0);
    EXPECT_EQ(rows("obracuni"), 4);
    EXPECT_EQ(rows("obracun_obustava"), 4);
    EXPECT_EQ(countEmployees(monthEmployees(*db, month.period())).notCalculated, 0);
    // the single posting and the runs' postings each carry the time they were made
    EXPECT_EQ(db->scalar("SELECT count(*) FROM istorija_promena WHERE tabela = 'obracuni' "
                         "AND vrsta = 'knjizenje' AND vreme IS NOT NULL"),
              4);
}

TEST_F(BatchMonthTest, CtrlAPostsThePostedAgainFromTheirMonth) {
    const auto id = addEmployee(*db, "Antic", 4);
    addEmployee(*db, "Babic", 4); // not posted: left alone
    const BatchMonth month = open(CalculationKind::Final);
    BatchCalculation c = calculate(month, id);
    c.input.produzeni_rad_s = 10;
    auto withOvertime = calculateEmployee(month, id, c.input, {});
    post(month, *withOvertime);
    db->run("UPDATE radnici SET KOEFICIJENT = 5 WHERE id_radnik = ?", id);

    const BatchRunReport report = repostAll(open(CalculationKind::Final), {}, {}, {});
    EXPECT_EQ(report.posted, 1);
    EXPECT_EQ(rows("obracuni"), 1);
    const auto stored = postedResult(*db, id, 2026, 3, CalculationKind::Final);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->KOEFICIJENT, 5);
    EXPECT_EQ(stored->produzeni_rad_s, 10); // the month's entries are kept
    EXPECT_EQ(stored->osnovna_bruto, din("100000"));
    EXPECT_EQ(db->scalar("SELECT count(*) FROM istorija_promena WHERE vrsta = "
                         "'ponovno_knjizenje' AND vreme IS NOT NULL"),
              1);

    EXPECT_FALSE(accessCodeAccepted(std::nullopt));
    EXPECT_FALSE(accessCodeAccepted(din("7268")));
    EXPECT_TRUE(accessCodeAccepted(din("7269")));
}

TEST_F(BatchMonthTest, CtrlJSetsTheEmployerPensionToATenthOfTheWorkingGross) {
    const auto id = addEmployee(*db, "Antic", 4);
    const auto union_ = addDeduction(*db, "Sindikat", 1, 700);
    assignDeduction(*db, id, union_);
    SalaryResult advance;
    advance.BRUTO = din("60000");
    advance.NETO = din("40000");
    advance.Doprinosi_PIO_F = din("6000");
    ASSERT_TRUE(postCalculation(*db, {id, 2026, 3, CalculationKind::Advance}, advance, {}).ok());
    const BatchMonth month = open(CalculationKind::Final);
    const BatchCalculation c = calculate(month, id);
    post(month, c);

    db->run("UPDATE obracuni SET Doprinosi_PIO_F = 1");
    const BatchRunReport report = repostEmployerPension(month, {});
    EXPECT_EQ(report.posted, 1);
    const auto stored = postedResult(*db, id, 2026, 3, CalculationKind::Final);
    ASSERT_TRUE(stored);
    // 6,000 and 10 % of the gross 113,805.84 above the advance's 60,000: 5,380.584
    EXPECT_EQ(stored->Doprinosi_PIO_F, din("11380.58"));
    EXPECT_EQ(stored->ukupno_obaveza, din("131047.42")); // with health 5,861.00
    EXPECT_EQ(stored->NETO, c.result.NETO);
    EXPECT_EQ(rows("obracun_obustava"), 1); // the posted deductions go with it
    EXPECT_EQ(repostEmployerPension(open(CalculationKind::Advance), {}).posted, 0);
}

TEST_F(BatchMonthTest, TheTotalObligationRunsTheCalculationBackwards) {
    SalaryResult calculated;
    calculated.Oslobodjenje = din("34221");
    const auto r = fromTotalCost(calculated, din("115150"), parameters());
    ASSERT_TRUE(r.ok());
    // 115150 / 1.1515 = 100000
    EXPECT_EQ(r->BRUTO, din("100000"));
    EXPECT_EQ(r->porez_na_zaradu, din("6577.90"));
    EXPECT_EQ(r->Doprinosi_PIO, din("14000"));
    EXPECT_EQ(r->ukupno_doprinosa, din("19900"));
    EXPECT_EQ(r->NETO, din("73522.10"));
    EXPECT_EQ(r->Doprinosi_PIO_F, din("10000"));
    EXPECT_EQ(r->ukupno_obaveza, din("115150"));
}

TEST_F(BatchMonthTest, AMonthNeverStartedGivesTheSystemsMessage) {
    EXPECT_EQ(BatchMonth::open(*db, nullptr, {2026, 4, CalculationKind::Final}).message(),
              "Greska kod pronalazenja parametara za izabrani mesec!");
}

TEST(EmployerPensionOfTheFinalPart, HalfTimeComparesWithTheLowestBaseForTheAdvancesHours) {
    // 2025, 84 of 168 hours: the advance used the lowest base 45950 × 84 / 168 = 22975 and paid
    // 10 % of it, 2297.50.
    SalaryResult advance;
    advance.broj_sati = 84;
    advance.BRUTO = din("16000");
    advance.Doprinosi_PIO_F = din("2297.50");
    SalaryResult total;
    total.BRUTO = din("32027.30");
    total.Doprinosi_zo_F = din("1649.41");
    employerPensionOfFinalPart(total, advance, month2025(), 168);
    // part (32027.30 − 22975) × 0.1 = 905.23; K = 905.23 + 2297.50
    EXPECT_EQ(total.Doprinosi_PIO_F, din("3202.73"));
    EXPECT_EQ(total.ukupno_doprinosa_F, din("4852.14")); // + 1649.41
    EXPECT_EQ(total.ukupno_obaveza, din("36879.44"));    // 32027.30 + 4852.14

    // A month's gross still below the advance's base leaves nothing to pay, never less.
    total.BRUTO = din("20000");
    employerPensionOfFinalPart(total, advance, month2025(), 168);
    EXPECT_EQ(total.Doprinosi_PIO_F, din("2297.50"));

    // The whole fund: the full lowest base, (50000 − 45950) × 0.1 = 405 on top of 4595.
    advance.broj_sati = 168;
    advance.Doprinosi_PIO_F = din("4595");
    total.BRUTO = din("50000");
    employerPensionOfFinalPart(total, advance, month2025(), 168);
    EXPECT_EQ(total.Doprinosi_PIO_F, din("5000"));
}

} // namespace
} // namespace zarion::test
