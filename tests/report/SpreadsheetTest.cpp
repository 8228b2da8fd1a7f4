#include "report/Spreadsheet.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>

#include "TempDir.h"
#include "ToolOutput.h"

using namespace zarion;
using namespace zarion::report;

namespace {

// The spreadsheet's name of the n-th column (from 1): 1 → A, 26 → Z, 27 → AA.
std::string columnName(int n) {
    std::string name;
    for (; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}
// The cells of the first sheet of an .xlsx file by reference ("AD2"): texts resolved through the
// shared strings, numbers as written.
class SheetCells {
public:
    explicit SheetCells(const std::filesystem::path& file) {
        const std::string quoted = "'" + file.string() + "'";
        sheet_ = test::toolOutput("unzip -p " + quoted + " xl/worksheets/sheet1.xml");
        const std::string shared = test::toolOutput("unzip -p " + quoted + " xl/sharedStrings.xml");
        static const std::regex item(R"(<si><t[^>]*>([^<]*)</t></si>)");
        for (std::sregex_iterator it(shared.begin(), shared.end(), item), end; it != end; ++it)
            strings_.push_back((*it)[1]);
    }

    // The cell's text or number; "" for a cell not written.
    std::string operator[](const std::string& reference) const {
        const std::regex cell("<c r=\"" + reference + "\"([^>]*)><v>([^<]*)</v></c>");
        std::smatch match;
        if (!std::regex_search(sheet_, match, cell))
            return "";
        if (match[1].str().find("t=\"s\"") == std::string::npos)
            return match[2];
        return strings_.at(std::stoul(match[2]));
    }
    bool isNumber(const std::string& reference) const {
        const std::regex cell("<c r=\"" + reference + "\"( s=\"\\d+\")?><v>");
        return std::regex_search(sheet_, cell);
    }

private:
    std::string sheet_;
    std::vector<std::string> strings_;
};

SheetList thirtyColumns() {
    SheetList list;
    for (int c = 1; c <= 30; ++c)
        list.headings.push_back("Kolona " + columnName(c));
    list.headings[0] = "Prezime i ime";
    for (int r = 1; r <= 2; ++r) {
        std::vector<std::string> row;
        for (int c = 1; c <= 30; ++c)
            row.push_back(columnName(c) + std::to_string(r + 1));
        list.rows.push_back(row);
    }
    list.rows[0][0] = "Šćepanović Đorđe";
    list.rows[1][29] = "1234.50";       // an amount as the lists show it
    list.rows[1][28] = "-1.234.567,89"; // grouped
    list.rows[1][27] = "0101990710123"; // a JMBG stays text
    list.rows[1][26] = "160.5";         // not two decimals: text
    return list;
}
} // namespace

TEST(Spreadsheet, WritesHeadingsAndRowsIntoTheirColumnsPastZ) {
    test::TempDir base;
    const SpreadsheetResult result =
        ExportListToSpreadsheet(thirtyColumns(), base.path(), "spisak");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.path, base / "IzvozExcel" / "spisak.xlsx");
    EXPECT_EQ(result.message(),
              "Zavrsen je izvoz u excel fajl " + (base / "IzvozExcel" / "spisak.xlsx").string());

    const SheetCells cells(result.path);
    EXPECT_EQ(cells["A1"], "Prezime i ime");
    EXPECT_EQ(cells["Z1"], "Kolona Z");
    EXPECT_EQ(cells["AA1"], "Kolona AA");
    EXPECT_EQ(cells["AD1"], "Kolona AD");
    EXPECT_EQ(cells["A2"], "Šćepanović Đorđe");
    EXPECT_EQ(cells["Z2"], "Z2");
    EXPECT_EQ(cells["AB2"], "AB2");
    EXPECT_EQ(cells["AD2"], "AD2");
    EXPECT_EQ(cells["AE1"], "");

    EXPECT_TRUE(cells.isNumber("AD3"));
    EXPECT_EQ(cells["AD3"], "1234.5");
    EXPECT_TRUE(cells.isNumber("AC3"));
    EXPECT_EQ(cells["AC3"], "-1234567.89");
    EXPECT_FALSE(cells.isNumber("AB3"));
    EXPECT_EQ(cells["AB3"], "0101990710123");
    EXPECT_FALSE(cells.isNumber("AA3"));
    EXPECT_EQ(cells["AA3"], "160.5");
}

TEST(Spreadsheet, ReplacesAnExistingFileAndReportsAFolderItCannotMake) {
    test::TempDir base;
    std::filesystem::create_directories(base / "IzvozExcel");
    std::ofstream(base / "IzvozExcel" / "spisak.xlsx") << "old";
    SheetList list{{"ID"}, {{"7"}}};
    ASSERT_TRUE(ExportListToSpreadsheet(list, base.path(), "spisak").ok());
    EXPECT_EQ(SheetCells(base / "IzvozExcel" / "spisak.xlsx")["A2"], "7");

    std::ofstream(base / "file") << "not a folder";
    const SpreadsheetResult failed = ExportListToSpreadsheet(list, base / "file", "spisak");
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.message(), failed.error);
    EXPECT_NE(failed.error.find("spisak.xlsx"), std::string::npos);
}
