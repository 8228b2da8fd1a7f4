// zarion-cli operator: the built program adds operators to the register of $ZARION_BASE.
#include <gtest/gtest.h>
#include <variant>

#include "CliRun.h"
#include "TempDir.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"

namespace zarion::test {
namespace {

class OperatorCommand : public ::testing::Test {
protected:
    CliRun run(const std::string& arguments, const std::string& input = {}) const {
        return runCommand("ZARION_BASE=" + shellQuoted(dir.path().string()) + " " +
                              shellQuoted(ZARION_CLI) + " operator " + arguments,
                          input);
    }
    std::unique_ptr<db::Database> registerDb() const {
        return db::Database::open(startup::registerPath(startup::chooseDataRoot(dir.path())));
    }
    std::int64_t operators() const {
        if (!std::filesystem::exists(startup::registerPath(startup::chooseDataRoot(dir.path()))))
            return 0;
        return registerDb()->scalar("SELECT count(*) FROM operateri").value_or(0);
    }
    // The company the operator may open, read back by signing in.
    int accessOf(const std::string& login, const std::string& password) const {
        const auto outcome = startup::signIn(*registerDb(), login, password);
        EXPECT_TRUE(std::holds_alternative<startup::Operator>(outcome)) << login;
        return std::holds_alternative<startup::Operator>(outcome)
                   ? std::get<startup::Operator>(outcome).companyAccess
                   : -1;
    }

    TempDir dir;
};

TEST_F(OperatorCommand, CompanyAccessIsAWholeNumberOfAtLeastZero) {
    ASSERT_EQ(run("--login ana --password tajna --pristup 3").exitCode, 0);
    EXPECT_EQ(accessOf("ana", "tajna"), 3);
    ASSERT_EQ(run("--login mila --password tajna").exitCode, 0);
    EXPECT_EQ(accessOf("mila", "tajna"), 0);

    for (const char* access : {"abc", "4294967298", "-1", "2.5", "3x", "''"}) {
        const CliRun refused =
            run(std::string("--login zoran --password tajna --pristup ") + access);
        EXPECT_EQ(refused.exitCode, 1) << access;
        EXPECT_NE(refused.err.find("--pristup mora biti ceo broj"), std::string::npos) << access;
    }
    EXPECT_EQ(operators(), 2);
}

TEST_F(OperatorCommand, EmptyLoginAndPasswordAreRefused) {
    const CliRun noLogin = run("--login '  ' --password tajna");
    EXPECT_EQ(noLogin.exitCode, 1);
    EXPECT_NE(noLogin.err.find("ne moze biti prazno"), std::string::npos) << noLogin.err;
    const CliRun noPassword = run("--login ana --password ''");
    EXPECT_EQ(noPassword.exitCode, 1);
    EXPECT_NE(noPassword.err.find("Lozinka ne moze biti prazna"), std::string::npos);
    const CliRun blankInput = run("--login ana", "   \n");
    EXPECT_EQ(blankInput.exitCode, 1);
    const CliRun noInput = run("--login ana");
    EXPECT_EQ(noInput.exitCode, 1);
    EXPECT_NE(noInput.err.find("Lozinka nije uneta"), std::string::npos) << noInput.err;
    EXPECT_EQ(operators(), 0);
}

// Without --password the password is the first line of standard input when that is no terminal.
TEST_F(OperatorCommand, PasswordComesFromStandardInput) {
    const CliRun added = run("--login ana --ime Ana", "lozinka sa razmakom\r\nostatak\n");
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(accessOf("ana", "lozinka sa razmakom"), 0);
    EXPECT_TRUE(std::holds_alternative<startup::SignInRefused>(
        startup::signIn(*registerDb(), "ana", "ostatak")));
}

} // namespace
} // namespace zarion::test
