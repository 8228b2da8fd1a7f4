#include <cstdio>
#include <optional>
#include <string>

#include "DbFixture.h"

namespace zarion::test {
namespace {

using Values = DbTest;

TEST_F(Values, BoundTextsAreStoredAndFoundUnchanged) {
    const std::string texts[] = {
        "O'Brien",  "say \"hi\"", "100%",         "a;b",
        "_%'\";--", "Šćepanović", "x' OR '1'='1", "'); DROP TABLE radnici; --"};
    for (const auto& text : texts)
        db->run("INSERT INTO radnici (ime) VALUES (?)", text);
    for (const auto& text : texts) {
        auto st = db->prepare("SELECT ime, count(*) OVER () FROM radnici WHERE ime = ?");
        st.bind(1, text);
        ASSERT_TRUE(st.step()) << text;
        EXPECT_EQ(st.text(0), text);
        EXPECT_EQ(st.integer(1), 1) << text;
    }
    EXPECT_EQ(db->scalar("SELECT count(*) FROM radnici WHERE ime LIKE ?", "100%"), 1);
    EXPECT_EQ(count(), 8);
}

TEST_F(Values, NullReadsAsZeroOrEmpty) {
    db->run("INSERT INTO radnici (ime) VALUES (NULL)");
    auto st = db->prepare("SELECT ime, iznos, broj, koef, datum, aktivan FROM radnici");
    ASSERT_TRUE(st.step());
    for (int c = 0; c < 6; ++c) {
        EXPECT_TRUE(st.isNull(c));
        EXPECT_EQ(st.text(c), "");
        EXPECT_EQ(st.integer(c), 0);
        EXPECT_EQ(st.number(c), 0.0);
        EXPECT_EQ(st.money(c), Currency());
        EXPECT_EQ(st.date(c), Date{});
        EXPECT_FALSE(st.flag(c));
    }
}

TEST_F(Values, TextsAreReadByTheNumericPrefixRuleAndTrimmed) {
    db->run("INSERT INTO radnici (ime, koef, broj) VALUES (?, ?, ?)", std::string(" 12.5x"),
            std::string("  3.5 sati"), std::string("  Marko  "));
    auto st = db->prepare("SELECT ime, koef, broj FROM radnici");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.text("ime"), "12.5x");
    EXPECT_EQ(st.number("ime"), 12.5);
    EXPECT_EQ(st.money("ime"), Currency::parse("12.5"));
    EXPECT_EQ(st.integer("ime"), 12) << "12.5 rounds half to even";
    EXPECT_EQ(st.number("koef"), 3.5);
    EXPECT_EQ(st.integer("koef"), 4);
    EXPECT_EQ(st.text("broj"), "Marko");
    EXPECT_EQ(st.number("broj"), 0.0);
    EXPECT_EQ(st.money("broj"), Currency());
}

TEST_F(Values, CurrencyColumnKeepsMoneyExactly) {
    const Currency amounts[] = {Currency::parse("1234.5678"), Currency::parse("-0.0001"),
                                Currency::parse("922337203685.4775"), Currency::fromUnits(7)};
    for (const auto& amount : amounts)
        db->run("INSERT INTO radnici (iznos) VALUES (?)", amount);
    auto st = db->prepare("SELECT iznos FROM radnici ORDER BY id_radnik");
    for (const auto& amount : amounts) {
        ASSERT_TRUE(st.step());
        EXPECT_EQ(st.money(0), amount);
        EXPECT_EQ(st.number(0), amount.toDouble());
    }
    EXPECT_FALSE(st.step());
}

TEST_F(Values, SumOverACurrencyColumnReadsBackAsMoney) {
    for (int i = 0; i < 10; ++i)
        db->run("INSERT INTO radnici (iznos, MEsec) VALUES (?, ?)", Currency::parse("0.1"), i % 2);
    db->run("INSERT INTO radnici (iznos) VALUES (?)", Currency::parse("1234.5678"));
    auto sum = db->prepare("SELECT SUM(iznos) AS ukupno FROM radnici");
    ASSERT_TRUE(sum.step());
    EXPECT_EQ(sum.money("UKUPNO"), Currency::parse("1235.5678"));
    auto perMonth = db->prepare("SELECT MEsec, SUM(iznos) FROM radnici WHERE MEsec IS NOT NULL "
                                "GROUP BY MEsec ORDER BY MEsec");
    while (perMonth.step())
        EXPECT_EQ(perMonth.money(1), Currency::parse("0.5")) << perMonth.integer(0);
}

TEST_F(Values, CurrencyIsKnownByItsDeclaredTypeInAnyCase) {
    db->execScript("CREATE TABLE isplata (iznos currency, Neto Currency)");
    db->run("INSERT INTO isplata VALUES (?, ?)", Currency::parse("0.5"), Currency::parse("-7.25"));
    auto st = db->prepare("SELECT iznos, neto FROM isplata");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.money(0), Currency::parse("0.5"));
    EXPECT_EQ(st.money(1), Currency::parse("-7.25"));
}

TEST_F(Values, MoneyReadThroughAViewIsExact) {
    db->execScript("CREATE VIEW isplate AS SELECT ime, iznos FROM radnici");
    db->run("INSERT INTO radnici (ime, iznos) VALUES (?, ?)", std::string("Ana"),
            Currency::parse("99.99"));
    auto st = db->prepare("SELECT iznos FROM isplate WHERE ime = ?");
    st.bind(1, "Ana");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.money(0), Currency::parse("99.99"));
}

TEST_F(Values, WholeNumberColumnsReadAsMoneyAreWholeDinars) {
    db->run("INSERT INTO radnici (broj, celi, koef) VALUES (?, ?, ?)", 12, std::int64_t{-3}, 2.675);
    auto st = db->prepare("SELECT broj, celi, koef FROM radnici");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.money("broj"), Currency::fromUnits(12));
    EXPECT_EQ(st.money("celi"), Currency::fromUnits(-3));
    EXPECT_EQ(st.money("koef"), Currency::parse("2.675"));
}

TEST_F(Values, CurrencyColumnsReadAsWholeNumbersRoundHalfToEven) {
    for (const char* amount : {"2.5", "3.5", "-2.5", "2.5001"})
        db->run("INSERT INTO radnici (iznos) VALUES (?)", Currency::parse(amount));
    auto st = db->prepare("SELECT iznos FROM radnici ORDER BY id_radnik");
    for (const std::int64_t whole : {2, 4, -2, 3}) {
        ASSERT_TRUE(st.step());
        EXPECT_EQ(st.integer(0), whole);
    }
}

TEST_F(Values, ColumnsAreFoundByNameWithoutRegardToCase) {
    db->run("INSERT INTO radnici (ime, MEsec, aktivan) VALUES (?, ?, ?)", std::string("Ana"), 11,
            true);
    auto st = db->prepare("SELECT ime, MEsec, AKTIVAN FROM radnici");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.integer("mesec"), 11);
    EXPECT_EQ(st.integer("MESEC"), 11);
    EXPECT_EQ(st.column("MEsec"), 1);
    EXPECT_EQ(st.text("IME"), "Ana");
    EXPECT_TRUE(st.flag("aktivan"));
    EXPECT_THROW(st.integer("godina"), db::Error);
    EXPECT_EQ(db->scalar("SELECT count(*) FROM RADNICI WHERE mesec = ?", 11), 1);
}

TEST_F(Values, DatesAreStoredAsIsoTextAndEmptyDatesAsNull) {
    db->run("INSERT INTO radnici (datum) VALUES (?)", Date{2026, 12, 4});
    db->run("INSERT INTO radnici (datum) VALUES (?)", Date{});
    db->run("INSERT INTO radnici (datum) VALUES (?)", std::string("2026-01-15 08:00:00"));
    auto st = db->prepare("SELECT datum, typeof(datum) FROM radnici ORDER BY id_radnik");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.text(0), "2026-12-04");
    EXPECT_EQ(st.date(0), (Date{2026, 12, 4}));
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.text(1), "null");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.date(0), (Date{2026, 1, 15}));
}

TEST_F(Values, OptionalsBindAsNullWhenEmpty) {
    db->run("INSERT INTO radnici (iznos, ime) VALUES (?, ?)", std::optional<Currency>{},
            std::optional<std::string>{"Ana"});
    auto st = db->prepare("SELECT iznos, ime FROM radnici");
    ASSERT_TRUE(st.step());
    EXPECT_TRUE(st.isNull(0));
    EXPECT_EQ(st.text(1), "Ana");
}

TEST_F(Values, FailuresThrowTheEngineMessage) {
    EXPECT_THROW(db->prepare("SELECT nema FROM radnici"), db::Error);
    EXPECT_THROW(db->run("INSERT INTO nepostoji VALUES (1)"), db::Error);
    db->run("INSERT INTO radnici (id_radnik) VALUES (1)");
    try {
        db->run("INSERT INTO radnici (id_radnik) VALUES (1)");
        FAIL() << "a duplicate key was stored";
    } catch (const db::Error& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
    }
    EXPECT_EQ(db->scalar("SELECT id_radnik FROM radnici WHERE id_radnik = ?", 2), std::nullopt);
    EXPECT_EQ(count(), 1);
}

TEST_F(Values, OpeningRefusesAMissingFileOrOneThatIsNoDatabase) {
    EXPECT_THROW(db::Database::open(dir / "nema.db"), db::Error);
    {
        std::FILE* f = std::fopen((dir / "tekst.db").c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs("this is not a database, only some text long enough to have a header\n", f);
        std::fclose(f);
    }
    EXPECT_THROW(db::Database::open(dir / "tekst.db"), db::Error);
    db->run("INSERT INTO radnici (ime) VALUES (?)", "Ana");
    const auto again = db::Database::open(dir / "plate.db");
    EXPECT_EQ(again->scalar("SELECT count(*) FROM radnici"), 1);
}

} // namespace
} // namespace zarion::test
