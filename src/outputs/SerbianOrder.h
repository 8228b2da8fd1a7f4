#pragma once

#include <string_view>
#include <vector>

namespace zarion::outputs {

// The sort key of a text in the Serbian Latin alphabet: a b c č ć d dž đ e f g h i j k l lj m n
// nj o p r s š t u v z ž, capitals as small letters, dž, lj and nj as one letter each, digits
// before letters and any other character after them by its code.
std::vector<int> serbianSortKey(std::string_view text);

// Whether a comes before b in the Serbian alphabet.
bool serbianLess(std::string_view a, std::string_view b);

} // namespace zarion::outputs
