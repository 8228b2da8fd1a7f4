#include <string>
#include <utility>
#include <vector>

#include "DbFixture.h"

namespace zarion::test {
namespace {

class StatementCache : public DbTest {
protected:
    StatementCache() {
        for (const char* name : {"Ana", "Bora", "Cica"})
            db->run("INSERT INTO radnici (ime) VALUES (?)", name);
    }

    // Prepared statements the connection holds for this SQL text (SQLite's sqlite_stmt table).
    std::int64_t prepared(const std::string& sql) {
        return db->scalar("SELECT count(*) FROM sqlite_stmt WHERE sql = ?", sql).value_or(-1);
    }

    const std::string byName = "SELECT ime FROM radnici ORDER BY id_radnik";
};

TEST_F(StatementCache, AStatementIsPreparedOnceAndReused) {
    for (int i = 0; i < 20; ++i) {
        auto st = db->prepare(byName);
        ASSERT_TRUE(st.step());
    }
    EXPECT_EQ(prepared(byName), 1);
    for (int i = 0; i < 20; ++i)
        db->run("UPDATE radnici SET broj = ? WHERE id_radnik = ?", i, 1);
    EXPECT_EQ(prepared("UPDATE radnici SET broj = ? WHERE id_radnik = ?"), 1);
}

TEST_F(StatementCache, AReusedStatementStartsAfreshWithoutOldParameters) {
    {
        auto st = db->prepare("SELECT ime, ? FROM radnici ORDER BY id_radnik");
        st.bind(1, "stari");
        ASSERT_TRUE(st.step());
        ASSERT_TRUE(st.step());
        EXPECT_EQ(st.text(0), "Bora");
    } // given back half-way through
    auto st = db->prepare("SELECT ime, ? FROM radnici ORDER BY id_radnik");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.text(0), "Ana");
    EXPECT_TRUE(st.isNull(1));
}

TEST_F(StatementCache, TwoLiveStatementsOfOneQueryRunNested) {
    std::vector<std::pair<std::string, std::string>> pairs;
    auto outer = db->prepare(byName);
    while (outer.step()) {
        auto inner = db->prepare(byName);
        while (inner.step())
            pairs.emplace_back(outer.text(0), inner.text(0));
    }
    ASSERT_EQ(pairs.size(), 9u);
    EXPECT_EQ(pairs.front(), (std::pair<std::string, std::string>{"Ana", "Ana"}));
    EXPECT_EQ(pairs[5], (std::pair<std::string, std::string>{"Bora", "Cica"}));
    EXPECT_EQ(pairs.back(), (std::pair<std::string, std::string>{"Cica", "Cica"}));
    EXPECT_EQ(prepared(byName), 2);
}

TEST_F(StatementCache, AMovedStatementIsGivenBackOnce) {
    {
        auto first = db->prepare(byName);
        auto moved = std::move(first);
        ASSERT_TRUE(moved.step());
        EXPECT_EQ(moved.text(0), "Ana");
    }
    auto a = db->prepare(byName);
    auto b = db->prepare(byName);
    ASSERT_TRUE(a.step());
    ASSERT_TRUE(b.step());
    ASSERT_TRUE(a.step());
    EXPECT_EQ(a.text(0), "Bora");
    EXPECT_EQ(b.text(0), "Ana");
}

TEST_F(StatementCache, ACachedStatementFollowsASchemaChange) {
    const std::string all = "SELECT * FROM radnici";
    {
        auto st = db->prepare(all);
        EXPECT_EQ(st.columnCount(), 9);
    }
    db->execScript("ALTER TABLE radnici ADD COLUMN napomena TEXT(100)");
    auto st = db->prepare(all);
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.columnCount(), 10);
    EXPECT_TRUE(st.isNull("NAPOMENA"));
}

TEST_F(StatementCache, AFailedStepLeavesTheStatementUsable) {
    const std::string insert = "INSERT INTO radnici (id_radnik, ime) VALUES (?, ?)";
    EXPECT_THROW(db->run(insert, 1, "duplikat"), db::Error);
    db->run(insert, 10, "Deki");
    EXPECT_EQ(db->scalar("SELECT id_radnik FROM radnici WHERE ime = ?", "Deki"), 10);
}

} // namespace
} // namespace zarion::test
