#include <stdexcept>
#include <string>

#include "DbFixture.h"

namespace zarion::test {
namespace {

class Transactions : public DbTest {
protected:
    void insert(const char* name) { db->run("INSERT INTO radnici (ime) VALUES (?)", name); }

    std::string names() {
        std::string all;
        auto st = db->prepare("SELECT ime FROM radnici ORDER BY id_radnik");
        while (st.step())
            all += st.text(0) + ";";
        return all;
    }
};

TEST_F(Transactions, WithoutCommitNothingIsKept) {
    insert("before");
    {
        db::Transaction tx(*db);
        EXPECT_TRUE(db->inTransaction());
        insert("inside");
        db->run("UPDATE radnici SET ime = ? WHERE ime = ?", "changed", "before");
        EXPECT_EQ(names(), "changed;inside;");
    }
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(names(), "before;");
}

TEST_F(Transactions, CommitKeepsTheWork) {
    {
        db::Transaction tx(*db);
        insert("a");
        insert("b");
        tx.commit();
        EXPECT_FALSE(db->inTransaction());
    }
    EXPECT_EQ(names(), "a;b;");
    const auto reopened = db::Database::open(dir / "plate.db");
    EXPECT_EQ(reopened->scalar("SELECT count(*) FROM radnici"), 2);
}

TEST_F(Transactions, AnExceptionRollsBackWhatWasDone) {
    const auto post = [&] {
        db::Transaction tx(*db);
        insert("first half");
        throw std::runtime_error("posting failed half-way");
    };
    EXPECT_THROW(post(), std::runtime_error);
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(count(), 0);
}

TEST_F(Transactions, AFailedStatementRollsBackTheWholePosting) {
    insert("kept");
    const auto post = [&] {
        db::Transaction tx(*db);
        insert("part one");
        db->run("INSERT INTO radnici (id_radnik) VALUES (1)"); // the key is taken
        tx.commit();
    };
    EXPECT_THROW(post(), db::Error);
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(names(), "kept;");
    insert("later");
    EXPECT_EQ(names(), "kept;later;");
}

// Only the outermost transaction decides: an inner rollback drops the inner work alone, an
// inner commit stands or falls with the outer one.
struct NestedCase {
    bool innerCommits, outerCommits;
    const char* kept;
};

TEST_F(Transactions, NestedWorkIsKeptOnlyWhenTheOuterOneCommits) {
    for (const NestedCase& c :
         {NestedCase{false, true, "outer;outer again;"}, NestedCase{true, false, ""},
          NestedCase{true, true, "outer;inner;outer again;"}}) {
        db->run("DELETE FROM radnici");
        {
            db::Transaction outer(*db);
            insert("outer");
            {
                db::Transaction inner(*db);
                insert("inner");
                if (c.innerCommits)
                    inner.commit();
            }
            EXPECT_TRUE(db->inTransaction());
            insert("outer again");
            if (c.outerCommits)
                outer.commit();
        }
        EXPECT_FALSE(db->inTransaction());
        EXPECT_EQ(names(), c.kept) << c.innerCommits << c.outerCommits;
    }
}

TEST_F(Transactions, RollbackWhileAQueryIsOpen) {
    insert("a");
    insert("b");
    auto reader = db->prepare("SELECT ime FROM radnici ORDER BY id_radnik");
    ASSERT_TRUE(reader.step());
    {
        db::Transaction tx(*db);
        db->run("DELETE FROM radnici");
    }
    EXPECT_EQ(count(), 2);
}

TEST_F(Transactions, WhenSQLiteHasUndoneTheWorkNothingStartsAnewAndTheCommitFails) {
    db::Transaction outer(*db);
    insert("first");
    db->execScript("ROLLBACK"); // as SQLite does by itself after a full disk or an I/O error
    const auto nested = [&] {
        db::Transaction inner(*db);
    };
    EXPECT_THROW(nested(), db::Error);
    EXPECT_FALSE(db->inTransaction());
    try {
        outer.commit();
        ADD_FAILURE() << "the commit went through";
    } catch (const db::Error& error) {
        EXPECT_EQ(error.cause(), db::Error::Cause::RolledBack);
    }
    EXPECT_EQ(count(), 0);
}

TEST_F(Transactions, ACommitRefusedByTheLockOfAnotherProgramLeavesNothing) {
    auto other = db::Database::open(dir / "plate.db");
    other->execScript("BEGIN");
    other->scalar("SELECT count(*) FROM radnici"); // a reader keeps its lock
    db->setBusyTimeout(10);
    {
        db::Transaction tx(*db);
        insert("a");
        EXPECT_THROW(tx.commit(), db::Error);
    }
    other->execScript("COMMIT");
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(count(), 0);
    insert("b"); // the connection is free for new work
    EXPECT_EQ(names(), "b;");
}

} // namespace
} // namespace zarion::test
