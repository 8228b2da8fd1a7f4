// The table editor's reading and saving of a single-row table.
#include "parameters/TableEditor.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "TemplateDatabase.h"

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

// Money grouped with the decimals it has (two at least), rates with a decimal comma and all of
// theirs, dates as dd.MM.yyyy, each followed by a blank; saved back untouched, every value stays
// as it was stored, but an empty yes/no, money or whole-number box stores 0.
TEST_F(TableEditorTest, ColumnsShowInTheTemplatesOrderInSerbianFormsAndSaveBackUnchanged) {
    db->execScript("ALTER TABLE postavke ADD COLUMN vazi_od DATE; "
                   "ALTER TABLE postavke ADD COLUMN sitno CURRENCY; "
                   "INSERT INTO postavke(nacin_obracuna, stimulacije_uredba, x_pomeranje_nalog, "
                   "folder_knjigovodstva, vazi_od, sitno) "
                   "VALUES (2026, 250005000, 0.1 + 0.2, 'C:\\Knjige', '2026-03-01', -1234)");
    std::vector<std::string> names;
    std::vector<std::string> texts;
    for (const EditorField& field : loadEditorTable(*db, "postavke").fields) {
        names.push_back(field.name);
        texts.push_back(field.text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"nacin_obracuna", "fiksni_sati", "na_pola_meseca",
                                               "solidarni_porez", "stimulacije_uredba",
                                               "ukupan_minuli_rad", "x_pomeranje_nalog",
                                               "folder_knjigovodstva", "vazi_od", "sitno"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"2026 ", " ", " ", " ", "25.000,50 ", " ",
                                               "0,30000000000000004 ", "C:\\Knjige ", "01.03.2026 ",
                                               "-0,1234 "}));
    ASSERT_TRUE(saveEditorTable(*db, "postavke", texts).stored());
    EXPECT_EQ(db.count("SELECT count(*) FROM postavke WHERE nacin_obracuna = 2026 AND fiksni_sati "
                       "= 0 AND stimulacije_uredba = 250005000 AND x_pomeranje_nalog = 0.1 + "
                       "0.2 AND vazi_od = '2026-03-01' AND sitno = -1234"),
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

// A number is read as the box shows it or with a decimal point, any other text by its leading
// number.
TEST_F(TableEditorTest, NumbersAreReadInTheSerbianFormOrWithADecimalPoint) {
    for (const char* typed : {"1.234,56", "1234,56", "1234.56"}) {
        std::vector<std::string> inputs = inputsWith("parametri", "regres", typed);
        inputs[20] = typed; // minuli_rad, a double
        ASSERT_TRUE(saveEditorTable(*db, "parametri", inputs).stored()) << typed;
        EXPECT_EQ(db.count("SELECT count(*) FROM parametri WHERE regres = 12345600 AND "
                           "minuli_rad = 1234.56"),
                  1)
            << typed;
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
    EXPECT_EQ(*db->scalar("SELECT count(*) FROM parametri WHERE iznos_poreskog_oslobojenja = 0 "
                          "AND topli_obrok = 0 AND minuli_rad IS NULL"),
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
