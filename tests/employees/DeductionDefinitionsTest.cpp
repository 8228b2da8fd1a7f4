// Deduction definitions, creditors, and who takes part in a standing deduction.
#include "employees/DeductionDefinitions.h"

#include <gtest/gtest.h>

#include "DeductionDb.h"
#include "employees/DeductionParticipation.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class DeductionDefinitionsTest : public ::testing::Test {
protected:
    test::DeductionDb data;

    static DeductionDefinition definition(const std::string& name, int tip, double value,
                                          const std::string& account) {
        DeductionDefinition d;
        d.obustava = name;
        d.Tip = tip;
        d.procenat = value;
        d.tekuci_Racun = account;
        d.zbirno_placanje = false;
        return d;
    }
};

TEST_F(DeductionDefinitionsTest, SaveRefusesABlankNameOrAccountAndAMissingValue) {
    auto blankName = saveStandingDeduction(data.db(), definition("  ", 0, 5, "160-1"));
    EXPECT_EQ(blankName.refusal, "Niste uneli naziv!");
    EXPECT_EQ(blankName.focus, DefinitionSave::Field::Name);
    auto blankAccount = saveStandingDeduction(data.db(), definition("Sindikat", 0, 5, " "));
    EXPECT_EQ(blankAccount.refusal, "Niste uneli tekuci racun!");
    EXPECT_EQ(blankAccount.focus, DefinitionSave::Field::Account);
    auto noValue = saveStandingDeduction(data.db(), definition("Sindikat", 1, 0, "160-1"));
    EXPECT_EQ(noValue.refusal, "Niste uneli procenat ili iznos!");
    EXPECT_EQ(data.count("SELECT count(*) FROM obustaveproc"), 0);

    // A variable deduction needs no default amount; every standing one is paid collectively.
    const auto variable = saveStandingDeduction(data.db(), definition(" Kantina ", 2, 0, "160-1"));
    ASSERT_TRUE(variable.ok());
    const auto stored = findDeduction(data.db(), variable.id);
    EXPECT_EQ(stored->obustava, "Kantina");
    EXPECT_TRUE(stored->zbirno_placanje);
}

TEST_F(DeductionDefinitionsTest, EditingAMissingRowIsAnError) {
    auto d = definition("Sindikat", 0, 1, "160-1");
    d.id_obustava_proc = 42;
    const auto saved = saveStandingDeduction(data.db(), d);
    EXPECT_EQ(saved.refusal, "Greska kod pronalazenja obustave u bazi!");
    EXPECT_TRUE(saved.missing);
}

TEST_F(DeductionDefinitionsTest, ListsSeparateStandingDeductionsFromCreditorsAndSkipDeletedOnes) {
    data.deduction("Kredit B", 3, 0);
    const auto fixed = data.deduction("Fiksna", 1, 1000);
    data.deduction("Procenat", 0, 2.5);
    const auto gone = data.deduction("Stara", 0, 1);
    data.db().run("UPDATE obustaveproc SET obrisana = 1 WHERE id_obustava_proc = ?", gone);
    auto creditor = definition("Kredit A", 0, 0, "205-1");
    creditor.zbirno_placanje = false;
    ASSERT_TRUE(saveCreditor(data.db(), creditor).ok());

    const auto standing = standingDeductions(data.db());
    ASSERT_EQ(standing.size(), 2u);
    EXPECT_EQ(standing[0].obustava, "Procenat"); // by type, then number
    EXPECT_EQ(standing[1].id_obustava_proc, fixed);
    EXPECT_EQ(deductionValueText(standing[0]), "2,50 %");
    EXPECT_EQ(deductionValueText(standing[1]), "1.000,00 RSD");

    const auto byName = creditorsByName(data.db());
    ASSERT_EQ(byName.size(), 2u);
    EXPECT_EQ(byName[0].obustava, "Kredit A");
    EXPECT_EQ(byName[0].Tip, 3);
    EXPECT_FALSE(byName[0].zbirno_placanje); // a creditor keeps its payment mode
    EXPECT_EQ(creditors(data.db()).size(), 2u);
}

TEST_F(DeductionDefinitionsTest, SetForAllReplacesPeriodsAndNotesWithFreshRowsForActiveEmployees) {
    const auto union_ = data.deduction("Sindikat", 0, 1);
    const auto marko = data.employee("Petrović", "Marko");
    const auto ana = data.employee("Antić", "Ana");
    data.employee("Bivši", "Radnik", true);
    data.participation(marko, union_, {2023, 5, 1}, {2023, 12, 31});
    ASSERT_TRUE(setNote(data.db(), union_, marko, "stari opis"));

    setForAll(data.db(), union_);

    EXPECT_EQ(data.count("SELECT count(*) FROM obustave_radnici"), 2);
    EXPECT_EQ(data.count("SELECT count(*) FROM obustave_radnici WHERE POCETAK = '2000-01-01' "
                         "AND kraj = '2099-12-31' AND Opis IS NULL"),
              2);
    const auto list = participants(data.db(), union_);
    ASSERT_EQ(list.size(), 2u); // the inactive employee is not listed
    EXPECT_EQ(list[0].id_radnik, ana);
    EXPECT_TRUE(list[0].takesPart);
    EXPECT_TRUE(list[1].takesPart);

    removeFromAll(data.db(), union_);
    EXPECT_EQ(data.count("SELECT count(*) FROM obustave_radnici"), 0);
    EXPECT_FALSE(participants(data.db(), union_)[0].takesPart);
}

TEST_F(DeductionDefinitionsTest, OneEmployeeIsToggledAndHisNoteWritten) {
    const auto union_ = data.deduction("Sindikat", 0, 1);
    const auto other = data.deduction("Osiguranje", 1, 800);
    const auto marko = data.employee("Petrović", "Marko");

    EXPECT_FALSE(setNote(data.db(), union_, marko, "x")); // no row to write the note on
    addParticipation(data.db(), union_, marko);
    EXPECT_TRUE(takesPart(data.db(), union_, marko));
    EXPECT_TRUE(setNote(data.db(), union_, marko, "  članarina  "));
    EXPECT_EQ(participants(data.db(), union_)[0].Opis, "članarina");

    const auto mine = standingDeductionsOf(data.db(), marko);
    ASSERT_EQ(mine.size(), 2u);
    EXPECT_TRUE(mine[0].active);
    EXPECT_FALSE(mine[1].active);
    EXPECT_EQ(mine[1].definition.id_obustava_proc, other);

    EXPECT_TRUE(removeParticipation(data.db(), union_, marko));
    EXPECT_FALSE(removeParticipation(data.db(), union_, marko));
}

} // namespace
