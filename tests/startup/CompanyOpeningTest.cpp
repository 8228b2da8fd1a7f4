#include "core/startup/CompanyOpening.h"

#include <gtest/gtest.h>

#include "FileFaults.h"
#include "NewCompany.h"
#include "TempDir.h"
#include "core/Text.h"
#include "core/startup/CompanyRegister.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Paths.h"

using namespace zarion;

namespace {

class CompanyOpening : public test::NewCompany {
protected:
    void fillCompanyData() {
        auto master = db::Database::open(startup::masterDataPath(root.path(), 2026, 1));
        master->run("INSERT INTO podaci(Naziv, ADRESA, grad, PIB) VALUES (?, ?, ?, ?)", "Firma",
                    " Kneza Miloša 5 ", " Beograd ", "100000001");
    }
};

} // namespace

TEST_F(CompanyOpening, EmptyBasicTablesGiveTheThreeRemindersInOrder) {
    fillCompanyData();
    const auto messages = startup::openCompany(context);
    EXPECT_EQ(messages->reminders,
              (std::vector<std::string>{"Postavite osnovne parametre obracuna!",
                                        "Podesite postavke programa!",
                                        "Postavite ostale parametre obracuna!"}));
    EXPECT_TRUE(messages->warning.empty());
    EXPECT_EQ(context.CompanyAddress, "Kneza Miloša 5, Beograd");
    EXPECT_FALSE(context.CompanyPibFlag);
}

TEST_F(CompanyOpening, TheAnalyticCustomersTaxNumberSetsItsSwitch) {
    fillCompanyData();
    auto master = db::Database::open(startup::masterDataPath(root.path(), 2026, 1));
    master->run("UPDATE podaci SET PIB = ' 101234569 '");
    startup::openCompany(context);
    EXPECT_TRUE(context.CompanyPibFlag);
}

TEST_F(CompanyOpening, TheYearsAccountSchemesAreMadeEmptyOnceAndKeptAfterwards) {
    const auto path = startup::accountSchemesPath(root.path(), 2026);
    EXPECT_FALSE(std::filesystem::exists(path));
    startup::openAccountSchemes(root.path(), 2026)
        ->run("INSERT INTO nalozi(id_nalog, Opis) VALUES (7, 'Plate')");
    EXPECT_EQ(path.filename(), "KoSheme2.db");
    EXPECT_EQ(path.parent_path().filename(), "G2026");
    EXPECT_EQ(startup::openAccountSchemes(root.path(), 2026)->scalar("SELECT id_nalog FROM nalozi"),
              7);
}

TEST_F(CompanyOpening, MissingCompanyDataStopsBeforeTheMunicipalities) {
    auto payroll = db::Database::open(startup::payrollPath(root.path(), 2026, 1));
    payroll->run("DELETE FROM opstine");
    payroll.reset();
    const auto messages = startup::openCompany(context);
    EXPECT_EQ(messages->warning, "Unesite podatke u bazu kontora!");
    EXPECT_EQ(context.PayrollDb->scalar("SELECT count(*) FROM opstine"), 0);
}

TEST_F(CompanyOpening, MunicipalitiesAreFilledOnceFromTheTemplate) {
    fillCompanyData();
    auto templ = db::Database::open(startup::templatePath(root.path()));
    const auto inTemplate = templ->scalar("SELECT count(*) FROM opstine").value_or(0);
    {
        auto payroll = db::Database::open(startup::payrollPath(root.path(), 2026, 1));
        payroll->run("DELETE FROM opstine");
    }
    startup::openCompany(context);
    EXPECT_EQ(context.PayrollDb->scalar("SELECT count(*) FROM opstine"), inTemplate);

    // A municipality the operator keeps is not overwritten on the next start.
    context.PayrollDb->run("DELETE FROM opstine");
    context.PayrollDb->run("INSERT INTO opstine(SIFRA, Naziv) VALUES ('999', 'Moja')");
    startup::openCompany(context);
    EXPECT_EQ(context.PayrollDb->scalar("SELECT count(*) FROM opstine"), 1);
}

TEST_F(CompanyOpening, SettingsFlagsFollowPostavke) {
    fillCompanyData();
    {
        auto payroll = db::Database::open(startup::payrollPath(root.path(), 2026, 1));
        payroll->run("INSERT INTO postavke(solidarni_porez, stimulacije_uredba, "
                     "ukupan_minuli_rad, nacin_obracuna) VALUES (1, ?, 0, 1)",
                     Currency::fromUnits(1500));
    }
    const auto messages = startup::openCompany(context);
    EXPECT_EQ(messages->reminders.size(), 2u);
    EXPECT_TRUE(context.SolidarityTaxOn);
    EXPECT_EQ(context.StimulacijeUredba, Currency::fromUnits(1500));
    EXPECT_FALSE(context.TotalSeniorityOn);
    EXPECT_TRUE(context.CalcModeFlag);
}

// A company whose database cannot be used is refused with a message, and nothing of it stays open.
class CompanyRefused : public CompanyOpening {
protected:
    void SetUp() override {
        CompanyOpening::SetUp();
        fillCompanyData();
    }
    std::string refusal() {
        const auto opened = startup::openCompany(context);
        EXPECT_FALSE(opened.ok());
        EXPECT_FALSE(context.PayrollDb);
        EXPECT_FALSE(context.CompanyMasterDb);
        return opened.message();
    }
    std::filesystem::path payroll() const { return startup::payrollPath(root.path(), 2026, 1); }
};

TEST_F(CompanyRefused, ADamagedDatabaseNamesItsFileAndTheArchive) {
    test::damagePage(payroll(), 3);
    EXPECT_EQ(refusal(), "Baza "_yu + payroll().string() +
                             " je o{te}ena i ne mo`e da se koristi! Ispravnu kopiju potra`ite u "
                             "folderu "_yu +
                             (payroll().parent_path() / "ARHIVA").string() + ".");
}

TEST_F(CompanyRefused, ADatabaseLockedByAnotherProgramIsRefusedAfterTheWait) {
    auto other = db::Database::open(payroll());
    other->execScript("BEGIN EXCLUSIVE");
    EXPECT_EQ(refusal(), "Baza je zauzeta od strane drugog programa! Poku{ajte ponovo kada drugi "
                         "program zavr{i rad sa bazom. ("_yu +
                             payroll().string() + ")");
    other->execScript("ROLLBACK");
}

TEST_F(CompanyRefused, AReadOnlyDataRootSaysSoWhenTheOpeningWrites) {
    db::Database::open(payroll())->run("DELETE FROM opstine"); // the opening fills them again
    const test::ReadOnlyFolder readOnly(root.path());
    EXPECT_EQ(refusal(),
              "Baza podataka je samo za ~itanje: upis nije mogu}! ("_yu + payroll().string() + ")");
}
