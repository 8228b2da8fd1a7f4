#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/Text.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Operators.h"
#include "core/startup/Passwords.h"

using namespace zarion;

namespace {

class SignIn : public ::testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<db::Database> registerDb = startup::createRegister(dir / "firme.db");

    std::string refusal(const std::string& login, const std::string& password) {
        const auto outcome = startup::signIn(*registerDb, login, password);
        const auto* refused = std::get_if<startup::SignInRefused>(&outcome);
        return refused ? refused->message : std::string();
    }
    std::string storedPassword(const std::string& login) {
        auto st = registerDb->prepare("SELECT pass FROM operateri WHERE login = ?");
        st.bindAll(login);
        return st.step() ? st.text(0) : std::string("<none>");
    }
};

} // namespace

TEST_F(SignIn, NameIgnoresCaseAndPasswordIsTrimmedButCaseSensitive) {
    startup::saveOperator(*registerDb, "ANA", "Tajna1", "Ana", "Đorđević", 0);
    EXPECT_EQ(refusal("ana", "  Tajna1  "), "");
    EXPECT_EQ(refusal("ana", "tajna1"), "Neispravna lozinka!");
    EXPECT_EQ(refusal(" ana", "Tajna1"), "Nepropisno korisnicko ime!");
    EXPECT_EQ(refusal("marko", "Tajna1"), "Nepropisno korisnicko ime!");

    const auto op = std::get<startup::Operator>(startup::signIn(*registerDb, "Ana", "Tajna1"));
    EXPECT_EQ(op.surname, "Đorđević");
    EXPECT_EQ(op.companyAccess, 0);
}

TEST_F(SignIn, PasswordsAreStoredAsSaltedHashes) {
    startup::saveOperator(*registerDb, "ana", "Tajna1", {}, {}, {});
    startup::saveOperator(*registerDb, "ivan", "Tajna1", {}, {}, {});
    EXPECT_TRUE(startup::isPasswordHash(storedPassword("ana")));
    EXPECT_NE(storedPassword("ana"), storedPassword("ivan")); // each with its own salt
    startup::saveOperator(*registerDb, "ANA", "Nova2", {}, {}, {});
    EXPECT_EQ(refusal("ana", "Nova2"), "");
    EXPECT_EQ(refusal("ana", "Tajna1"), "Neispravna lozinka!");
}

TEST_F(SignIn, PlainPasswordOfAnOlderRegisterIsAcceptedOnceAndReplaced) {
    registerDb->run("INSERT INTO operateri(login, pass, Pristup) VALUES ('stari', 'abc', 0)");
    EXPECT_EQ(refusal("stari", "abc "), "");
    EXPECT_TRUE(startup::isPasswordHash(storedPassword("stari")));
    EXPECT_EQ(refusal("stari", "abc"), "");
    EXPECT_EQ(refusal("stari", "ABC"), "Neispravna lozinka!");
}

TEST_F(SignIn, NullPasswordAcceptsAny) {
    registerDb->run("INSERT INTO operateri(login, pass, Pristup) VALUES ('gost', NULL, 2)");
    EXPECT_EQ(refusal("GOST", "bilo sta"), "");
    EXPECT_EQ(std::get<startup::Operator>(startup::signIn(*registerDb, "gost", "")).companyAccess,
              2);
}

TEST_F(SignIn, NamesWithQuotesPercentAndSemicolonAreNames) {
    for (const std::string name : {"o'brien", "say \"hi\"", "100%", "a;b", "%"})
        startup::saveOperator(*registerDb, name, "x", {}, {}, {});
    EXPECT_EQ(refusal("O'BRIEN", "x"), "");
    EXPECT_EQ(refusal("say \"hi\"", "x"), "");
    EXPECT_EQ(refusal("a;b", "x"), "");
    EXPECT_EQ(refusal("%", "x"), "");
    EXPECT_EQ(refusal("_", "x"), "Nepropisno korisnicko ime!"); // no pattern matching
    EXPECT_EQ(registerDb->scalar("SELECT count(*) FROM operateri"), 5);
}
