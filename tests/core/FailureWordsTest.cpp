// Database failures keep SQLite's cause, and every failure is told in the system's words, never
// with the statement that failed.
#include "core/FailureWords.h"

#include <filesystem>
#include <stdexcept>

#include "DbFixture.h"
#include "FileFaults.h"
#include "core/Text.h"

namespace zarion::test {
namespace {

using Cause = db::Error::Cause;

class FailureWords : public DbTest {
protected:
    // The failure of a command, with its cause and its words.
    template <typename Command> db::Error failureOf(Command&& command) {
        try {
            command();
        } catch (const db::Error& error) {
            return error;
        }
        ADD_FAILURE() << "the command went through";
        return db::Error("none");
    }
};

TEST_F(FailureWords, EachCauseOfTheDatabaseHasItsWords) {
    db->run("INSERT INTO radnici (id_radnik) VALUES (1)");
    const auto taken = failureOf([&] { db->run("INSERT INTO radnici (id_radnik) VALUES (1)"); });
    EXPECT_EQ(taken.cause(), Cause::Constraint);
    EXPECT_TRUE(taken.concernsOneRow());
    EXPECT_EQ(failureWords(taken), "Podatak nije dozvoljen u bazi podataka (ponovljen ili "
                                   "nedozvoljen podatak)!"_yu);

    const auto pages = db->scalar("PRAGMA page_count").value_or(0);
    db->execScript("PRAGMA max_page_count = " + std::to_string(pages));
    const auto full = failureOf(
        [&] { db->run("INSERT INTO radnici (ime) VALUES (?)", std::string(20000, 'x')); });
    EXPECT_EQ(full.cause(), Cause::Full);
    EXPECT_FALSE(full.concernsOneRow());
    EXPECT_EQ(failureWords(full), "Nema vi{e mesta na disku za bazu podataka!"_yu);

    auto other = db::Database::open(dir / "plate.db");
    other->execScript("BEGIN EXCLUSIVE");
    db->setBusyTimeout(10);
    const auto busy = failureOf([&] { db->scalar("SELECT count(*) FROM radnici"); });
    other->execScript("ROLLBACK");
    EXPECT_EQ(busy.cause(), Cause::Busy);
    EXPECT_EQ(failureWords(busy), "Baza je zauzeta od strane drugog programa! Poku{ajte ponovo "
                                  "kada drugi program zavr{i rad sa bazom."_yu);

    const auto missing = failureOf([&] { db::Database::open(dir / "nema.db"); });
    EXPECT_EQ(missing.cause(), Cause::CannotOpen);
    EXPECT_EQ(failureWords(missing), "Baza podataka ne mo`e da se otvori!"_yu);

    // any other failure: SQLite's reason, without the statement
    const auto other_ = failureOf([&] { db->run("SELECT nema FROM radnici"); });
    EXPECT_EQ(other_.cause(), Cause::Other);
    EXPECT_EQ(failureWords(other_), "Gre{ka u bazi podataka: no such column: nema"_yu);
}

TEST_F(FailureWords, ADamagedAndAReadOnlyFileAreToldAsSuch) {
    db->run("INSERT INTO radnici (ime) VALUES (?)", std::string(9000, 'x')); // a second page
    db.reset();
    damagePage(dir / "plate.db", 2);
    const auto damaged = failureOf(
        [&] { db::Database::open(dir / "plate.db")->scalar("SELECT count(*) FROM radnici"); });
    EXPECT_EQ(damaged.cause(), Cause::Corrupt);
    EXPECT_EQ(failureWords(damaged), "Baza podataka je o{te}ena!"_yu);

    const auto fresh = db::Database::create(dir / "nova.db");
    fresh->execScript("CREATE TABLE t (a INTEGER)");
    const ReadOnlyFolder readOnly(dir.path());
    const auto written =
        failureOf([&] { db::Database::open(dir / "nova.db")->run("INSERT INTO t VALUES (1)"); });
    EXPECT_EQ(written.cause(), Cause::ReadOnly);
    EXPECT_EQ(failureWords(written), "Baza podataka je samo za ~itanje: upis nije mogu}!"_yu);
}

TEST(FailureWordsOfOtherFailures, AmountsFoldersAndTheRestAreToldInWords) {
    EXPECT_EQ(failureWords(std::overflow_error("Currency overflow")),
              "Iznos je van dozvoljenog opsega!"_yu);
    EXPECT_EQ(failureWords(std::domain_error("division by zero")), "Deljenje nulom!"_yu);
    const std::filesystem::filesystem_error folder(
        "cannot create", "/podaci/G2026", std::make_error_code(std::errc::read_only_file_system));
    EXPECT_EQ(failureWords(folder),
              "Folder sa podacima je samo za ~itanje: upis u /podaci/G2026 nije mogu}!"_yu);
    EXPECT_EQ(failureWords(std::runtime_error("Nepoznata greska")), "Nepoznata greska");
}

} // namespace
} // namespace zarion::test
