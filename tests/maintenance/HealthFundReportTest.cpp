#include "maintenance/HealthFundReport.h"

#include <gtest/gtest.h>

#include "PayrollRows.h"
#include "TemplateDatabase.h"

using namespace zarion;

namespace {

class HealthFund : public ::testing::Test {
protected:
    HealthFund() {
        const auto marko = rows.employee("Petrović", "Marko", "0101990710123");
        const auto ana = rows.employee("Jovanović", "Ana", "2002985715432");
        db->run("INSERT INTO obracuni(ID_RADNIK, GODINA, MEsec, KOEFICIJENT, funkcijski_dodatak,"
                " otezani_uslovi, cena_Rada, radni_staz, broj_sati, godisnji_s,"
                " placeno_odsustvo_s, osnovna_bruto, godisnji_i, placeno_odsustvo_i, topli_obrok,"
                " ukupno_obaveza, porez_na_zaradu, BRUTO, Oslobodjenje, ukupno_doprinosa_F,"
                " ukupno_doprinosa, NETO)"
                " VALUES (?, 2024, 3, 3.0, 0.5, 0.25, ?, 12.5, 160, 8, 8, ?, ?, ?, ?, ?, ?, ?, ?,"
                " ?, ?, ?)",
                marko, 1399.25_din, 5401.5_din, 1200.3_din, 1234.56_din, 3000_din, 69150_din,
                4070_din, 60000_din, 19300_din, 9150_din, 11850_din, 44080_din);
        // Ana has only an advance in March and a final in April.
        rows.advanceCalc(ana, 2024, 3, 20000_din);
        rows.finalCalc(ana, 2024, 4, 45000_din);
        db->run("INSERT INTO izvestaj(JMBG, Prezime, Ime) VALUES ('0101990710123', 'Petrović',"
                " 'Marko')");
        db->run("INSERT INTO izvestaj(JMBG, Prezime, Ime, \"11\") VALUES ('2002985715432',"
                " 'Jovanović', 'Ana', 7)");
    }

    double column(const char* jmbg, const std::string& name) {
        auto st = db->prepare("SELECT \"" + name + "\" FROM izvestaj WHERE JMBG = ?");
        st.bind(1, jmbg);
        return st.step() ? st.number(0) : -1;
    }
    std::string text(const char* jmbg, const std::string& name) {
        auto st = db->prepare("SELECT \"" + name + "\" FROM izvestaj WHERE JMBG = ?");
        st.bind(1, jmbg);
        return st.step() ? st.text(0) : "?";
    }

    test::TemplateDatabase db;
    test::PayrollRows rows{*db};
};

} // namespace

TEST_F(HealthFund, FillsThePersonsRowFromTheMonthsFinalCalculation) {
    const auto done = maintenance::fillHealthFundReport(*db, 2024, 3);
    EXPECT_EQ(done.filled, 1);
    EXPECT_EQ(done.notFound, 1);

    const char* marko = "0101990710123";
    // 1399.25 × 3 / 174 = 24.125, half to even.
    EXPECT_DOUBLE_EQ(column(marko, "5"), 24.12);
    EXPECT_DOUBLE_EQ(column(marko, "6"), 3.75);
    EXPECT_DOUBLE_EQ(column(marko, "7"), 12.5);
    EXPECT_DOUBLE_EQ(column(marko, "8"), 1399.25);
    EXPECT_DOUBLE_EQ(column(marko, "9"), 160);
    EXPECT_DOUBLE_EQ(column(marko, "10"), 8);
    EXPECT_DOUBLE_EQ(column(marko, "13"), 8);
    EXPECT_DOUBLE_EQ(column(marko, "20"), 5401.5);
    EXPECT_DOUBLE_EQ(column(marko, "21"), 1200.3);
    EXPECT_DOUBLE_EQ(column(marko, "24"), 1234.56);
    EXPECT_DOUBLE_EQ(column(marko, "32"), 3000);
    EXPECT_DOUBLE_EQ(column(marko, "35"), 0);
    EXPECT_DOUBLE_EQ(column(marko, "36"), 1234.56);
    // 5401.50 − round2(3.75 × 1399.25 × 160 / 174 = 4825.00) = 576.50, half to even.
    EXPECT_DOUBLE_EQ(column(marko, "37"), 576);
    EXPECT_DOUBLE_EQ(column(marko, "38"), 69150);
    EXPECT_DOUBLE_EQ(column(marko, "39"), 4070);
    EXPECT_DOUBLE_EQ(column(marko, "40"), 40700); // 60000 − 19300
    EXPECT_DOUBLE_EQ(column(marko, "41"), 60000);
    EXPECT_DOUBLE_EQ(column(marko, "42"), 9150);
    EXPECT_DOUBLE_EQ(column(marko, "43"), 11850);
    EXPECT_DOUBLE_EQ(column(marko, "44"), 15920); // 11850 + 4070
    EXPECT_DOUBLE_EQ(column(marko, "45"), 44080);
    EXPECT_EQ(text(marko, "napomena"), "");
}

TEST_F(HealthFund, APersonWithoutTheMonthsFinalGetsTheNoteOnly) {
    maintenance::fillHealthFundReport(*db, 2024, 3);
    const char* ana = "2002985715432";
    EXPECT_EQ(text(ana, "napomena"), "Nije pronadjen obracun za: Jovanović Ana");
    EXPECT_EQ(text(ana, "5"), "");
    EXPECT_DOUBLE_EQ(column(ana, "11"), 7);

    // In April it is Marko who has no calculation, and Ana's row is filled.
    maintenance::fillHealthFundReport(*db, 2024, 4);
    EXPECT_EQ(text("0101990710123", "napomena"), "Nije pronadjen obracun za: Petrović Marko");
    EXPECT_DOUBLE_EQ(column(ana, "45"), 45000);
}
