// The operator's descriptions of the single-row tables: complete for the template, and read as
// the editor needs them.
#include "parameters/ColumnDescriptions.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "TemplateDatabase.h"
#include "parameters/TableEditor.h"

using namespace zarion;
using namespace zarion::parameters;

namespace {

TEST(ColumnDescriptionsTest, EveryEditedTableAndEachOfItsColumnsIsDescribedInSerbianLetters) {
    test::TemplateDatabase db;
    const ColumnDescriptions& words = ColumnDescriptions::standard();
    for (std::string_view table : editorTables()) {
        EXPECT_FALSE(words.title(table).empty()) << table;
        for (const db::ColumnInfo& column : db->columns(table))
            EXPECT_FALSE(words.description(table, column.name).empty())
                << table << "." << column.name << " has no description";
    }
    // Texts are Unicode: a YUSCII stand-in ("ra~un" for "račun") has no place here.
    for (const ColumnDescriptions::Entry& entry : words.entries())
        EXPECT_EQ(entry.text.find_first_of("@`[{]}^~\\|"), std::string::npos) << entry.text;
}

TEST(ColumnDescriptionsTest, NoDescriptionNamesATableOrColumnTheTemplateLacks) {
    test::TemplateDatabase db;
    for (const ColumnDescriptions::Entry& entry : ColumnDescriptions::standard().entries()) {
        EXPECT_TRUE(isEditorTable(entry.table) || isKeyedEditorTable(entry.table)) << entry.table;
        if (!entry.column.empty()) {
            EXPECT_TRUE(db->hasColumn(entry.table, entry.column))
                << entry.table << "." << entry.column << " is not a column of the template";
        }
    }
}

TEST(ColumnDescriptionsTest, LinesMayShareDescriptionsAndNamesMatchWithoutRegardToCase) {
    const ColumnDescriptions words =
        ColumnDescriptions::parse("# comment\r\n"
                                  "\n"
                                  "kurs\t\tKurs strane valute\r\n"
                                  "a, B\tracun_PIO\t Uplatni račun PIO \n"
                                  "a\tmodel\tModel (npr. 97)");
    EXPECT_EQ(words.title("KURS"), "Kurs strane valute");
    EXPECT_EQ(words.description("b", "Racun_pio"), "Uplatni račun PIO");
    EXPECT_EQ(words.description("A", "RACUN_PIO"), "Uplatni račun PIO");
    EXPECT_EQ(words.description("a", "model"), "Model (npr. 97)");
    EXPECT_EQ(words.entries().size(), 4u);

    EXPECT_TRUE(words.description("kurs", "kurs_eur").empty());
    EXPECT_TRUE(words.description("kurs", "").empty()); // a title is no column's description
    EXPECT_TRUE(words.title("a").empty());
}

TEST(ColumnDescriptionsTest, MalformedOrRepeatedLinesAreRefusedWithTheirNumber) {
    const auto refusal = [](const char* text) -> std::string {
        try {
            ColumnDescriptions::parse(text);
        } catch (const std::invalid_argument& error) {
            return error.what();
        }
        return "accepted";
    };
    EXPECT_NE(refusal("kurs\tkurs_eur Kurs evra").find("line 1"), std::string::npos);
    EXPECT_NE(refusal("kurs\tkurs_eur\t \t").find("line 1"), std::string::npos);
    EXPECT_NE(refusal("kurs\tkurs_eur\t").find("line 1"), std::string::npos);
    EXPECT_NE(refusal("#\nkurs,\tkurs_eur\tKurs evra").find("line 2: no table"), std::string::npos);
    EXPECT_NE(refusal("a,b\tx\tX\nB\tX\tdrugi opis").find("line 2: B.X described twice"),
              std::string::npos);
    EXPECT_NE(refusal("a\t\tA\na\t\tdrugi naslov").find("line 2"), std::string::npos);
}

TEST(ColumnDescriptionsTest, TheEditorOpensATableUnderItsTitleWithItsColumnsDescribed) {
    test::TemplateDatabase db;
    db->execScript("ALTER TABLE postavke ADD COLUMN dodatna TEXT(10)");
    const EditorContent content = loadEditorTable(*db, "postavke");
    EXPECT_EQ(content.title, "Postavke programa");
    ASSERT_EQ(content.fields[2].name, "na_pola_meseca");
    EXPECT_EQ(content.fields[2].description.rfind("Isplata u dva dela (1 = akontacija", 0), 0u);
    EXPECT_EQ(content.fields.back().name, "dodatna");
    EXPECT_TRUE(content.fields.back().description.empty());
}

} // namespace
