#include "core/startup/CompanyOpening.h"

#include <gtest/gtest.h>

#include "NewCompany.h"
#include "core/startup/CompanyRegister.h"
#include "core/startup/DataRootSetup.h"
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
    EXPECT_EQ(messages.reminders,
              (std::vector<std::string>{"Postavite osnovne parametre obracuna!",
                                        "Podesite postavke programa!",
                                        "Postavite ostale parametre obracuna!"}));
    EXPECT_TRUE(messages.warning.empty());
    EXPECT_EQ(context.CompanyAddress, "Kneza Miloša 5, Beograd");
}

TEST_F(CompanyOpening, MissingCompanyDataStopsBeforeTheMunicipalities) {
    auto payroll = db::Database::open(startup::payrollPath(root.path(), 2026, 1));
    payroll->run("DELETE FROM opstine");
    payroll.reset();
    const auto messages = startup::openCompany(context);
    EXPECT_EQ(messages.warning, "Unesite podatke u bazu kontora!");
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
    EXPECT_EQ(messages.reminders.size(), 2u);
    EXPECT_TRUE(context.SolidarityTaxOn);
    EXPECT_EQ(context.StimulacijeUredba, Currency::fromUnits(1500));
    EXPECT_FALSE(context.TotalSeniorityOn);
    EXPECT_TRUE(context.CalcModeFlag);
}
