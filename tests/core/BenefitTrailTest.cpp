// The compensations and other income keep the history as salaries do: each posting, re-posting
// and deletion leaves one entry with its gross and net before and after, and a filed month's
// row changes only with a reason, whichever payment of the month was filed.
#include <gtest/gtest.h>

#include "TemplateDatabase.h"
#include "core/trail/FiledMonths.h"
#include "core/trail/Trail.h"

namespace zarion::test {
namespace {

// A statement and the entry it leaves: its kind and (gross before, gross after, net before, net
// after) in 1/10000 dinar.
struct Step {
    const char* sql;
    const char* kind;
    const char* figures;
};

struct Posting {
    const char* table;
    const char* setup; // rows the posting leans on, made before anything is watched
    Step post;
    Step repost;
    Step remove;
};

class BenefitTrail : public ::testing::TestWithParam<Posting> {};

TEST_P(BenefitTrail, RecordsEveryPostingAndLocksTheFiledMonth) {
    const Posting& p = GetParam();
    TemplateDatabase db;
    db->execScript(p.setup);
    const std::string ofTable = std::string("FROM istorija_promena WHERE tabela = '") + p.table +
                                "' AND mesec = 3 AND godina = 2026 ";
    for (const Step& step : {p.post, p.repost, p.remove}) {
        SCOPED_TRACE(step.sql);
        db->run(step.sql);
        EXPECT_EQ(db.count("SELECT count(*) " + ofTable + "AND vrsta = '" + step.kind +
                           "' AND (bruto_pre, bruto_posle, neto_pre, neto_posle) IS (" +
                           step.figures + ")"),
                  1);
    }
    EXPECT_EQ(db.count("SELECT count(*) " + ofTable), 3);

    // the first part alone locks them: these rows are no part of the advance
    trail::markFiled(*db, 2026, 3, 1, {});
    EXPECT_THROW(db->run(p.post.sql), db::Error);
    EXPECT_EQ(db.count("SELECT count(*) " + ofTable), 3);
    {
        const trail::Permit permit(*db, "naknadna ispravka");
        db->run(p.post.sql);
    }
    EXPECT_EQ(db.count("SELECT count(*) " + ofTable + "AND razlog = 'naknadna ispravka'"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Postings, BenefitTrail,
    ::testing::Values(
        Posting{"bolovanja_obracuni",
                "",
                {"INSERT INTO bolovanja_obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
                 "VALUES (7, 3, 2026, 1500000, 1000000)",
                 "knjizenje", "NULL, 1500000, NULL, 1000000"},
                {"UPDATE bolovanja_obracuni SET BRUTO = 1800000, NETO = 1200000",
                 "ponovno_knjizenje", "1500000, 1800000, 1000000, 1200000"},
                {"DELETE FROM bolovanja_obracuni", "brisanje_obracuna",
                 "1800000, NULL, 1200000, NULL"}},
        Posting{
            "invalidi_obracuni",
            "",
            {"INSERT INTO invalidi_obracuni (ID_RADNIK, MEsec, GODINA, BRUTO, NETO) "
             "VALUES (7, 3, 2026, 900000, 800000)",
             "knjizenje", "NULL, 900000, NULL, 800000"},
            {"UPDATE invalidi_obracuni SET BRUTO = 950000, NETO = 850000", "ponovno_knjizenje",
             "900000, 950000, 800000, 850000"},
            {"DELETE FROM invalidi_obracuni", "brisanje_obracuna", "950000, NULL, 850000, NULL"}},
        // a person's row takes the month of its order's date
        Posting{"obracun_ostale_zarade",
                "INSERT INTO nalozi_ostale_zarade (id_noz, tip_noz, Datum) "
                "VALUES (4, 1, '2026-03-20')",
                {"INSERT INTO obracun_ostale_zarade (id_noz, ID_RADNIK, BRUTO, NETO) "
                 "VALUES (4, 7, 2000000, 1600000)",
                 "knjizenje", "NULL, 2000000, NULL, 1600000"},
                {"UPDATE obracun_ostale_zarade SET BRUTO = 2500000, NETO = 2000000",
                 "ponovno_knjizenje", "2000000, 2500000, 1600000, 2000000"},
                {"DELETE FROM obracun_ostale_zarade", "brisanje_obracuna",
                 "2500000, NULL, 2000000, NULL"}},
        // an order carries the sums of its persons; marking it deleted deletes it
        Posting{"nalozi_ostale_zarade",
                "INSERT INTO obracun_ostale_zarade (id_noz, ID_RADNIK, BRUTO, NETO) "
                "VALUES (1, 7, 2000000, 1600000), (1, 8, 1000000, 800000)",
                {"INSERT INTO nalozi_ostale_zarade (tip_noz, Datum) VALUES (1, '2026-03-20')",
                 "knjizenje", "NULL, 3000000, NULL, 2400000"},
                {"UPDATE nalozi_ostale_zarade SET Naziv = 'Ugovor' WHERE id_noz = 1",
                 "ponovno_knjizenje", "3000000, 3000000, 2400000, 2400000"},
                {"UPDATE nalozi_ostale_zarade SET obrisan = 1 WHERE id_noz = 1",
                 "brisanje_obracuna", "3000000, NULL, 2400000, NULL"}}));

} // namespace
} // namespace zarion::test
