#include "core/SerbianOrder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarion {
namespace {

TEST(SerbianOrder, LettersAndDigraphsInTheirPlaces) {
    const std::vector<std::string> ordered{
        "Babić",  "Cvetić", "Čolić",   "Ćirić",  "Dabić", "Džonić", "Đokić", "Lukić",
        "Ljubić", "Marić",  "Nikolić", "Njegoš", "Sava",  "Šolaja", "Zec",   "Žikić"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i)
        EXPECT_TRUE(serbianLess(ordered[i], ordered[i + 1]))
            << ordered[i] << " < " << ordered[i + 1];
    EXPECT_FALSE(serbianLess("ŠARIĆ", "šarić"));
    EXPECT_FALSE(serbianLess("šarić", "ŠARIĆ"));
    EXPECT_TRUE(serbianLess("Ana", "Anastasija"));
}

TEST(SerbianOrder, SortingKeepsRowsOfTheSameNameInTheirOrder) {
    struct Row {
        std::string name;
        int id;
    };
    std::vector<Row> rows{{"Žikić", 1}, {"Ilić", 2}, {"Šćepanović", 3}, {"Ilić", 4}, {"Ćirić", 5}};
    sortSerbian(rows, [](const Row& r) { return r.name; });
    std::vector<int> ids;
    for (const Row& r : rows)
        ids.push_back(r.id);
    EXPECT_EQ(ids, (std::vector<int>{5, 2, 4, 3, 1}));
}

} // namespace
} // namespace zarion
