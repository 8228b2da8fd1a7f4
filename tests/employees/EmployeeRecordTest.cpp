// Saving the edit panel, removing an employee, the owner flag and the municipality for everyone.
#include "employees/EmployeeRecord.h"

#include "EmployeesDb.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class EmployeeRecordTest : public test::EmployeesTest {};

TEST_F(EmployeeRecordTest, SurnameAndNameAreMandatory) {
    const SavedEmployee noSurname = saveEmployee(*db, form("  ", "Marko"), std::nullopt);
    ASSERT_TRUE(noSurname.refusal);
    EXPECT_EQ(noSurname.refusal->message, "Prezime je obavezan podatak!");
    EXPECT_EQ(checkMandatoryFields(form("", ""))->field, MissingField::Field::Prezime);

    const SavedEmployee noName = saveEmployee(*db, form("Petrović", " \t"), std::nullopt);
    ASSERT_TRUE(noName.refusal);
    EXPECT_EQ(noName.refusal->message, "Ime je obavezan podatak!");
    EXPECT_EQ(checkMandatoryFields(form("Petrović", ""))->field, MissingField::Field::Ime);
    EXPECT_EQ(count("radnici"), 0);
}

TEST_F(EmployeeRecordTest, NewEmployeeIsWrittenAsThePanelShowsIt) {
    EmployeeForm f = form(" Šćepanović ", "Đorđe");
    f.jmbg = "0101990710123";
    f.lbo = " 12345678901 ";
    f.radnoMesto = "2411.01 - Knjigovođa";
    f.koeficijent = "2.35";
    f.funkcijskiDodatak = "10abc"; // the numeric prefix
    f.otezaniUslovi = "";
    f.pg = "2.5"; // whole numbers, halves to even
    f.pm = "3.5";
    f.pd = "7";
    f.tekuciRacun = " 160-5100000000000-11 ";
    f.isplataPrekoRacuna = true;
    f.unit = 3;
    f.bank = 2;
    f.sss = "VII-1";
    f.calcType = 1;
    f.sex = 2;
    f.municipality = 16;
    f.vrsta = "02 Osnivac zaposlen u drustvu";
    f.sifraVrstePrihoda = " 101 ";
    f.platniRazred = 4;
    f.neto = "65000.50";
    f.brojUgovora = "001/2024";
    f.aneks = "A1";
    f.leavingDate = Date{2025, 5, 5}; // not written while active
    f.termEnd = Date{2025, 6, 6};     // not written for an open-ended term

    const SavedEmployee saved = saveEmployee(*db, f, std::nullopt);
    ASSERT_FALSE(saved.refusal);
    const Employee e = *loadEmployee(*db, saved.id);
    EXPECT_EQ(std::tie(e.Prezime, e.Ime, e.lbo, e.radno_mesto, e.tekuci_Racun, e.sss, e.vrsta,
                       e.sifra_vrste_prihoda, e.broj_ugovora, e.aneks),
              std::tuple("Šćepanović", "Đorđe", "12345678901", "2411.01 - Knjigovođa",
                         "160-5100000000000-11", "VII-1", "02", "101", "001/2024", "A1"));
    EXPECT_DOUBLE_EQ(e.KOEFICIJENT, 2.35);
    EXPECT_DOUBLE_EQ(e.funkcijski_dodatak, 10);
    EXPECT_DOUBLE_EQ(e.otezani_uslovi, 0);
    EXPECT_DOUBLE_EQ(e.NETO, 65000.5);
    EXPECT_EQ(std::tie(e.pg, e.Pm, e.Pd, e.tip_obracuna, e.pol, e.platni_razred),
              std::tuple(2, 4, 7, 1, 2, 4));
    EXPECT_EQ(std::tie(e.id_rj, e.ID_BAnka, e.sifra_opstine), std::tuple(3, 2, 16));
    EXPECT_EQ(std::tie(e.Datum, e.datum_odjave), std::tuple(Date{2024, 3, 1}, Date{2099, 12, 31}));
    // paid into the account, employed, open-ended, no owner
    EXPECT_EQ(std::tie(e.isplata_preko_racuna, e.nije_u_ro, e.na_odredjeno, e.vlasnik),
              std::tuple(true, false, false, false));
    EXPECT_FALSE(e.datum_na_odredjeno);
    EXPECT_EQ(db->scalar("SELECT count(*) FROM radnici WHERE datum_na_odredjeno IS NULL"), 1);
}

TEST_F(EmployeeRecordTest, ChangeWritesLeavingAndTermDatesAndKeepsTheOwnerFlag) {
    const auto id = addEmployee({.owner = true});
    EmployeeForm f = form("Petrović", "Marko");
    f.status = 2;
    f.leavingDate = Date{2026, 4, 30};
    f.term = 1;
    f.termEnd = Date{2026, 12, 31};
    ASSERT_FALSE(saveEmployee(*db, f, id).refusal);
    Employee e = *loadEmployee(*db, id);
    EXPECT_TRUE(e.nije_u_ro);
    EXPECT_EQ(e.datum_odjave, (Date{2026, 4, 30}));
    EXPECT_TRUE(e.na_odredjeno);
    EXPECT_EQ(e.datum_na_odredjeno, (Date{2026, 12, 31}));
    EXPECT_TRUE(e.vlasnik);

    f.status = 1;
    ASSERT_FALSE(saveEmployee(*db, f, id).refusal);
    e = *loadEmployee(*db, id);
    EXPECT_FALSE(e.nije_u_ro);
    EXPECT_EQ(e.datum_odjave, (Date{2099, 12, 31}));

    const SavedEmployee missing = saveEmployee(*db, f, 999);
    ASSERT_TRUE(missing.refusal);
    EXPECT_EQ(missing.refusal->message, "Greska kod pronalazenja radnika u bazi!");
    EXPECT_EQ(count("radnici"), 1);
}

// One case per table whose rows keep an employee in the register.
class EmployeeRemovalTest : public test::EmployeesTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(EmployeeRemovalTest, RowsOfTheEmployeeKeepHimEvenAfterLeaving) {
    const auto id = addEmployee({.inactive = true});
    const auto other = addEmployee({.surname = "Jovanović"});
    db->run(std::string("INSERT INTO ") + GetParam() + "(ID_RADNIK) VALUES (?)", id);

    const auto refusal = removeEmployee(*db, id);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Postoje podaci za izabranog radnika!");
    EXPECT_TRUE(loadEmployee(*db, id));

    EXPECT_FALSE(removeEmployee(*db, other));
    EXPECT_FALSE(loadEmployee(*db, other));

    db->run(std::string("DELETE FROM ") + GetParam());
    EXPECT_FALSE(removeEmployee(*db, id));
    EXPECT_EQ(count("radnici"), 0);
}

INSTANTIATE_TEST_SUITE_P(NineTables, EmployeeRemovalTest,
                         ::testing::Values("obracuni", "bolovanja_obracuni", "akontacija_obracuni",
                                           "akontacija_obracuni_obrisani", "bolovanjapor",
                                           "invalidi", "invalidi_obracuni", "obracun_ostale_zarade",
                                           "obustave_radnici"));

TEST_F(EmployeeRecordTest, OwnerFlagTurnsBothWaysAfterItsQuestion) {
    const auto id = addEmployee({.surname = "Petrović", .name = "Ana"});
    EXPECT_EQ(ownerToggleQuestion(*db, id).question,
              "Da li ste sigurni da zelite da da zaposlenom Petrović Ana promenite status u "
              "VLASNIK/PREDUZETNIK?");
    EXPECT_TRUE(toggleOwner(*db, id));
    EXPECT_TRUE(loadEmployee(*db, id)->vlasnik);
    EXPECT_EQ(ownerToggleQuestion(*db, id).question,
              "Da li ste sigurni da zelite da da zaposlenom Petrović Ana iskljucite status "
              "VLASNIK/PREDUZETNIK?");
    EXPECT_TRUE(toggleOwner(*db, id));
    EXPECT_FALSE(loadEmployee(*db, id)->vlasnik);

    EXPECT_EQ(ownerToggleQuestion(*db, 999).refusal->message, "Greska!");
    EXPECT_FALSE(toggleOwner(*db, 999));
}

TEST_F(EmployeeRecordTest, MunicipalityGoesToEveryEmployeeAndZeroChangesNothing) {
    addEmployee({});
    addEmployee({.inactive = true});
    db->run("UPDATE radnici SET sifra_opstine = 7");

    EXPECT_EQ(setMunicipalityForAll(*db, 0), 0);
    EXPECT_EQ(db->scalar("SELECT count(*) FROM radnici WHERE sifra_opstine = 7"), 2);
    EXPECT_EQ(setMunicipalityForAll(*db, 16), 2);
    EXPECT_EQ(db->scalar("SELECT count(*) FROM radnici WHERE sifra_opstine = 16"), 2);
}

TEST_F(EmployeeRecordTest, OccupationIsWrittenIntoTheJobTitle) {
    const auto id = addEmployee({});
    EXPECT_FALSE(setJobTitle(*db, id, "2411.01 - Knjigovođa"));
    EXPECT_EQ(loadEmployee(*db, id)->radno_mesto, "2411.01 - Knjigovođa");
    EXPECT_EQ(setJobTitle(*db, 999, "x")->message, "Greska!");
}

} // namespace
