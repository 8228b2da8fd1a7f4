// Organisational units and banks: saving, removal refused while an employee uses them, pickers.
#include "employees/CodeLists.h"

#include "EmployeesDb.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class CodeListsTest : public test::EmployeesTest {};

TEST_F(CodeListsTest, UnitSaveRefusesABlankNameAndRenamesByNumber) {
    const SaveResult blank = saveUnit(*db, std::nullopt, "   ");
    ASSERT_TRUE(blank.refusal);
    EXPECT_EQ(blank.refusal->message, "Niste uneli naziv radne grupe!");
    EXPECT_EQ(count("radne_jedinice"), 0);

    const SaveResult added = saveUnit(*db, std::nullopt, "  Proizvodnja ");
    ASSERT_FALSE(added.refusal);
    EXPECT_EQ(findUnit(*db, added.id)->name, "Proizvodnja");
    EXPECT_FALSE(saveUnit(*db, added.id, "Magacin").refusal);
    EXPECT_EQ(findUnit(*db, added.id)->name, "Magacin");

    const SaveResult missing = saveUnit(*db, 99, "Uprava");
    ASSERT_TRUE(missing.refusal);
    EXPECT_EQ(missing.refusal->message, "Greska kod pronalazenja radne jedinice u bazi!");
    EXPECT_EQ(missing.refusal->kind, Refusal::Kind::Error);
}

TEST_F(CodeListsTest, UnitUsedByAnyEmployeeCannotBeRemoved) {
    const auto active = addUnit("Proizvodnja");
    const auto left = addUnit("Magacin");
    const auto free = addUnit("Uprava");
    addEmployee({.unit = active});
    addEmployee({.unit = left, .inactive = true});

    const auto refusal = removeUnit(*db, active);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Nije moguce izbrisati izabrani radnu jedinicu: " +
                                    std::to_string(active) + " - Proizvodnja");
    EXPECT_TRUE(removeUnit(*db, left)) << "an employee who left still belongs to the unit";
    EXPECT_EQ(count("radne_jedinice"), 3);

    EXPECT_EQ(unitRemovalQuestion(*findUnit(*db, free)),
              "Da li ste sigurni da zelite da obrisete: " + std::to_string(free) + " - Uprava");
    EXPECT_FALSE(removeUnit(*db, free));
    EXPECT_FALSE(findUnit(*db, free));
    EXPECT_EQ(removeUnit(*db, free)->message, "Greska kod pronalazenja RJ!");
}

TEST_F(CodeListsTest, BankNeedsNameAndAccountAndStaysWhileUsed) {
    EXPECT_EQ(saveBank(*db, std::nullopt, {0, " ", "160-1", ""}).refusal->message,
              "Niste uneli naziv banke!");
    EXPECT_EQ(saveBank(*db, std::nullopt, {0, "Intesa", "  ", ""}).refusal->message,
              "Niste uneli naziv tekuci racun!");
    EXPECT_EQ(count("banke"), 0);

    const auto used = saveBank(*db, std::nullopt, {0, "Intesa", "160-9", "123"}).id;
    const auto free = saveBank(*db, std::nullopt, {0, "Erste", "340-9", ""}).id;
    EXPECT_FALSE(saveBank(*db, used, {0, "Banca Intesa", "160-99", "7"}).refusal);
    const Bank changed = *findBank(*db, used);
    EXPECT_EQ(changed.name, "Banca Intesa");
    EXPECT_EQ(changed.account, "160-99");
    EXPECT_EQ(changed.reference, "7");

    addEmployee({.bank = used, .inactive = true});
    EXPECT_EQ(removeBank(*db, used)->message, "Ne mozete obrisati izabranu banku!");
    EXPECT_TRUE(findBank(*db, used));
    EXPECT_EQ(bankRemovalQuestion(*findBank(*db, free)),
              "Da li ste sigurni da zelite da izbrisete banku: Erste");
    EXPECT_FALSE(removeBank(*db, free));
    EXPECT_EQ(count("banke"), 1);
}

TEST_F(CodeListsTest, PickersOfferNumberDashName) {
    const auto unit = addUnit("Proizvodnja");
    const auto bank = addBank("Erste");
    db->run("INSERT INTO zanimanje(SIFRA, Zanimanje) VALUES ('2411.01', 'Knjigovo\xC4\x91\x61')");

    const auto units = unitEntries(*db, AllUnits::SveRJ);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[0].text, "0 - sve RJ");
    EXPECT_EQ(units[1].text, std::to_string(unit) + " - Proizvodnja");
    EXPECT_EQ(units[1].number, unit);
    EXPECT_EQ(unitEntries(*db, AllUnits::SveRadneJedinice)[0].text, "0 - Sve radne jedinice");
    EXPECT_EQ(unitEntries(*db, AllUnits::None).size(), 1u);

    EXPECT_EQ(bankEntries(*db).at(0).text, std::to_string(bank) + " - Erste");
    EXPECT_EQ(occupationEntries(*db).at(0).text, "2411.01 - Knjigovo\xC4\x91\x61");
    const auto municipalities = municipalityEntries(*db);
    ASSERT_FALSE(municipalities.empty());
    EXPECT_EQ(entryNumber(municipalities[0].text), municipalities[0].number);
    EXPECT_EQ(entryNumber("12 - Beograd"), 12);
    EXPECT_EQ(entryNumber("Knjigovo\xC4\x91\x61"), 0);
}

} // namespace
