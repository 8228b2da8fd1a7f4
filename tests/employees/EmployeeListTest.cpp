// The register's list: its filters, its texts, the search by name and the printed list.
#include "employees/EmployeeList.h"

#include <algorithm>

#include "EmployeesDb.h"
#include "employees/EmployeeListReport.h"
#include "employees/EmployeeSearch.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

class EmployeeListTest : public test::EmployeesTest {
protected:
    void SetUp() override {
        production = addUnit("Proizvodnja");
        office = addUnit("Uprava");
        addEmployee({.surname = "Šćepanović", .name = "Ana", .unit = production});
        addEmployee({.surname = "Ilić",
                     .name = "Đorđe",
                     .unit = production,
                     .calcType = 1,
                     .termEnd = Date{2026, 6, 30}});
        addEmployee({.surname = "Marić", .name = "Šime", .unit = office, .owner = true});
        addEmployee({.surname = "Lukić", .name = "Ivan", .unit = office, .inactive = true});
    }
    std::size_t shown(const ListFilter& filter) { return loadEmployeeList(*db, filter).size(); }

    std::int64_t production = 0;
    std::int64_t office = 0;
};

TEST_F(EmployeeListTest, FiltersNarrowTheListAndInactiveShowOnlyOnRequest) {
    EXPECT_EQ(shown({}), 3u);
    EXPECT_EQ(shown({.includeInactive = true}), 4u);
    EXPECT_EQ(shown({.unit = production}), 2u);
    EXPECT_EQ(shown({.unit = office}), 1u);
    EXPECT_EQ(shown({.unit = office, .includeInactive = true}), 2u);
    EXPECT_EQ(shown({.calcType = 1}), 1u);
    EXPECT_EQ(shown({.calcType = 4}), 0u);
    EXPECT_EQ(shown({.term = TermFilter::OpenEnded}), 2u);
    EXPECT_EQ(shown({.term = TermFilter::FixedTerm}), 1u);
    EXPECT_EQ(shown({.unit = production, .calcType = 0, .term = TermFilter::OpenEnded}), 1u);
    EXPECT_EQ(shownCountText(3), "Uk.prikazano: 3");
}

TEST_F(EmployeeListTest, RowsShowNameTypeTermAndStatus) {
    const auto rows = loadEmployeeList(*db, {.includeInactive = true});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(listText(rows[0], ColName), "Šćepanović Ana");
    EXPECT_EQ(listText(rows[0], ColCalcType), "0-Red.rad puno RV");
    EXPECT_EQ(listText(rows[0], ColTerm), "Neodredjeno");
    EXPECT_EQ(listText(rows[0], ColTermEnd), "");
    EXPECT_EQ(listText(rows[0], ColActive), "A");
    EXPECT_EQ(listText(rows[1], ColCalcType), "1-Red.rad NEPUNO RV");
    EXPECT_EQ(listText(rows[1], ColTerm), "Određeno");
    EXPECT_EQ(listText(rows[1], ColTermEnd), "30.06.2026");
    EXPECT_TRUE(rows[2].owner);
    EXPECT_EQ(listText(rows[3], ColActive), "N");
}

TEST(EmployeeListSort, NamesFollowTheSerbianAlphabetAndNumbersTheirValue) {
    std::vector<ListRow> rows;
    for (const auto& [id, surname] : {std::pair{3, "Žarković"},
                                      {12, "Tomić"},
                                      {1, "Čolić"},
                                      {7, "Đorđević"},
                                      {20, "Ćirić"},
                                      {4, "Cvetković"}}) {
        rows.emplace_back().id = id;
        rows.back().surname = surname;
    }
    const auto ids = [&rows] {
        std::vector<std::int64_t> out;
        for (const ListRow& row : rows)
            out.push_back(row.id);
        return out;
    };
    sortList(rows, ColName, false); // c č ć đ t ž
    EXPECT_EQ(ids(), (std::vector<std::int64_t>{4, 1, 20, 7, 12, 3}));
    sortList(rows, ColId, false); // 12 and 20 after 7, not after 1
    EXPECT_EQ(ids(), (std::vector<std::int64_t>{1, 3, 4, 7, 12, 20}));
}

TEST_F(EmployeeListTest, SearchFindsAFragmentOfEitherNameWithoutRegardToCase) {
    const auto names = [this](const std::string& fragment) {
        std::vector<std::string> found;
        for (const auto& e : findEmployees(*db, fragment))
            found.push_back(e.surname);
        return found;
    };
    EXPECT_EQ(names(" šće "), std::vector<std::string>{"Šćepanović"});
    EXPECT_EQ(names("ĐOR"), std::vector<std::string>{"Ilić"});
    EXPECT_EQ(names("IĆ"), (std::vector<std::string>{"Šćepanović", "Ilić", "Marić", "Lukić"}));
    EXPECT_EQ(names("").size(), 4u);
    EXPECT_TRUE(names("xyz").empty());
    EXPECT_EQ(employeeName(*db, findEmployees(*db, "Marić").at(0).id), "Marić Šime");
}

TEST_F(EmployeeListTest, PrintedListCarriesTheFilterWordsAndBreaksPages) {
    EXPECT_EQ(employeeListTitle({}, "0 - sve RJ"), "Spisak zaposlenih, Sve RJ, Svi tipovi RO");
    EXPECT_EQ(employeeListTitle({.unit = office, .calcType = 1}, "2 - Uprava"),
              "Spisak zaposlenih, 2 - Uprava, 1 - Pripravnik");

    std::vector<ListRow> rows(120, loadEmployeeList(*db, {}).front());
    const report::Document doc = employeeListReport({}, {}, "Spisak zaposlenih, Sve RJ", rows);
    ASSERT_EQ(doc.pages.size(), 3u);
    const auto texts = doc.pages[0].texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Spisak zaposlenih, Sve RJ"), texts.end());
    for (const char* heading :
         {"R.Br", "ID", "Prezime i ime", "JMBG", "Tip RO", "Datum", "Aktivan"})
        EXPECT_TRUE(doc.pages[1].findText(heading)) << heading;
    EXPECT_TRUE(doc.pages[2].findText("120."));
    EXPECT_TRUE(doc.pages[2].findText("Strana 3 od 3"));
}

} // namespace
