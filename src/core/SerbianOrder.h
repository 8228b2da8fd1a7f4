#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace zarion {

// The sort key of a text in the Serbian Latin alphabet: a b c č ć d dž đ e f g h i j k l lj m n
// nj o p r s š t u v z ž, capitals as small letters, dž, lj and nj as one letter each, digits
// before letters and any other character after them by its code.
std::vector<int> serbianSortKey(std::string_view text);

// Whether a comes before b in the Serbian alphabet.
bool serbianLess(std::string_view a, std::string_view b);

// Sorts rows by the text `name` gives of each, in the Serbian alphabet; rows with the same text
// keep the order they came in.
template <typename Row, typename Name> void sortSerbian(std::vector<Row>& rows, Name name) {
    std::vector<std::pair<std::vector<int>, std::size_t>> keys;
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys.emplace_back(serbianSortKey(name(rows[i])), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
}

} // namespace zarion
