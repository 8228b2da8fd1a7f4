// Taking an employee over from the auxiliary database by personnel number.
#include "employees/AuxiliaryImport.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/db/Database.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class AuxiliaryImportTest : public ::testing::Test {
protected:
    AuxiliaryImportTest() {
        const auto db = db::Database::create(path);
        db->execScript("CREATE TABLE radnici (mbr INTEGER, \"prezime i ime\" TEXT, jmbg TEXT, "
                       "lbo TEXT, adresa TEXT, \"radna jedinica\" INTEGER, opis TEXT, "
                       "\"koeficijent ld\" DOUBLE, ss TEXT, sifra_vrste_prihoda TEXT, "
                       "MEsec INTEGER, \"staz pocetak godina\" INTEGER, "
                       "\"PARTIJA - Tekuci racun\" TEXT, rs INTEGER)");
        db->run("INSERT INTO radnici VALUES (17, 'Šćepanović  Marija Ana ', '0101990715001', "
                "'123', 'Karađorđeva 5', 3, 'Knjigovođa', 2.35, 'VI', '101', 0, 2011, "
                "'160-51000-11', 6)");
        db->run("INSERT INTO radnici VALUES (18, 'Ilić Đorđe', '', '', '', 1, '', 1, 'IV', '', "
                "7, 2019, '', 5)");
    }

    test::TempDir dir;
    std::filesystem::path path = dir / "platepom.db";
};

TEST_F(AuxiliaryImportTest, FillsThePanelFromTheAuxiliaryRow) {
    const ImportResult result = importFromAuxiliary(path, 17);
    ASSERT_FALSE(result.refusal);
    const ImportedEmployee& e = *result.employee;
    EXPECT_EQ(std::tie(e.prezime, e.ime, e.jmbg, e.lbo, e.adresa, e.unitPosition, e.radnoMesto),
              std::tuple("Šćepanović", "Marija Ana", "0101990715001", "123", "Karađorđeva 5", 2,
                         "Knjigovođa"));
    EXPECT_DOUBLE_EQ(e.koeficijent, 2.35);
    EXPECT_EQ(e.sss, "VI");
    EXPECT_EQ(e.sifraVrstePrihoda, "101");
    EXPECT_EQ(e.datum, (Date{2011, 1, 1})) << "month 0 gives the first of January";
    EXPECT_EQ(e.tekuciRacun, "160-51000-11");
    EXPECT_EQ(e.bankPosition, 4);

    const ImportedEmployee other = *importFromAuxiliary(path, 18).employee;
    EXPECT_EQ(
        std::tie(other.prezime, other.ime, other.datum, other.unitPosition, other.bankPosition),
        std::tuple("Ilić", "Đorđe", (Date{2019, 7, 1}), 0, -1));
}

TEST_F(AuxiliaryImportTest, UnknownNumberIsReported) {
    const ImportResult result = importFromAuxiliary(path, 99);
    EXPECT_FALSE(result.employee);
    ASSERT_TRUE(result.refusal);
    EXPECT_EQ(result.refusal->message, "Nije pronadjen zaposleni sa MBR: 99");
}

TEST_F(AuxiliaryImportTest, BankCodesMapOntoTheFirstSixBanks) {
    const std::pair<int, int> codes[] = {{1, 0},  {2, 1},  {3, 2},  {4, 3},  {6, 4},
                                         {13, 5}, {5, -1}, {0, -1}, {14, -1}};
    for (const auto& [rs, position] : codes)
        EXPECT_EQ(bankPositionForRs(rs), position) << rs;
}

TEST_F(AuxiliaryImportTest, MissingDatabaseIsAnError) {
    EXPECT_THROW(importFromAuxiliary(dir / "nema.db", 17), db::Error);
    EXPECT_EQ(auxiliaryDatabasePath(dir.path()), path);
}

} // namespace
