// The company's own data as the operator keeps it: checked, trimmed, stored in one row.
#include "core/startup/CompanyData.h"

#include <gtest/gtest.h>

#include "NewCompany.h"
#include "core/startup/CompanyOpening.h"

using namespace zarion;
using startup::CompanyData;
using startup::CompanyField;

namespace {

class CompanyDataTest : public test::NewCompany {
protected:
    std::unique_ptr<db::Database> master;

    void SetUp() override {
        NewCompany::SetUp();
        master = db::Database::open(startup::masterDataPath(root.path(), 2026, 1));
    }

    static CompanyData typed() {
        CompanyData data;
        data.Naziv = "  Primer d.o.o. ";
        data.ADRESA = "Kneza Miloša 5";
        data.grad = "Beograd";
        data.maticni = " 21804575";
        data.PIB = "108457314 ";
        data.ziroracun = "205-1-85";
        data.vlasnik = "Petar Petrović";
        return data;
    }
};

} // namespace

TEST_F(CompanyDataTest, FirstSaveAddsTheRowAndTheWarningOfTheStartGoesAway) {
    EXPECT_EQ(startup::openCompany(context)->warning, "Unesite podatke u bazu kontora!");
    ASSERT_FALSE(startup::saveCompanyData(*master, typed()));

    EXPECT_EQ(master->scalar("SELECT COUNT(*) FROM podaci"), 1);
    const auto stored = startup::readCompanyData(*master);
    ASSERT_TRUE(stored);
    EXPECT_EQ(
        std::tie(stored->Naziv, stored->maticni, stored->PIB, stored->ziroracun, stored->vlasnik),
        std::tuple("Primer d.o.o.", "21804575", "108457314", "205-0000000000001-85",
                   "Petar Petrović"));

    EXPECT_EQ(startup::openCompany(context)->warning, "");
    EXPECT_EQ(context.CompanyAddress, "Kneza Miloša 5, Beograd");
}

TEST_F(CompanyDataTest, LaterSaveChangesTheOneRow) {
    ASSERT_FALSE(startup::saveCompanyData(*master, typed()));
    CompanyData changed = typed();
    changed.grad = "Novi Sad";
    changed.ziroracun = "";
    ASSERT_FALSE(startup::saveCompanyData(*master, changed));
    EXPECT_EQ(master->scalar("SELECT COUNT(*) FROM podaci"), 1);
    EXPECT_EQ(startup::readCompanyData(*master)->grad, "Novi Sad");
    EXPECT_EQ(startup::readCompanyData(*master)->ziroracun, "");
}

TEST_F(CompanyDataTest, WrongControlDigitsAreRefusedNamingTheFieldAndNothingIsStored) {
    ASSERT_FALSE(startup::saveCompanyData(*master, typed()));
    const auto refused = [&](void (*spoil)(CompanyData&)) {
        CompanyData data = typed();
        data.grad = "Niš";
        spoil(data);
        return startup::saveCompanyData(*master, data);
    };

    auto fault = refused([](CompanyData& d) { d.maticni = "21804576"; });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, CompanyField::maticni);
    EXPECT_EQ(fault->refusal.message,
              "Matični broj nije ispravan: 8 cifara, poslednja je kontrolna!");
    EXPECT_EQ(fault->refusal.kind, Refusal::Kind::Warning);

    fault = refused([](CompanyData& d) { d.PIB = "108547314"; });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, CompanyField::PIB);
    EXPECT_NE(fault->refusal.message.find("PIB"), std::string::npos);

    fault = refused([](CompanyData& d) { d.ziroracun = "205-1-84"; });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, CompanyField::ziroracun);
    EXPECT_NE(fault->refusal.message.find("Žiro račun"), std::string::npos);

    fault = refused([](CompanyData& d) { d.Naziv = "   "; });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, CompanyField::Naziv);

    EXPECT_EQ(startup::readCompanyData(*master)->grad, "Beograd");
}

TEST_F(CompanyDataTest, MunicipalityIsThePayersCodeOfTheTaxReturnInThreeDigits) {
    auto payroll = db::Database::open(startup::payrollPath(root.path(), 2026, 1));
    EXPECT_EQ(startup::companyMunicipality(*payroll), 0);
    startup::storeCompanyMunicipality(*payroll, 16);
    EXPECT_EQ(payroll->scalar("SELECT COUNT(*) FROM podaci_ppppd WHERE sifra_opstine = '016'"), 1);
    payroll->run("UPDATE podaci_ppppd SET email = 'plate@firma.rs'");
    startup::storeCompanyMunicipality(*payroll, 223);
    EXPECT_EQ(startup::companyMunicipality(*payroll), 223);
    EXPECT_EQ(payroll->scalar("SELECT COUNT(*) FROM podaci_ppppd WHERE email = 'plate@firma.rs'"),
              1);
}
