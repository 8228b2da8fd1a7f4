#include "core/startup/CompanyRegister.h"

#include <fstream>
#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Paths.h"

using namespace zarion;
namespace fs = std::filesystem;

namespace {

class CompanyRegister : public ::testing::Test {
protected:
    test::TempDir root;
    std::unique_ptr<db::Database> registerDb;

    void SetUp() override {
        startup::prepareDataRoot(root.path());
        registerDb = db::Database::open(startup::registerPath(root.path()));
    }
    std::int64_t create(const std::string& name, const std::string& town) {
        const auto result = startup::createCompany(*registerDb, root.path(), 2026, name, town);
        EXPECT_TRUE(result.refusal.empty()) << result.refusal;
        return result.id;
    }
    std::vector<std::string> names(int access) {
        std::vector<std::string> out;
        for (const auto& row : startup::listCompanies(*registerDb, access))
            out.push_back(row.name);
        return out;
    }
};

} // namespace

TEST_F(CompanyRegister, NewCompanyGetsItsFolderFromTheTemplate) {
    std::ofstream(root / "prazna" / "logo.jpg") << "logo";
    const auto id = create("  Žitopromet d.o.o. ", " Šabac ");
    const fs::path folder = root / "G2026" / ("f" + std::to_string(id));
    EXPECT_TRUE(fs::exists(folder / "plate.db"));
    EXPECT_TRUE(fs::exists(folder / "backtarlen.db"));
    EXPECT_TRUE(fs::exists(folder / "logo.jpg"));
    EXPECT_TRUE(fs::is_directory(folder / "export"));
    EXPECT_TRUE(fs::is_directory(folder / "import"));
    const auto rows = startup::listCompanies(*registerDb, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Žitopromet d.o.o.");
    EXPECT_EQ(rows[0].town, "Šabac");
    EXPECT_EQ(rows[0].sd, "0");
    EXPECT_EQ(rows[0].shownId, std::to_string(id));
}

TEST_F(CompanyRegister, BlankNameOrTownStoresNothing) {
    EXPECT_EQ(startup::createCompany(*registerDb, root.path(), 2026, "Firma", "   ").refusal,
              "Niste uneli potrebne podatke");
    EXPECT_EQ(startup::createCompany(*registerDb, root.path(), 2026, "", "Niš").refusal,
              "Niste uneli potrebne podatke");
    EXPECT_EQ(registerDb->scalar("SELECT count(*) FROM firme"), 0);
    EXPECT_FALSE(fs::exists(root / "G2026"));
}

TEST_F(CompanyRegister, AccessLimitsTheListAndRemovedCompaniesDisappear) {
    create("Prva", "Beograd");
    create("Druga", "Niš");
    const auto third = create("Treća", "Čačak");
    EXPECT_EQ(names(0), (std::vector<std::string>{"Prva", "Druga", "Treća"}));
    EXPECT_EQ(names(static_cast<int>(third)), (std::vector<std::string>{"Treća"}));

    EXPECT_TRUE(startup::removeCompany(*registerDb, third));
    EXPECT_EQ(names(0), (std::vector<std::string>{"Prva", "Druga"}));
    EXPECT_TRUE(names(static_cast<int>(third)).empty());
    EXPECT_EQ(registerDb->scalar("SELECT count(*) FROM firme"), 3); // the row stays
    EXPECT_TRUE(fs::exists(root / "G2026" / ("f" + std::to_string(third)) / "plate.db"));
    EXPECT_FALSE(startup::removeCompany(*registerDb, 99));
}

TEST_F(CompanyRegister, UpdateTrimsAndReportsAMissingCompany) {
    const auto id = create("Stara", "Novi Sad");
    EXPECT_TRUE(startup::updateCompany(*registerDb, id, " Nova; \"Firma\" 100% ", " Zrenjanin"));
    const auto found = startup::findCompany(*registerDb, id);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "Nova; \"Firma\" 100%");
    EXPECT_EQ(found->town, "Zrenjanin");
    EXPECT_FALSE(startup::updateCompany(*registerDb, id + 1, "X", "Y"));
    EXPECT_FALSE(startup::findCompany(*registerDb, id + 1));
}

TEST_F(CompanyRegister, BlankNameLeavesTheShownIdEmpty) {
    registerDb->run("INSERT INTO firme(firma, grad, obrisana) VALUES ('  ', 'Kraljevo', 0)");
    const auto rows = startup::listCompanies(*registerDb, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].shownId, "");
    EXPECT_NE(rows[0].id, 0);
}
