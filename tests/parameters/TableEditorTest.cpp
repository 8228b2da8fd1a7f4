// The table editor's reading and saving of a single-row table.
#include "parameters/TableEditor.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "TemplateDatabase.h"
#include "core/Currency.h"

using namespace zarion;
using namespace zarion::parameters;

namespace {

class TableEditorTest : public ::testing::Test {
protected:
    test::TemplateDatabase db;

    // Every box as the editor opens it, with `column` typed over.
    std::vector<std::string> inputsWith(std::string_view table, std::string_view column,
                                        const std::string& typed) {
        std::vector<std::string> inputs;
        for (const EditorField& field : loadEditorTable(*db, table).fields)
            inputs.push_back(field.name == column ? typed : field.text);
        return inputs;
    }
    EditorSaveResult save(std::string_view table, std::string_view column,
                          const std::string& typed) {
        return saveEditorTable(*db, table, inputsWith(table, column, typed));
    }
    std::int64_t rows(const std::string& table) {
        return *db->scalar("SELECT count(*) FROM " + table);
    }
};

TEST_F(TableEditorTest, EmptyTableOpensBlankAndTheFirstSaveCreatesItsOnlyRow) {
    const EditorContent empty = loadEditorTable(*db, "kurs");
    EXPECT_FALSE(empty.hasRow);
    ASSERT_EQ(empty.fields.size(), 3u);
    EXPECT_EQ(empty.fields[0].name, "kurs_eur");
    for (const EditorField& field : empty.fields)
        EXPECT_EQ(field.text, "");

    ASSERT_TRUE(
        saveEditorTable(*db, "kurs", std::vector<std::string>{"117.2", "", " 100 "}).stored());
    EXPECT_EQ(rows("kurs"), 1);
    ASSERT_TRUE(
        saveEditorTable(*db, "kurs", std::vector<std::string>{"118", "125.5", "101"}).stored());
    EXPECT_EQ(rows("kurs"), 1);

    const EditorContent saved = loadEditorTable(*db, "kurs");
    EXPECT_TRUE(saved.hasRow);
    EXPECT_EQ(saved.fields[0].text, "118 ");
    EXPECT_EQ(saved.fields[1].text, "125,5 ");
}

TEST_F(TableEditorTest, ColumnsComeInTheTemplatesOrderAndValuesShowWithATrailingBlank) {
    db->run("INSERT INTO postavke(nacin_obracuna, stimulacije_uredba, x_pomeranje_nalog) "
            "VALUES (1, ?, 0.75)",
            Currency::parse("12.5"));
    const EditorContent content = loadEditorTable(*db, "postavke");
    std::vector<std::string> names;
    std::vector<std::string> texts;
    for (const EditorField& field : content.fields) {
        names.push_back(field.name);
        texts.push_back(field.text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"nacin_obracuna", "fiksni_sati", "na_pola_meseca",
                                               "solidarni_porez", "stimulacije_uredba",
                                               "ukupan_minuli_rad", "x_pomeranje_nalog",
                                               "folder_knjigovodstva"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"1 ", " ", " ", " ", "12,50 ", " ", "0,75 ", " "}));
}

// Money grouped with the decimals it has (at least two), rates behind a decimal comma with
// theirs, dates as the windows show them.
TEST_F(TableEditorTest, ValuesShowInTheSerbianForms) {
    db->execScript("ALTER TABLE kurs ADD COLUMN iznos CURRENCY; "
                   "ALTER TABLE kurs ADD COLUMN vazi_od DATE");
    struct Case {
        const char* column;
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {"iznos", "250005000", "25.000,50 "},
        {"iznos", "-12345678900", "-1.234.567,89 "},
        {"iznos", "1234", "0,1234 "},
        {"iznos", "12340", "1,234 "},
        {"kurs_eur", "117.2", "117,2 "},
        {"kurs_eur", "1234567.125", "1234567,125 "},
        {"kurs_eur", "0.0000001", "0,0000001 "},
        {"vazi_od", "'2026-03-01'", "01.03.2026 "},
    };
    db->run("INSERT INTO kurs DEFAULT VALUES");
    for (const Case& c : cases) {
        db->execScript(std::string("UPDATE kurs SET ") + c.column + " = " + c.stored);
        std::string shown;
        for (const EditorField& field : loadEditorTable(*db, "kurs").fields)
            if (field.name == c.column)
                shown = field.text;
        EXPECT_EQ(shown, c.shown) << c.stored;
    }
}

// What the boxes show is saved back as it was stored, to the last digit, nulls included.
TEST_F(TableEditorTest, SavingTheRowUnchangedStoresTheSameValues) {
    db->execScript("ALTER TABLE postavke ADD COLUMN vazi_od DATE; "
                   "INSERT INTO postavke(nacin_obracuna, stimulacije_uredba, x_pomeranje_nalog, "
                   "folder_knjigovodstva, vazi_od) "
                   "VALUES (2, -12345678901, 0.1 + 0.2, 'C:\\Knjige', '2026-03-01')");
    const std::string everything = "SELECT quote(nacin_obracuna) || quote(fiksni_sati) || "
                                   "quote(stimulacije_uredba) || quote(x_pomeranje_nalog) || "
                                   "quote(folder_knjigovodstva) || quote(vazi_od) FROM postavke";
    const auto stored = [&] {
        db::Statement row = db->prepare(everything);
        return row.step() ? row.text(0) : std::string();
    };
    const std::string before = stored();
    std::vector<std::string> shown;
    for (const EditorField& field : loadEditorTable(*db, "postavke").fields)
        shown.push_back(field.text);
    ASSERT_TRUE(saveEditorTable(*db, "postavke", shown).stored());
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(db.count("SELECT count(*) FROM postavke WHERE x_pomeranje_nalog = 0.1 + 0.2 AND "
                       "stimulacije_uredba = -12345678901 AND fiksni_sati IS NULL"),
              1);
}

TEST_F(TableEditorTest, YesNoTakesTrueInAnyCaseOrANonZeroNumber) {
    db->execScript("ALTER TABLE kurs ADD COLUMN zakljucan YESNO");
    const auto stored = [&](const std::string& typed) {
        EXPECT_TRUE(save("kurs", "zakljucan", typed).stored()) << typed;
        return *db->scalar("SELECT zakljucan FROM kurs");
    };
    EXPECT_EQ(stored("true "), 1);
    EXPECT_EQ(stored("0"), 0);
    EXPECT_EQ(stored("1"), 1);
    EXPECT_EQ(stored("DA"), 0);
    EXPECT_EQ(stored("-1"), 1);
    EXPECT_EQ(loadEditorTable(*db, "kurs").fields[3].text, "True ");
    EXPECT_EQ(stored("False "), 0);
}

// A number is read as the box shows it or with a decimal point; any other text by its leading
// number.
TEST_F(TableEditorTest, NumbersAreReadInTheSerbianFormOrWithADecimalPoint) {
    struct Case {
        const char* typed;
        std::int64_t regres; // CURRENCY, in ten-thousandths
        double minuli_rad;   // DOUBLE
    };
    const Case cases[] = {
        {"1.234,56", 12345600, 1234.56}, {"1234,56", 12345600, 1234.56},
        {"1234.56", 12345600, 1234.56},  {" 1 234,56 ", 12345600, 1234.56},
        {"-0,5", -5000, -0.5},           {"12.345.678", 123456780000, 12345678},
        {"0,1234", 1234, 0.1234},
    };
    for (const Case& c : cases) {
        std::vector<std::string> inputs = inputsWith("parametri", "regres", c.typed);
        inputs[20] = c.typed; // minuli_rad
        ASSERT_TRUE(saveEditorTable(*db, "parametri", inputs).stored()) << c.typed;
        db::Statement row = db->prepare("SELECT regres, minuli_rad FROM parametri");
        ASSERT_TRUE(row.step());
        EXPECT_EQ(row.money(0).raw(), c.regres) << c.typed;
        EXPECT_EQ(row.number(1), c.minuli_rad) << c.typed;
    }
    ASSERT_TRUE(save("parametri", "regres", "abc").stored());
    EXPECT_EQ(*db->scalar("SELECT regres FROM parametri"), 0);

    ASSERT_TRUE(save("podaci_ppppd", "uk_radnika", "17 radnika").stored());
    EXPECT_EQ(*db->scalar("SELECT uk_radnika FROM podaci_ppppd"), 17);
    ASSERT_TRUE(save("postavke", "na_pola_meseca", " 1").stored());
    EXPECT_EQ(*db->scalar("SELECT na_pola_meseca FROM postavke"), 1);
}

TEST_F(TableEditorTest, ARefusedValueStoresNothingAndNamesTheColumn) {
    ASSERT_TRUE(save("parametri", "porez_zarade", "10").stored());
    std::vector<std::string> inputs = inputsWith("parametri", "porez_zarade", "12");
    inputs[1] = "30000"; // iznos_poreskog_oslobojenja, before the refused column
    inputs[30] = "3000"; // topli_obrok, after it
    inputs[20] = "4,5x"; // minuli_rad: a double must be a number to its end
    const EditorSaveResult refused = saveEditorTable(*db, "parametri", inputs);
    ASSERT_FALSE(refused.stored());
    EXPECT_EQ(refused.refusedColumn, 20);
    EXPECT_NE(refused.refusal.find("minuli_rad"), std::string::npos) << refused.refusal;
    EXPECT_EQ(*db->scalar("SELECT porez_zarade FROM parametri"), 10);
    EXPECT_EQ(*db->scalar("SELECT count(*) FROM parametri WHERE iznos_poreskog_oslobojenja IS NULL "
                          "AND topli_obrok IS NULL AND minuli_rad IS NULL"),
              1);
}

TEST_F(TableEditorTest, TooLongTextsAndNumbersOutOfRangeAreRefused) {
    const EditorSaveResult text = save("parametri2", "model_dro", "970123");
    EXPECT_EQ(text.refusal, "Neispravna vrednost u polju model_dro (najviše 5 znakova)!\n"
                            "Ništa nije snimljeno.");
    EXPECT_TRUE(save("parametri2", "model_dro", " Šš97 ").stored()); // five characters
    EXPECT_EQ(rows("parametri2"), 1);

    const EditorSaveResult tooMany = save("podaci_ppppd", "uk_radnika", "3000000000");
    EXPECT_NE(tooMany.refusal.find("uk_radnika"), std::string::npos);
    EXPECT_EQ(rows("podaci_ppppd"), 0);
    EXPECT_FALSE(save("postavke", "fiksni_sati", "40000").stored());
    EXPECT_FALSE(save("kurs", "kurs_eur", "1e999").stored());
    EXPECT_EQ(rows("postavke") + rows("kurs"), 0);
}

TEST_F(TableEditorTest, OnlyTheSingleRowTablesAreEdited) {
    for (const char* table :
         {"parametri", "parametri2", "parametri3", "parametri_vlasnik", "parametri_porodilje",
          "parametri_bolovanje", "parametri_invalidi", "podaci_ppppd", "postavke", "kurs"})
        EXPECT_FALSE(loadEditorTable(*db, table).fields.empty()) << table;
    EXPECT_EQ(editorTables().size(), 10u);
    EXPECT_THROW(loadEditorTable(*db, "radnici"), std::invalid_argument);
    EXPECT_THROW(saveEditorTable(*db, "radnici", std::vector<std::string>{}),
                 std::invalid_argument);
}

TEST(EditorLayout, FortyRowsAColumnWithTheFortiethAtTheFootOfTheNext) {
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(editorSlot(i).column, 0) << i;
        EXPECT_EQ(editorSlot(i).row, i) << i;
    }
    EXPECT_EQ(editorSlot(40).column, 1);
    EXPECT_EQ(editorSlot(40).row, 40);
    for (int i = 41; i < 45; ++i) {
        EXPECT_EQ(editorSlot(i).column, 1) << i;
        EXPECT_EQ(editorSlot(i).row, i - 40) << i;
    }
}

} // namespace
