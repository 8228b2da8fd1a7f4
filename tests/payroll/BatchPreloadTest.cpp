// What a batch run reads once for all employees must give each of them the month he gets when
// he is read alone: the entries, the terms, the advance, the deductions and the posting.
#include "payroll/BatchPreload.h"

#include <gtest/gtest.h>

#include "BatchCompany.h"
#include "PayrollFixtures.h"
#include "TemplateDatabase.h"
#include "core/Text.h"
#include "payroll/BatchRun.h"

namespace zarion::test {
namespace {

using namespace payroll;

class BatchPreloadTest : public ::testing::Test {
protected:
    BatchPreloadTest() {
        writeSettings(*db, coefficientPricing());
        MonthParameters m = month2026();
        m.prosecna_ocena_RU = 5;
        startMonth(*db, 2026, 3, m);
        db->run("INSERT INTO kurs (kurs_eur, kurs_chf, kurs_usd) VALUES (117.2, 125.1, 105.3)");
        const auto union_ = addDeduction(*db, "Sindikat", 0, 1.5);
        const auto fee = addDeduction(*db, "Clanarina", 1, 1001);
        const auto variable = addDeduction(*db, "Kantina", 2, 300);
        const auto bank = addDeduction(*db, "Banka", 3, 0);
        for (const char* name : {"Antic", "Babic", "Cvetic", "Djokic", "Eric"})
            ids.push_back(addEmployee(*db, name, 3.5 + static_cast<double>(ids.size())));
        assignDeduction(*db, ids[0], union_);
        assignDeduction(*db, ids[0], bank, 100, 40, 60);
        db->run("UPDATE obustave_radnici SET valuta = 1 WHERE id_obustava = ?", bank);
        assignDeduction(*db, ids[0], fee);
        assignDeduction(*db, ids[1], variable);
        assignDeduction(*db, ids[2], 999); // a deduction that is gone
        assignDeduction(*db, ids[2], union_);
        db->run("UPDATE obustave_radnici SET kraj = '2026-02-28' WHERE ID_RADNIK = ? AND "
                "id_obustava = ?",
                ids[2], union_); // ended before the month
        // Antic and Cvetic were paid an advance; Babic's final month is posted with overtime
        SalaryResult advance;
        advance.NETO = din("30000");
        advance.BRUTO = din("40000");
        advance.Doprinosi_PIO_F = din("4000");
        for (auto id : {ids[0], ids[2]})
            postCalculation(*db, {id, 2026, 3, CalculationKind::Advance}, advance, {});
        const BatchMonth final = open(CalculationKind::Final);
        auto input = employeeMonth(final, ids[1]).value();
        input.produzeni_rad_s = 12;
        postEmployee(final, calculateEmployee(final, ids[1], input, {}).value());
    }

    BatchMonth open(CalculationKind kind) {
        return BatchMonth::open(*db, nullptr, {2026, 3, kind}).value();
    }

    TemplateDatabase db;
    std::vector<std::int64_t> ids;
};

template <typename Record>
void expectSameFields(std::span<const Field<Record>> fields, const Record& alone,
                      const Record& preloaded) {
    for (const Field<Record>& field : fields)
        std::visit([&](auto member) { EXPECT_EQ(alone.*member, preloaded.*member) << field.name; },
                   field.member);
}

void expectSameDeductions(const BatchCalculation& alone, const BatchCalculation& preloaded) {
    ASSERT_EQ(alone.deductions.size(), preloaded.deductions.size());
    for (std::size_t i = 0; i < alone.deductions.size(); ++i) {
        const auto& a = alone.deductions[i];
        const auto& p = preloaded.deductions[i];
        EXPECT_EQ(a.id_or, p.id_or);
        EXPECT_EQ(a.kreditor, p.kreditor);
        EXPECT_EQ(a.Iznos, p.Iznos);
        EXPECT_EQ(a.valuta, p.valuta);
        EXPECT_EQ(a.Kurs, p.Kurs);
        EXPECT_EQ(a.POziv_na_broj, p.POziv_na_broj);
    }
    EXPECT_EQ(alone.deductionErrors, preloaded.deductionErrors);
}

TEST_F(BatchPreloadTest, EveryEmployeeGetsTheMonthHeGetsWhenReadAlone) {
    for (CalculationKind kind : {CalculationKind::Final, CalculationKind::Advance}) {
        const BatchMonth month = open(kind);
        BatchPreload preload(month);
        int asked = 0;
        auto ask = [&](const employees::VariableDeductionQuestion&) -> std::optional<Currency> {
            ++asked;
            return din("250");
        };
        for (auto id : ids) {
            const SalaryInput alone = employeeMonth(month, id).value();
            const SalaryInput preloaded = employeeMonth(month, id, &preload).value();
            expectSameFields(salaryInputFields(), alone, preloaded);
            const auto a = calculateEmployee(month, id, alone, {}, ask).value();
            const auto p = calculateEmployee(month, id, preloaded, {}, ask, &preload).value();
            expectSameFields(salaryResultFields(), a.result, p.result);
            expectSameFields(salaryResultFields(), a.advance, p.advance);
            EXPECT_EQ(a.hasAdvance, p.hasAdvance);
            expectSameDeductions(a, p);
        }
        EXPECT_EQ(asked, 2); // Babic's variable deduction, once each way
        EXPECT_EQ(employeeMonth(month, 4711, &preload).message(),
                  employeeMonth(month, 4711).message());
    }
}

TEST_F(BatchPreloadTest, TheRunPostsWhatPostingEachEmployeeAloneWould) {
    const BatchMonth month = open(CalculationKind::Final);
    std::vector<BatchCalculation> alone;
    for (auto id : ids)
        alone.push_back(calculateEmployee(month, id, employeeMonth(month, id).value(), {}).value());

    EXPECT_EQ(calculateAll(month, {}, {}, {}).posted, 4);
    EXPECT_EQ(repostAll(month, {}, {}, {}).posted, 5);
    EXPECT_EQ(db->scalar("SELECT count(*) FROM obracuni"), 5);
    for (const BatchCalculation& expected : alone) {
        const auto stored = postedResult(*db, expected.employeeId, 2026, 3, CalculationKind::Final);
        ASSERT_TRUE(stored);
        expectSameFields(salaryResultFields(), expected.result, *stored);
        const auto id = postedCalculationId(*db, {expected.employeeId, 2026, 3});
        const auto deductions = employees::postedDeductions(*db, *id, false);
        ASSERT_EQ(deductions.size(), expected.deductions.size());
        for (std::size_t i = 0; i < deductions.size(); ++i)
            EXPECT_EQ(deductions[i].Iznos, expected.deductions[i].Iznos);
    }
}

TEST_F(BatchPreloadTest, KnownPostingsAreOverwrittenInPlaceAndUnknownEmployeesRefused) {
    MonthPostings known(*db, 2026, 3, CalculationKind::Final);
    const PostingTarget target{ids[3], 2026, 3, CalculationKind::Final};
    const auto first = postCalculation(*db, target, {}, {}, {}, &known);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(known.postedId(ids[3]), *first);
    EXPECT_EQ(postCalculation(*db, target, {}, {}, {}, &known).value(), *first);
    EXPECT_EQ(postCalculation(*db, {4711, 2026, 3}, {}, {}, {}, &known).message(),
              "GRESKA!!!! Nije pronadjen radnik sa unetim ID!"_yu);
    // another month is not what it read: that posting looks up for itself
    const auto other = postCalculation(*db, {ids[3], 2026, 4}, {}, {}, {}, &known);
    ASSERT_TRUE(other.ok());
    EXPECT_NE(*other, *first);
    EXPECT_EQ(known.postedId(ids[3]), *first);
}

} // namespace
} // namespace zarion::test
